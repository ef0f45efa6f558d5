#include "app/AppOptions.h"

#include "programming/DeviceFileDriver.h"
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
        if (arguments.at(i) == QLatin1String("--received")) {
            if (i + 1 < arguments.size()) {
                options.receivedPath = arguments.at(++i);
            } else {
                options.error = QStringLiteral("--received needs a file name");
            }
            continue;
        }
        if (arguments.at(i) == QLatin1String("--version")) {
            options.showVersion = true;
            continue;
        }
        if (arguments.at(i) == QLatin1String("--help") || arguments.at(i) == QLatin1String("-h")) {
            options.showHelp = true;
            continue;
        }
        if (options.layoutPath.isEmpty() && !arguments.at(i).startsWith(QLatin1Char('-'))) {
            options.layoutPath = arguments.at(i);
            continue;
        }
        options.ignoredArguments << arguments.at(i);
    }
    if (!options.receivedPath.isEmpty() && !options.emulatedKeyboard && options.error.isEmpty()) {
        options.error = QStringLiteral("--received needs an emulated keyboard (--emulate N)");
    }
    return options;
}

QString AppUsageText() {
    return QStringLiteral(
               "usage: vorlan [--emulate N [--received FILE]] [LAYOUT]\n"
               "  LAYOUT           a layout file to open at start\n"
               "  --emulate N      program an emulated keyboard of type N (0, 1 or 2)\n"
               "  --received FILE  save the bytes the emulated keyboard received in each run\n"
               "  --version        print the version and quit\n"
               "  --help           print this text and quit\n"
               "The keyboard's device is VORLAN_DEVICE (default %1).\n")
        .arg(QString::fromStdString(DeviceFileDriver::DefaultPath()));
}

} // namespace vorlan
