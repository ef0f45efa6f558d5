#include "cli/OffscreenGui.h"

namespace vorlan::cli {

namespace {

QtMessageHandler previousHandler = nullptr;

// Without XDG_RUNTIME_DIR (cron, sudo) Qt warns that it takes a folder of
// its own; a command that prints to files never uses that folder, and the
// warning on its terminal would read as a fault of the command.
void QuietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: "))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    }
}

} // namespace

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
    if (previousHandler == nullptr) {
        previousHandler = qInstallMessageHandler(QuietRuntimeFolder);
    }
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    // Qt keeps argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "vorlanctl";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace vorlan::cli
