// The dialogs the main window runs for the key editor but does not own: the
// capture dialog, and the programming subsystem's hooks (keyboard settings
// dialog, programming run), which that subsystem defines and fills itself
// (InstallWindowDialogs); an empty hook behaves as a cancelled dialog.
#pragma once

#include "editor/EditorView.h"
#include "programming/ui/ProgrammingHooks.h"

#include <array>
#include <functional>
#include <string>

class QAction;
class QMainWindow;
class QWidget;

namespace vorlan {

struct MainWindowHooks : ProgrammingHooks {
    // Modal; started with the key's 16 codes and their texts.
    std::function<CaptureResult(QWidget* parent, const KeyCodes& codes,
                                const std::array<std::string, kCodesPerKey>& names,
                                const CodeNaming& naming)>
        runCaptureDialog;
};

class KeyEditor;

// Fills the hooks with the capture dialog and the programming dialogs, and
// adds the Tools menu's key test, log and batch programming to window;
// programming is the File menu's entry the tools follow.
void InstallWindowDialogs(QMainWindow& window, MainWindowHooks& hooks, KeyEditor& editor,
                          QAction* programming);

} // namespace vorlan
