// The program's command line, parsed in one place against the declaration of
// its options (common/CommandLine.h). An unknown option is an error; Qt's own
// options are taken; a file name beyond the one layout is an error too.
#pragma once

#include "programming/EmulatedKeyboard.h"

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
    std::optional<int> emulatedKeyboard; // --emulate N[,FAULT...]
    EmulatorFaults faults;               // the FAULTs of --emulate
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
