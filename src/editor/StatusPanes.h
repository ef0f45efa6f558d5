// The status bar: the keyboard settings in its first five panes, the key
// under the pointer (number and name) in the last two.
#pragma once

#include "common/UiMessage.h"
#include "editor/StatusPane.h"
#include "layout/LayoutDocument.h"

namespace vorlan {

// The status bar (part of EditorView).
class StatusView {
public:
    virtual ~StatusView() = default;
    virtual void SetStatusPane(StatusPane pane, const UiMessage& text) = 0;
};

class StatusPanes {
public:
    StatusPanes(const LayoutDocument& doc, StatusView& view) : doc_(doc), view_(view) {}

    // The slot under the pointer, 0 for none (outside the grid).
    void SetPointerSlot(int slot) { pointerSlot_ = slot; }

    // Every pane.
    void Fill() const;
    // The key number and name panes only: the key under the pointer as it is now.
    void ShowPointer() const;

private:
    const LayoutDocument& doc_;
    StatusView& view_;
    int pointerSlot_ = 0;
};

} // namespace vorlan
