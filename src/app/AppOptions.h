// The program's command line, parsed in one place. Unknown arguments are kept
// for the caller.
#pragma once

#include <QString>
#include <QStringList>

namespace vorlan {

// Makes the program print when its main window was first painted, and quit;
// the start-up benchmark measures the program with it.
inline constexpr const char* kReportFirstPaintOption = "--report-first-paint";

struct AppOptions {
    QString programPath;           // full path of the running program file
    bool reportFirstPaint = false; // kReportFirstPaintOption
    QStringList ignoredArguments;  // arguments no option claimed
};

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath);

} // namespace vorlan
