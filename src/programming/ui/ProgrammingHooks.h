// What the programming subsystem's windows plug into the window that hosts
// them: the keyboard settings dialog and the programming run. The host holds
// these and calls them; an empty hook behaves as a cancelled dialog.
#pragma once

#include "programming/KeyboardSettingsValues.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vorlan {

struct ProgrammingHooks {
    // Modal; nullopt when cancelled.
    std::function<std::optional<KeyboardSettingsValues>(QWidget* parent,
                                                        const KeyboardSettingsValues& values)>
        runSettingsDialog;
    // The layout was written to layoutPath: disable the window, show the
    // progress dialog and run the programming on that file.
    std::function<void(QWidget* parent, const std::string& layoutPath)> startProgrammingRun;
};

} // namespace vorlan
