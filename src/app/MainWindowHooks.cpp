#include "app/MainWindowHooks.h"

#include "editor/KeyEditor.h"
#include "keyboards/PcLayouts.h"
#include "keyboards/TextCodes.h"
#include "programming/ui/ProgrammingWindows.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "scancodes/ui/KeyCaptureRunner.h"
#include "station/ui/StationTools.h"
#include "verify/ui/VerifyTools.h"

#include <QMainWindow>

namespace vorlan {

namespace {

// The capture dialog's typist: texts in the PC layout in use, US for the
// standard names.
TextTypist TypistOf(std::function<std::string()> pcLayout) {
    const auto layoutOf = [pcLayout] {
        std::string id = pcLayout ? pcLayout() : std::string();
        return id.empty() ? std::string("us") : id;
    };
    TextTypist typist;
    typist.layoutName = [layoutOf] {
        const keyboards::PcLayoutInfo* info = keyboards::FindPcLayout(layoutOf());
        return info == nullptr ? std::string() : std::string(StringText(info->name));
    };
    typist.type = [layoutOf](std::string_view text, bool numberPad) {
        const std::string id = layoutOf();
        const keyboards::TextCodes result = keyboards::CodesOfText({text, id, numberPad});
        TypedText typed;
        typed.refused = result.refusal.has_value();
        typed.codes = result.codes;
        typed.names = keyboards::CodeNamesIn(id, result.codes);
        if (const auto note = keyboards::TextCodesNote(result, text)) {
            typed.messageId = static_cast<int>(note->id);
            for (const UiArg& arg : note->args) {
                typed.args.push_back(arg.Utf8());
            }
        }
        return typed;
    };
    return typist;
}

} // namespace

void InstallWindowDialogs(QMainWindow& window, MainWindowHooks& hooks, KeyEditor& editor,
                          QAction* programming, std::function<std::string()> pcLayout) {
    // The capture dialog is made on first use, not before the first paint, and
    // then lives as long as the window.
    hooks.runCaptureDialog = [&window, typist = TypistOf(std::move(pcLayout))](
                                 QWidget*, const KeyCodes& codes,
                                 const std::array<std::string, kCodesPerKey>& names,
                                 const CodeNaming& naming) {
        auto* capture =
            window.findChild<CaptureScanCodesDialog*>(QString(), Qt::FindDirectChildrenOnly);
        if (capture == nullptr) {
            capture = new CaptureScanCodesDialog(&window);
            capture->SetTextTypist(typist);
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
