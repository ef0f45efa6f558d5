#include "grid/KeyEditor.h"
#include "layout/LayoutFile.h"

#include <algorithm>

namespace vorlan {

// ---------------------------------------------------------------- File menu

void KeyEditor::OnFileNew() {
    files_.NewLayout();
}
void KeyEditor::OnFileOpen() {
    files_.OpenLayout();
}
void KeyEditor::OnFileSave() {
    // Without a file name this is Save As, which reads its file back.
    if (doc_.filePath.empty()) {
        OnFileSaveAs();
        return;
    }
    if (files_.SaveLayout() == SaveOutcome::Written) {
        history_.MarkSaved();
    }
}
void KeyEditor::OnFileSaveAs() {
    // The written file is read back; when it holds the layout unchanged (a
    // variant without losses), the steps still fit and are kept.
    const std::string before = FormatLayout(doc_, KeyboardVariant::SixteenScan);
    keepHistory_ = true;
    const SaveOutcome outcome = files_.SaveLayoutAs();
    keepHistory_ = false;
    if (outcome != SaveOutcome::Written) {
        return;
    }
    if (FormatLayout(doc_, KeyboardVariant::SixteenScan) == before) {
        history_.ForgetCatalogueChanges();
        history_.MarkSaved();
    } else {
        history_.Clear();
    }
}
void KeyEditor::OnRecentFile(int index) {
    files_.OpenRecent(index);
}
bool KeyEditor::OnClose() {
    return files_.NewLayout();
}

void KeyEditor::OnFileProgramming() {
    const std::string keptPath = doc_.filePath;
    // The temporary file is not the user's file: writing it must not make
    // the layout look saved, nor change the variant offered by Save As.
    const bool keptDirty = doc_.dirty;
    const KeyboardVariant keptVariant = doc_.variant;
    doc_.filePath = kProgrammingFileName;
    const bool written = WriteLayout(doc_, doc_.loadedVariant == KeyboardVariant::SevenThreeScan
                                               ? KeyboardVariant::SevenThreeScan
                                               : KeyboardVariant::SixteenScan);
    doc_.filePath = keptPath;
    doc_.dirty = keptDirty;
    doc_.variant = keptVariant;
    if (written) {
        view_.StartProgrammingRun(kProgrammingFileName);
    }
}

void KeyEditor::OnFileSettings() {
    StepScope step(*this, StringId::StepKeyboardSettings);
    KeyboardSettings& s = doc_.settings;
    const KeyboardSettingsValues before{s.keyCount == kBlockKeys ? 0 : 1,
                                        s.keysType,
                                        s.keyBeep,
                                        s.keyDelay,
                                        s.typematicRate,
                                        s.keysPause};
    PushPanelValues();
    if (const std::optional<KeyboardSettingsValues> chosen =
            view_.RunKeyboardSettingsDialog(before)) {
        s.keyCount = chosen->keyboardType == 1 ? kMaxKeys : kBlockKeys;
        SelectSlot(1);
        s.keysType = std::clamp(chosen->keysType, 0, 1);
        s.keyBeep = std::clamp(chosen->keyBeep, 0, 1);
        s.keyDelay = std::clamp(chosen->keyDelay, 0, 3);
        s.typematicRate = std::clamp(chosen->typematicRate, 0, 31);
        s.keysPause = std::clamp(chosen->keysPause, 1, 255);
        TakePanelValues();
        // The settings travel in the layout file, so changing them is a change
        // that a New or Exit must offer to save.
        const KeyboardSettingsValues after{s.keyCount == kBlockKeys ? 0 : 1,
                                           s.keysType,
                                           s.keyBeep,
                                           s.keyDelay,
                                           s.typematicRate,
                                           s.keysPause};
        if (after != before) {
            doc_.MarkDirty();
        }
    }
    if (s.keyCount == kBlockKeys) {
        for (int k = kBlockKeys + 1; k <= kMaxKeys; ++k) {
            doc_.ClearSlot(k);
        }
    } else {
        for (int k = kBlockKeys + 1; k <= kMaxKeys; ++k) {
            if (Span(k).kind == SpanKind::Empty) {
                DrawKeyImage(k, KeyImage::Empty);
            }
        }
    }
    FillStatusBar();
}

} // namespace vorlan
