#include "app/AppOptions.h"

#include "programming/KeyboardSelection.h"

#include <cstring>

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

QString StartFile(const AppOptions& options) {
    for (const QString& argument : options.ignoredArguments) {
        if (!argument.startsWith(QLatin1Char('-'))) {
            return argument;
        }
    }
    return {};
}

InfoOption FindInfoOption(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            return InfoOption::Version;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            return InfoOption::Help;
        }
    }
    return InfoOption::None;
}

std::string InfoOptionText(InfoOption option) {
    switch (option) {
    case InfoOption::Version:
        return std::string("vorlan ") + VORLAN_VERSION + "\n";
    case InfoOption::Help:
        return "Usage: vorlan [--emulate N] [LAYOUT]\n"
               "  LAYOUT        a layout file to open at start\n"
               "  --emulate N   program an emulated keyboard of type N (0, 1 or 2)\n"
               "  --version     print the version and exit\n"
               "  --help        print this text and exit\n"
               "VORLAN_DEVICE names the keyboard's device (default /dev/vorlan).\n"
               "User guide: ";
    case InfoOption::None:
        break;
    }
    return {};
}

} // namespace vorlan
