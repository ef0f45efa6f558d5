// View > Language: the system's language or one of the shipped translations,
// remembered in the user's settings. The window's texts are made once, so the
// choice applies at the next start, which a message says.
#pragma once

#include <QString>

class QMainWindow;

namespace vorlan {

// Adds the submenu to the window's View menu (object name "viewMenu"), with
// English and every language whose translation lies in the program's data
// folders, each named in its own language.
void AddLanguageMenu(QMainWindow& window, const QString& programDir);

// A language's own name, as its speakers write it in a menu: "Deutsch".
QString LanguageOwnName(const QString& language);

} // namespace vorlan
