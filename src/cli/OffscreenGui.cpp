#include "cli/OffscreenGui.h"

namespace vorlan::cli {

std::unique_ptr<QGuiApplication> StartOffscreenGui() {
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
