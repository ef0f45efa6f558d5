#include "editor/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "layout/ProgrammingFile.h"

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
    // Save writes 16scan.
    if (!files_.MayLose(KeyboardVariant::SixteenScan, false)) {
        return;
    }
    if (files_.SaveLayout() == SaveOutcome::Written) {
        history_.MarkSaved();
    }
}
namespace {

// The settings dialog offers the double keyboard for 112 keys and the single
// one for any other count.
KeyboardSize SizeOf(int keyCount) {
    return keyCount == kBlockKeys ? KeyboardSize::Single : KeyboardSize::Double;
}

StringId SaveAsStepName(KeyboardVariant variant) {
    switch (variant) {
    case KeyboardVariant::SevenThreeScan:
        return StringId::StepSaveAsSevenThree;
    case KeyboardVariant::SingleLeft:
        return StringId::StepSaveAsLeft;
    case KeyboardVariant::SingleRight:
        return StringId::StepSaveAsRight;
    case KeyboardVariant::SixteenScan:
        break;
    }
    return StringId::StepSaveAsSixteen;
}

} // namespace

void KeyEditor::OnFileSaveAs() {
    // The written file is read back. When it holds the layout unchanged (a
    // variant without losses), the steps still fit and are kept. When it
    // holds less, reading it back is one step of its own, so Undo brings the
    // whole layout back (unsaved) and nothing exists only in a lost state.
    TakePanelValues();
    const std::string before = FormatLayout(doc_, KeyboardVariant::SixteenScan);
    history_.Begin(Selection());
    keepHistory_ = true;
    const SaveOutcome outcome = files_.SaveLayoutAs();
    keepHistory_ = false;
    if (outcome != SaveOutcome::Written) {
        history_.Abandon();
        return;
    }
    if (FormatLayout(doc_, KeyboardVariant::SixteenScan) == before) {
        history_.Abandon();
        history_.ForgetCatalogueChanges();
        history_.AdoptFilePath();
    } else {
        // Undo gives the layout back its file and type as well, so Save
        // writes where it wrote before, never the whole layout into the part.
        history_.Commit(SaveAsStepName(files_.SavedAsVariant()), Selection());
    }
    history_.MarkSaved();
}
void KeyEditor::OnRecentFile(int index) {
    files_.OpenRecent(index);
}
void KeyEditor::OnOpenGivenFile(const std::string& path) {
    files_.OpenGivenPath(path);
}
bool KeyEditor::OnClose() {
    return files_.NewLayout();
}

void KeyEditor::OnFileProgramming() {
    // The run's file is a private one in the temporary folder, never the
    // user's file: writing it leaves dirty, the path and the variant alone.
    doc_.Observer().CommitControls();
    const std::string text =
        FormatLayout(doc_, doc_.loadedVariant == KeyboardVariant::SevenThreeScan
                               ? KeyboardVariant::SevenThreeScan
                               : KeyboardVariant::SixteenScan);
    if (!doc_.HasProgrammedKey()) {
        doc_.Observer().ShowError(StringId::NoProgrammedKey);
        return;
    }
    const std::optional<std::string> path = WriteProgrammingFile(text);
    if (!path) {
        doc_.Observer().ShowError(StringId::ProgrammingFileError);
        return;
    }
    view_.StartProgrammingRun(*path);
}

void KeyEditor::OnFileSettings() {
    StepScope step(*this, StringId::StepKeyboardSettings);
    KeyboardSettings& s = doc_.settings;
    const KeyboardSettingsValues before{SizeOf(s.keyCount), s.keysType,      s.keyBeep,
                                        s.keyDelay,         s.typematicRate, s.keysPause};
    PushPanelValues();
    if (const std::optional<KeyboardSettingsValues> chosen =
            view_.RunKeyboardSettingsDialog(before)) {
        s.keyCount = KeyCountOf(chosen->keyboard);
        SelectSlot(1);
        s.keysType = std::clamp(chosen->keysType, 0, 1);
        s.keyBeep = std::clamp(chosen->keyBeep, 0, 1);
        s.keyDelay = std::clamp(chosen->keyDelay, 0, 3);
        s.typematicRate = std::clamp(chosen->typematicRate, 0, 31);
        s.keysPause = std::clamp(chosen->keysPause, 1, 255);
        TakePanelValues();
        // The settings travel in the layout file, so changing them is a change
        // that a New or Exit must offer to save.
        const KeyboardSettingsValues after{SizeOf(s.keyCount), s.keysType,      s.keyBeep,
                                           s.keyDelay,         s.typematicRate, s.keysPause};
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
