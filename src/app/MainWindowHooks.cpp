#include "app/MainWindowHooks.h"

#include "editor/KeyEditor.h"
#include "programming/ui/ProgrammingWindows.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "scancodes/ui/KeyCaptureRunner.h"
#include "station/ui/StationTools.h"
#include "verify/ui/VerifyTools.h"

#include <QMainWindow>

namespace vorlan {

void InstallWindowDialogs(QMainWindow& window, MainWindowHooks& hooks, KeyEditor& editor,
                          QAction* programming) {
    // The capture dialog is made on first use, not before the first paint, and
    // then lives as long as the window.
    hooks.runCaptureDialog = [&window](QWidget*, const KeyCodes& codes,
                                       const std::array<std::string, kCodesPerKey>& names,
                                       const CodeNaming& naming) {
        auto* capture =
            window.findChild<CaptureScanCodesDialog*>(QString(), Qt::FindDirectChildrenOnly);
        if (capture == nullptr) {
            capture = new CaptureScanCodesDialog(&window);
        }
        return RunCaptureDialogForKey(*capture, codes, names, naming);
    };
    InstallProgrammingDialogs(&window, hooks);
    // The key test, the programming log and batch programming (Tools menu).
    auto* verify = new VerifyTools(&window, hooks, editor.Document(), editor.Naming(), programming);
    // A batch of keyboards (Tools menu), after the tools it builds on.
    new StationTools(&window, editor, *verify);
}

} // namespace vorlan
