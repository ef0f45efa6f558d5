// The program's command line, parsed in one place. Unknown arguments are kept
// for the caller.
//   vorlan [--emulate N [--received FILE]] [LAYOUT]
//   --emulate N      program an emulated keyboard of type N (0, 1 or 2) instead
//                    of the device (like VORLAN_DEVICE=emulator:N)
//   --received FILE  the emulated keyboard saves the bytes of each run there
//   LAYOUT           a layout file, opened at start as File > Open would
//   --version, --help  print and quit, without a window
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vorlan {

// Makes the program print when its main window was first painted, and quit;
// the start-up benchmark measures the program with it.
inline constexpr const char* kReportFirstPaintOption = "--report-first-paint";

struct AppOptions {
    QString programPath;                 // full path of the running program file
    bool reportFirstPaint = false;       // kReportFirstPaintOption
    QStringList ignoredArguments;        // arguments no option claimed
    std::optional<int> emulatedKeyboard; // --emulate N
    QString receivedPath;                // --received FILE
    QString layoutPath;                  // the first argument that is not an option
    bool showVersion = false;            // --version
    bool showHelp = false;               // --help
    QString error;                       // a refused option, for the user; empty when all is well
};

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath);

// What --help prints.
QString AppUsageText();

} // namespace vorlan
