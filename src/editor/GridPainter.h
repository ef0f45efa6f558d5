// Draws the key grid from the document: each cell's image by its span
// (empty, single, double to the right or down, quad), on a KeyCanvas.
#pragma once

#include "layout/LayoutDocument.h"

namespace vorlan {

// The grid's picture (part of EditorView).
class KeyCanvas {
public:
    virtual ~KeyCanvas() = default;
    // Draw one key image at the cell of slot, at once.
    virtual void DrawKeyImage(int slot, KeyImage image) = 0;
};

class GridPainter {
public:
    GridPainter(const LayoutDocument& doc, KeyCanvas& canvas) : doc_(doc), canvas_(canvas) {}

    // One image at slot; nothing for a slot that is no key (0, the scratch record).
    void Draw(int slot, KeyImage image) const;
    // The key at slot as it looks unselected (a joined key from its first cell).
    void DrawUnselected(int slot) const;
    // Every cell of the grid, the block a 56-key layout leaves out as unavailable.
    void DrawAll() const;

private:
    const LayoutDocument& doc_;
    KeyCanvas& canvas_;
};

} // namespace vorlan
