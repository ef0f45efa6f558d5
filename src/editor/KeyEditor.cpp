#include "editor/KeyEditor.h"

#include <cassert>

namespace vorlan {

KeyEditor::KeyEditor(EditorView& view, ProfileStore& store)
    : view_(view), files_(doc_, *this, store), history_(doc_), panel_(view), list_(doc_, view),
      painter_(doc_, view), status_(doc_, view) {
    doc_.SetObserver(this);
    // Every change of the layout is a step: the pointer's panes follow it.
    history_.AddListener([this](HistoryChange) { status_.ShowPointer(); });
}

KeyEditor::~KeyEditor() {
    doc_.SetObserver(nullptr);
}

KeyEditor::StepScope::StepScope(KeyEditor& editor, StringId name, MergeKey merge)
    : editor_(editor), name_(name), merge_(merge), outer_(editor.stepDepth_ == 0) {
    ++editor_.stepDepth_;
    if (outer_) {
        editor_.history_.Begin(editor_.Selection());
    }
}

KeyEditor::StepScope::~StepScope() {
    --editor_.stepDepth_;
    if (outer_) {
        editor_.history_.Commit(name_, editor_.Selection(), merge_);
        // No edit may leave a cell whose codes the keyboard gets but the
        // grid does not show.
        assert(editor_.doc_.CellsWithCodesButNoKey().empty());
    }
}

void KeyEditor::Start() {
    doc_.settings.keyCount = kBlockKeys;
    doc_.variant = KeyboardVariant::SixteenScan;
    doc_.loadedVariant = KeyboardVariant::SixteenScan;
    doc_.ResetToNew();
    files_.RebuildRecentMenu();
}

KeyRecord& KeyEditor::Key(int slot) {
    // Slots outside the table fall back to the scratch record; the selection
    // never leaves 0..112, so this only guards against misuse.
    const int k = slot >= 0 && slot < kKeySlots ? slot : 0;
    return doc_.keys[static_cast<std::size_t>(k)];
}

const KeySpan& KeyEditor::Span(int slot) const {
    const int k = slot >= 0 && slot < kKeySlots ? slot : 0;
    return doc_.spans[static_cast<std::size_t>(k)];
}

// --------------------------------------------------- LayoutObserver hooks

void KeyEditor::TitleChanged() {
    view_.SetTitle(doc_.filePath);
}

void KeyEditor::ShowError(StringId text) {
    view_.ShowError({text, {}});
}

void KeyEditor::ShowWriteFailure(const UiMessage& message) {
    view_.ShowError(message);
}

void KeyEditor::RfidChanged() {
    PushPanel(false);
}

void KeyEditor::ControlsChanged() {
    PushPanel(false);
}

void KeyEditor::CommitControls() {
    TakePanelValues();
}

void KeyEditor::CatalogListFilled(const std::vector<std::string>& rows, int selectedRow) {
    list_.Show(rows, selectedRow);
}

void KeyEditor::DocumentReset() {
    currentKey_ = 1;
    panelKey_ = 1;
    keyEditActive_ = false;
    FillStatusBar();
    ShowKey(1);
    // New, Open and the recent files all pass here: a fresh layout has no past.
    if (!keepHistory_) {
        history_.Clear();
    }
}

void KeyEditor::SelectKey(int key) {
    SelectSlot(key);
}

// ------------------------------------------------- FileCommandsHost hooks

void KeyEditor::SetTitle(const std::string& shownPath) {
    view_.SetTitle(shownPath);
}

void KeyEditor::ReadReportChanged() {
    // A report belongs to the file it was read from; Save As to another file
    // and Undo past it leave none.
    view_.ShowReadReport(doc_.readReport.path == doc_.filePath ? doc_.readReport : ReadReport{});
}

bool KeyEditor::AskYesNo(const UiMessage& question) {
    return view_.AskYesNo(question);
}

SaveAnswer KeyEditor::AskYesNoCancel(const UiMessage& question) {
    return view_.AskYesNoCancel(question);
}

std::optional<std::string> KeyEditor::RunOpenDialog() {
    return view_.RunOpenDialog();
}

bool KeyEditor::AskToSaveLosing(KeyboardVariant variant, const std::vector<Difference>& losses,
                                bool showsSaved) {
    return view_.AskToSaveLosing(variant, losses, showsSaved);
}

std::optional<SaveAsChoice> KeyEditor::RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                       int preselected) {
    return view_.RunSaveAsDialog(typeNames, preselected);
}

void KeyEditor::ShowRecentFiles(const std::vector<RecentFileEntry>& entries) {
    view_.ShowRecentFiles(entries);
}

void KeyEditor::TakeControls() {
    TakePanelValues();
}

void KeyEditor::RefreshControls() {
    PushPanel(false);
}

void KeyEditor::ShowFirstKey() {
    SelectSlot(1);
    FillStatusBar();
    if (!keepHistory_) {
        history_.Clear();
    }
}

} // namespace vorlan
