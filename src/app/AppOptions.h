// The program's command line, parsed in one place. The window program has
// no options of its own yet; unknown arguments are kept for the caller.
#pragma once

#include <QString>
#include <QStringList>

namespace vorlan {

struct AppOptions {
    QString programPath;          // full path of the running program file
    QStringList ignoredArguments; // arguments no option claimed
};

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath);

} // namespace vorlan
