// What assistive technology is told about the key grid: the grid as a table
// of 7 rows by 8 or 16 columns, one cell per key slot, each with its key's
// name, number, span and selection. Decided here so it is tested without a
// window; the ui turns it into an accessible table.
#pragma once

#include "common/StringTable.h"
#include "layout/LayoutDocument.h"

#include <string>
#include <vector>

namespace vorlan {

struct GridCellDescription {
    int slot = 0;       // key number 1..112
    int row = 0;        // table row 0..6
    int column = 0;     // table column 0..15
    bool inUse = false; // within the layout's key count
    bool programmed = false;
    std::string name; // the key's name bytes (Latin-1); empty for none
    SpanKind span = SpanKind::Empty;
    std::vector<int> keySlots; // every slot of the key this cell belongs to, ascending
    int firstSlot = 0;         // the key's top-left slot, where its extents are given
    int rowExtent = 1;         // rows and columns the whole key covers
    int columnExtent = 1;
    bool selected = false;
};

// The table: 7 rows; 8 columns for a 56-key layout, 16 for 112 keys.
int GridTableRows();
int GridTableColumns(int keyCount);
// The slot of a table cell, or 0 outside the table.
int SlotAtCell(int row, int column, int keyCount);

// The cell of a slot; currentKey is the editor's selected slot (0 for none).
GridCellDescription DescribeCell(const LayoutDocument& doc, int slot, int currentKey);

// The one-line text a screen reader speaks for a cell, from the string
// table: "<name or empty>, key <n>, <span>[, selected]". The name is given
// as it is shown (UTF-8); the ui translates the parts.
struct CellTextParts {
    StringId nameOrEmpty;              // A11yCellNamed, A11yCellUnnamed or A11yCellEmpty
    StringId span;                     // A11ySpanSingle, ...Double, ...Quad, or A11yCellNotInUse
    std::vector<std::string> spanArgs; // the key numbers the span text names
};
CellTextParts CellText(const GridCellDescription& cell);

} // namespace vorlan
