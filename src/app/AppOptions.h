// The program's command line, parsed in one place. Unknown arguments are kept
// for the caller.
//   --emulate N   program an emulated keyboard of type N (0, 1 or 2) instead
//                 of the device (like VORLAN_DEVICE=emulator:N)
//   LAYOUT        a layout file to open at start
//   --version, --help  answered before the window system starts
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace vorlan {

// Makes the program print when its main window was first painted, and quit;
// the start-up benchmark measures the program with it.
inline constexpr const char* kReportFirstPaintOption = "--report-first-paint";

struct AppOptions {
    QString programPath;                 // full path of the running program file
    bool reportFirstPaint = false;       // kReportFirstPaintOption
    QStringList ignoredArguments;        // arguments no option claimed
    std::optional<int> emulatedKeyboard; // --emulate N
    QString error;                       // a refused option, for the user; empty when all is well
};

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath);

// The layout file to open at start: the first unclaimed argument that does
// not look like an option; empty when there is none.
QString StartFile(const AppOptions& options);

// "--version" and "--help" are answered before the window system starts, so
// both work without a display (an installed program is checked that way).
enum class InfoOption { None, Version, Help };
InfoOption FindInfoOption(int argc, const char* const* argv);
// What the option prints; --help's text ends with the line "User guide: "
// for the caller to complete with the help file's path.
std::string InfoOptionText(InfoOption option);

} // namespace vorlan
