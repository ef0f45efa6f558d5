#include "editor/KeyEditor.h"
#include "editor/KeyEditorSupport.h"
#include "grid/GridGeometry.h"

#include <algorithm>

namespace vorlan {

using namespace editor_detail;

// ---------------------------------------------------------------- selection

void KeyEditor::ShowKey(int slot) {
    if (slot != panelKey_) {
        StoreInCatalog();
        DrawKeyNormal(panelKey_);
    }
    if (IsKey(slot)) {
        DrawKeyImage(slot, Span(slot).kind == SpanKind::Empty ? KeyImage::SelectedEmpty
                                                              : KeyImage::SelectedKey);
    }
    panelKey_ = slot;
    LoadPanel(slot);
    PushPanel(true);
}

void KeyEditor::SelectSlot(int slot) {
    currentKey_ = slot;
    ShowKey(slot);
}

void KeyEditor::Navigate(int target) {
    if (target != 0) {
        SelectSlot(target);
    }
}

void KeyEditor::OnPointerMove(int x, int y) {
    pointerSlot_ = SlotAt(x, y, KeyCount());
    ShowPointerPanes();
}

void KeyEditor::OnPointerPress(int x, int y) {
    TakePanelValues();
    const int slot = SlotAt(x, y, KeyCount());
    if (slot != 0) {
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
    if (IsKey(slot)) {
        view_.DrawKeyImage(slot, image);
    }
}

void KeyEditor::DrawKeyNormal(int slot) {
    if (!IsKey(slot)) {
        return;
    }
    const KeySpan& span = Span(slot);
    switch (span.kind) {
    case SpanKind::Empty:
        DrawKeyImage(slot, doc_.PlainImage(slot, KeyImage::Empty));
        break;
    case SpanKind::Single:
        DrawKeyImage(slot, doc_.PlainImage(slot, KeyImage::Single));
        break;
    case SpanKind::Double: {
        const int anchor = std::min(slot, static_cast<int>(span.partners[0]));
        const bool right = Span(anchor).partners[0] == anchor + 1;
        DrawKeyImage(anchor, right ? KeyImage::DoubleRight : KeyImage::DoubleDown);
        break;
    }
    case SpanKind::Quad: {
        int anchor = slot;
        for (int p : span.partners) {
            anchor = std::min(anchor, p);
        }
        DrawKeyImage(anchor, KeyImage::Quad);
        break;
    }
    }
}

void KeyEditor::DrawGrid() {
    std::array<bool, kMaxKeys + 1> drawn{};
    const int n = KeyCount();
    for (int s = 1; s <= n; ++s) {
        if (drawn[static_cast<std::size_t>(s)]) {
            continue;
        }
        const KeySpan& span = Span(s);
        switch (span.kind) {
        case SpanKind::Empty:
            DrawKeyImage(s, KeyImage::Empty);
            break;
        case SpanKind::Single:
            DrawKeyImage(s, KeyImage::Single);
            break;
        case SpanKind::Double:
        case SpanKind::Quad:
            if (span.kind == SpanKind::Quad) {
                DrawKeyImage(s, KeyImage::Quad);
            } else {
                DrawKeyImage(s, span.partners[0] == s + 1 ? KeyImage::DoubleRight
                                                          : KeyImage::DoubleDown);
            }
            drawn[static_cast<std::size_t>(s)] = true;
            for (int p = 0; p < span.PartnerCount(); ++p) {
                const int partner = span.partners[static_cast<std::size_t>(p)];
                if (IsKey(partner)) {
                    drawn[static_cast<std::size_t>(partner)] = true;
                }
            }
            break;
        }
    }
    if (n == kBlockKeys) {
        for (int s = kBlockKeys + 1; s <= kMaxKeys; ++s) {
            DrawKeyImage(s, KeyImage::Unavailable);
        }
    }
}

} // namespace vorlan
