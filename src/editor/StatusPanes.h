// The status bar: the keyboard settings in panes 0 to 4, the key under the
// pointer (number and name) in panes 5 and 6.
#pragma once

#include "common/UiMessage.h"
#include "layout/LayoutDocument.h"

namespace vorlan {

inline constexpr int kStatusPaneCount = 7;

// The status bar (part of EditorView).
class StatusView {
public:
    virtual ~StatusView() = default;
    // Status bar pane 0..6.
    virtual void SetStatusPane(int pane, const UiMessage& text) = 0;
};

class StatusPanes {
public:
    StatusPanes(const LayoutDocument& doc, StatusView& view) : doc_(doc), view_(view) {}

    // The slot under the pointer, 0 for none (outside the grid).
    int PointerSlot() const { return pointerSlot_; }
    void SetPointerSlot(int slot) { pointerSlot_ = slot; }

    // Every pane.
    void Fill() const;
    // Panes 5 and 6 only: the key under the pointer as it is now.
    void ShowPointer() const;

private:
    const LayoutDocument& doc_;
    StatusView& view_;
    int pointerSlot_ = 0;
};

} // namespace vorlan
