// Start-up duties of the program that tests can call too: the settings
// identity, the optional translation beside the program, the window icon,
// the program's version and the help file.
#pragma once

#include <QIcon>
#include <QString>
#include <optional>

class QApplication;
class QTranslator;
class QWidget;

namespace vorlan {

// Organisation "Kelvane", application name = base name of the program file,
// so a renamed copy of the program keeps its own settings.
void SetApplicationIdentity(const QString& programPath);

// Loads "local.qm" from the program's folder when present; returns whether a
// translation was installed. The translator is owned by the application.
bool InstallLocalTranslation(const QString& programDir);

// The program's icon at the usual sizes (rendered from its SVG at build time).
QIcon ProgramIcon();

// The version the program was built with, or nothing when the build gave none.
std::optional<QString> ProgramVersion();

// The help file: "help/Vorlan.chm" beside the program where a viewer for it
// exists, otherwise the HTML guide in the program's language
// ("help/Vorlan_de.html") or in English ("help/Vorlan.html"), beside the
// program or in the installed share folder. Empty when the program folder
// is unknown.
QString HelpFilePath(const QString& programPath);

// Opens the help file at the heading whose id is section when given, through
// the dialog seam of owner's window; a missing file gives no message.
void OpenHelp(const QString& programPath, QWidget* owner = nullptr, const QString& section = {});

} // namespace vorlan
