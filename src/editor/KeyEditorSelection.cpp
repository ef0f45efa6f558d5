#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"

namespace vorlan {

// ---------------------------------------------------------------- selection

void KeyEditor::ShowKey(int slot) {
    if (slot != panelKey_) {
        StoreInCatalog();
        DrawKeyNormal(panelKey_);
    }
    painter_.Draw(slot, Span(slot).kind == SpanKind::Empty ? KeyImage::SelectedEmpty
                                                           : KeyImage::SelectedKey);
    panelKey_ = slot;
    panel_.Load(slot, Key(slot), naming_);
    PushPanel(true);
}

void KeyEditor::SelectSlot(int slot) {
    currentKey_ = slot;
    ShowKey(slot);
}

void KeyEditor::Navigate(int target) {
    // What was typed into the panel belongs to the layout before the panel
    // shows another key, as a click on the grid takes it.
    TakePanelValues();
    if (target != 0) {
        SelectSlot(target);
    }
}

void KeyEditor::OnPointerMove(int x, int y) {
    status_.SetPointerSlot(SlotAt(x, y, KeyCount()));
    status_.ShowPointer();
}

void KeyEditor::OnPointerPress(int x, int y) {
    OnSelectKey(SlotAt(x, y, KeyCount()));
}

void KeyEditor::OnSelectKey(int slot) {
    TakePanelValues();
    if (SlotInUse(slot, KeyCount())) {
        SelectSlot(slot);
    }
}

void KeyEditor::OnPointerDoubleClick(int x, int y) {
    const int slot = SlotAt(x, y, KeyCount());
    if (slot != 0) {
        SelectSlot(slot);
        EditKeyCodes();
    }
}

void KeyEditor::OnArrowRight() {
    Navigate(NextSlot(currentKey_, KeyCount()));
}
void KeyEditor::OnArrowLeft() {
    Navigate(PreviousSlot(currentKey_, KeyCount()));
}
void KeyEditor::OnArrowUp() {
    Navigate(SlotAbove(currentKey_, KeyCount()));
}
void KeyEditor::OnArrowDown() {
    Navigate(SlotBelow(currentKey_, KeyCount()));
}
void KeyEditor::OnEnter() {
    TakePanelValues();
    EditKeyCodes();
}
void KeyEditor::OnNextButton() {
    Navigate(StepForward(currentKey_, KeyCount()));
}
void KeyEditor::OnPreviousButton() {
    Navigate(StepBack(currentKey_, KeyCount()));
}

void KeyEditor::OnPaintRequest() {
    TakePanelValues();
    DrawGrid();
    ShowKey(currentKey_);
}

// ------------------------------------------------------------------ drawing

void KeyEditor::DrawKeyImage(int slot, KeyImage image) {
    painter_.Draw(slot, image);
}

void KeyEditor::DrawKeyNormal(int slot) {
    painter_.DrawUnselected(slot);
}

void KeyEditor::DrawGrid() {
    painter_.DrawAll();
}

void KeyEditor::FillStatusBar() {
    status_.Fill();
}

} // namespace vorlan
