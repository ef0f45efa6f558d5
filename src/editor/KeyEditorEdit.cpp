#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"

namespace vorlan {

// ------------------------------------------------------------ undo, redo

void KeyEditor::OnUndo() {
    if (const std::optional<HistorySelection> selection = history_.Undo()) {
        ShowHistoryState(*selection);
    }
}

void KeyEditor::OnRedo() {
    if (const std::optional<HistorySelection> selection = history_.Redo()) {
        ShowHistoryState(*selection);
    }
}

// The document has been set back or forward as a whole: everything on
// screen is shown again from it, and the selection is the step's.
void KeyEditor::ShowHistoryState(const HistorySelection& selection) {
    TitleChanged();
    ReadReportChanged();
    FillStatusBar();
    list_.Rebuild(false);
    DrawGrid();
    currentKey_ = selection.currentKey;
    // The key shown before is the step's own now, not one to file away.
    panelKey_ = selection.panelKey;
    ShowKey(selection.panelKey);
    SelectCatalogEntryByName();
}

// ------------------------------------------------------------- clipboard

void KeyEditor::OnCopy() {
    const int s = currentKey_;
    if (!IsGridSlot(s) || !doc_.IsProgrammed(s)) {
        return; // an empty cell or a key without codes has nothing to carry
    }
    if (const std::optional<KeyContent> content = ContentAt(doc_, s)) {
        view_.SetClipboardKey(FormatKeyClip(*content), PlainKeyText(*content));
    }
}

void KeyEditor::OnCut() {
    const int s = currentKey_;
    if (!IsGridSlot(s) || !doc_.IsProgrammed(s)) {
        return;
    }
    StepScope step(*this, StringId::StepCut);
    OnCopy();
    ClearKeyAfterYes(s);
    doc_.MarkDirty();
    ShowKey(s);
}

void KeyEditor::OnDelete() {
    OnClearKey();
}

void KeyEditor::MarkInCatalog(const std::string& name) {
    if (const int j = doc_.FindCatalogEntry(name); j >= 0) {
        doc_.keyCatalog[static_cast<std::size_t>(j)].inLayout = true;
    }
    list_.Rebuild(true);
    SelectCatalogEntryByName();
}

void KeyEditor::OnPaste() {
    const int s = currentKey_;
    if (!IsGridSlot(s) || s > KeyCount()) {
        return;
    }
    const std::optional<KeyContent> content = ParseKeyClip(view_.ClipboardKeyText());
    if (!content) {
        view_.ShowError({StringId::PasteNoKey, {}});
        return;
    }
    TakePanelValues();
    StepScope step(*this, StringId::StepPaste);
    if (Span(s).kind == SpanKind::Empty) {
        if (CellsFor(content->shape, s, KeyCount()).empty()) {
            // The shape leaves the grid here: its cells do not exist.
            view_.ShowError({content->shape == KeyShape::Quad ? StringId::PasteNoRoomQuad
                                                              : StringId::PasteNoRoomDouble,
                             {}});
            ShowKey(s);
            return;
        }
        if (!PlaceKey(doc_, s, *content)) {
            view_.ShowError({StringId::PasteNoRoom, {std::to_string(s)}});
            ShowKey(s);
            return;
        }
    } else {
        if (!view_.AskYesNo(
                {StringId::AskReplaceKey, {Latin1Text(Key(s).name), Latin1Text(content->name)}})) {
            ShowKey(s);
            return;
        }
        ReplaceKeyDefinition(doc_, s, *content);
    }
    doc_.MarkDirty();
    DrawGrid();
    panelKey_ = s;
    ShowKey(s);
    StoreInCatalog();
    MarkInCatalog(content->name);
}

// --------------------------------------------------------- moves, drops

int KeyEditor::SlotAtPoint(int x, int y) const {
    return SlotAt(x, y, KeyCount());
}

KeyEditor::DropPreview KeyEditor::PreviewDrop(int grabbed, int target, bool copy) const {
    const DropPlan plan = PlanDrop(doc_, grabbed, target, copy);
    DropPreview preview{plan.kind, {}};
    switch (plan.kind) {
    case DropKind::Impossible:
        break;
    case DropKind::Swap:
        preview.cells = KeyCells(doc_, target);
        break;
    case DropKind::Move:
    case DropKind::Copy:
        preview.cells = CellsFor(*ShapeAt(doc_, grabbed), plan.anchor, KeyCount());
        break;
    }
    return preview;
}

bool KeyEditor::OnDrop(int grabbed, int target, bool copy) {
    const DropKind kind = PlanDrop(doc_, grabbed, target, copy).kind;
    if (kind == DropKind::Impossible) {
        return false;
    }
    TakePanelValues();
    StepScope step(*this, kind == DropKind::Swap   ? StringId::StepSwapKeys
                          : kind == DropKind::Copy ? StringId::StepCopyOfKey
                                                   : StringId::StepMoveKey);
    ApplyDrop(doc_, grabbed, target, copy);
    doc_.MarkDirty();
    DrawGrid();
    // The grabbed cell lies on the target now; the old cell may be empty,
    // so it is not filed into the catalogue on the way.
    panelKey_ = target;
    SelectSlot(target);
    return true;
}

void KeyEditor::OnMoveKey(int columns, int rows) {
    const int s = currentKey_;
    const int target = ShiftSlot(s, columns, rows);
    if (target == 0 || target > KeyCount()) {
        return;
    }
    // By keyboard a key only moves into free cells; it never swaps.
    if (PlanDrop(doc_, s, target, false).kind == DropKind::Move) {
        OnDrop(s, target, false);
    }
}

} // namespace vorlan
