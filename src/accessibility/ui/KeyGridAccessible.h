// The key grid as assistive technology sees it: a table with one cell per
// key slot (QAccessibleTableInterface), described by accessibility/GridCells.
// The grid widget itself stays unaware: AttachGridAccessibility gives it a
// source of cell descriptions, and a factory makes the table for it.
#pragma once

#include "accessibility/GridCells.h"

#include <QString>
#include <functional>

class QWidget;

namespace vorlan {

struct GridAccessSource {
    std::function<int()> keyCount;                     // 56 or 112
    std::function<GridCellDescription(int slot)> cell; // DescribeCell of the editor's state
    std::function<void(int slot)> select;              // the user selects a cell
};

// Makes grid's accessible interface the key table (installs the factory
// once). The source is asked every time, so it always tells the present.
void AttachGridAccessibility(QWidget* grid, GridAccessSource source);

// Tells assistive technology that a cell was redrawn (its name, span or
// selection may have changed); when it is the selected cell of a focused
// grid, the focus moves there. Does nothing while no client listens.
void NotifyGridCellChanged(QWidget* grid, int slot);

// The text a screen reader speaks for a cell, translated.
QString AccessibleCellText(const GridCellDescription& cell);

} // namespace vorlan
