// Start-up duties of the program that tests can call too: the settings
// identity, the optional translation beside the program, the window icon,
// the program's version and the help file.
#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <optional>

class QApplication;
class QTranslator;

namespace vorlan {

// Organisation "Kelvane", application name = base name of the program file,
// so a renamed copy of the program keeps its own settings.
void SetApplicationIdentity(const QString& programPath);

// Loads "local.qm" from the program's folder when present; returns whether a
// translation was installed. The translator is owned by the application.
bool InstallLocalTranslation(const QString& programDir);

// The program's icon, drawn from the key images at the usual icon sizes.
QIcon ProgramIcon();

// The version the program was built with, or nothing when the build gave none.
std::optional<QString> ProgramVersion();

// The help file beside the program: "help/Vorlan.chm" where a viewer for it
// exists, otherwise the HTML guide "help/Vorlan.html". Empty when the program
// folder is unknown.
QString HelpFilePath(const QString& programPath);

// Opens the help file; a missing file gives no message. Tests replace the
// opener to see what would be opened.
using HelpOpener = std::function<void(const QString& path)>;
void OpenHelp(const QString& programPath);
HelpOpener SetHelpOpener(HelpOpener opener);

} // namespace vorlan
