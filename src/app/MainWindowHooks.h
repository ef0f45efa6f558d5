// The dialogs the main window runs for the key editor but does not own: the
// capture dialog, the keyboard settings dialog and the programming run. Each
// dialog's subsystem plugs its runner in here (see InstallDialogs in
// MainDialog.cpp); an empty hook behaves as a cancelled dialog.
#pragma once

#include "grid/EditorView.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vorlan {

struct MainWindowHooks {
    // Modal; started with the key's 16 codes and their texts.
    std::function<CaptureResult(QWidget* parent, const KeyCodes& codes,
                                const std::array<std::string, kCodesPerKey>& names)>
        runCaptureDialog;
    // Modal; nullopt when cancelled.
    std::function<std::optional<KeyboardSettingsValues>(QWidget* parent,
                                                        const KeyboardSettingsValues& values)>
        runSettingsDialog;
    // The layout was written to layoutPath: disable the window, show the
    // progress dialog and run the programming on that file.
    std::function<void(QWidget* parent, const std::string& layoutPath)> startProgrammingRun;
};

} // namespace vorlan
