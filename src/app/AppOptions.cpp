#include "app/AppOptions.h"

#include "common/CommandLine.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "programming/DeviceFileDriver.h"
#include "programming/KeyboardSelection.h"

#include <QCommandLineParser>

namespace vorlan {

namespace {

QString FromView(std::string_view text) {
    return FromUtf8Text(text);
}

// "--emulate" -> "emulate", "-h" -> "h".
QString OptionName(std::string_view name) {
    while (name.starts_with('-')) {
        name.remove_prefix(1);
    }
    return FromView(name);
}

// QGuiApplication's and QApplication's own options: they reach the parser
// before QApplication takes them out, and must not be refused.
void AddQtOptions(QCommandLineParser& parser) {
    const char* const withValue[] = {"platform",      "platformpluginpath",
                                     "platformtheme", "plugin",
                                     "qmljsdebugger", "qwindowgeometry",
                                     "qwindowicon",   "qwindowtitle",
                                     "session",       "style",
                                     "stylesheet",    "display",
                                     "geometry",      "name",
                                     "title"};
    const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

AppOptions ParseAppOptions(const QStringList& arguments, const QString& programPath) {
    AppOptions options;
    options.programPath = programPath;
    QCommandLineParser parser;
    // Qt's own options are written with one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const cmdline::Option& declared : cmdline::VorlanOptions()) {
        QStringList names{OptionName(declared.name)};
        if (!declared.alias.empty()) {
            names << OptionName(declared.alias);
        }
        parser.addOption(
            QCommandLineOption(names, FromView(declared.help), FromView(declared.value)));
    }
    AddQtOptions(parser);
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.reportFirstPaint = parser.isSet(OptionName(kReportFirstPaintOption));
    options.showVersion = parser.isSet(QStringLiteral("version"));
    options.showHelp = parser.isSet(QStringLiteral("help"));
    options.receivedPath = parser.value(QStringLiteral("received"));
    if (parser.isSet(QStringLiteral("emulate"))) {
        int type = 0;
        if (ParseEmulatorOptions(ToUtf8Text(parser.value(QStringLiteral("emulate"))), type,
                                 options.faults)) {
            options.emulatedKeyboard = type;
        } else {
            options.error = UiText(StringId::AppEmulateNeedsType);
            return options;
        }
    }
    if (parser.isSet(QStringLiteral("received")) && options.receivedPath.isEmpty()) {
        options.error = UiText(StringId::AppReceivedNeedsFile);
        return options;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > cmdline::kVorlanMaxOperands) {
        // Opening one and dropping the rest unsaid would look like they were opened.
        options.error = UiText(StringId::AppOneLayoutOnly)
                            .arg(files.mid(cmdline::kVorlanMaxOperands).join(QLatin1Char(' ')));
        return options;
    }
    if (!files.isEmpty()) {
        options.layoutPath = files.front();
    }
    if (!options.receivedPath.isEmpty() && !options.emulatedKeyboard) {
        options.error = UiText(StringId::AppReceivedNeedsEmulate);
    }
    return options;
}

QString AppUsageText() {
    // The declaration's English texts are in the string table too.
    const auto words = [](std::string_view english) {
        for (const StringEntry& e : StringEntries()) {
            if (e.text == english) {
                return ToUtf8Text(UiText(e.id));
            }
        }
        return std::string(english);
    };
    return FromUtf8Text(cmdline::VorlanHelp(words)) +
           UiText(StringId::AppDeviceNote).arg(FromUtf8Text(DeviceFileDriver::DefaultPath())) +
           QLatin1Char('\n');
}

} // namespace vorlan
