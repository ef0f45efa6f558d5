#include "app/AppOptions.h"

namespace vorlan {

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath) {
    AppOptions options;
    options.programPath = programPath;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String(kReportFirstPaintOption)) {
            options.reportFirstPaint = true;
        } else {
            options.ignoredArguments << arguments.at(i);
        }
    }
    return options;
}

} // namespace vorlan
