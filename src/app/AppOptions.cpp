#include "app/AppOptions.h"

#include "programming/KeyboardSelection.h"

namespace vorlan {

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath) {
    AppOptions options;
    options.programPath = programPath;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String(kReportFirstPaintOption)) {
            options.reportFirstPaint = true;
            continue;
        }
        if (arguments.at(i) == QLatin1String("--emulate")) {
            int type = 0;
            if (i + 1 < arguments.size() &&
                ParseEmulatedType(arguments.at(i + 1).toStdString(), type)) {
                options.emulatedKeyboard = type;
                ++i;
            } else {
                options.error = QStringLiteral("--emulate needs a keyboard type: 0, 1 or 2");
            }
            continue;
        }
        options.ignoredArguments << arguments.at(i);
    }
    return options;
}

} // namespace vorlan
