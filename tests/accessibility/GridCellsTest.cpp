// The key grid as a table for assistive technology: which slot each cell is,
// and what a cell says about its key.
#include "accessibility/GridCells.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(GridCells, TableCellsMapToSlotsRowByRowWithinEachBlock) {
    struct Case {
        int row, column, keyCount, slot;
    };
    const Case cases[] = {
        {0, 0, 56, 1},  {0, 7, 56, 8},   {1, 0, 56, 9},     {6, 7, 56, 56},
        {0, 8, 56, 0},  {0, 8, 112, 57}, {6, 15, 112, 112}, {3, 9, 112, 82},
        {7, 0, 112, 0}, {-1, 0, 56, 0},  {0, 16, 112, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.slot, SlotAtCell(c.row, c.column, c.keyCount))
            << c.row << "," << c.column << " of " << c.keyCount;
        if (c.slot != 0) {
            const GridCellDescription d = DescribeCell(LayoutDocument(), c.slot, 0);
            EXPECT_EQ(c.row, d.row);
            EXPECT_EQ(c.column, d.column);
        }
    }
    EXPECT_EQ(8, GridTableColumns(56));
    EXPECT_EQ(16, GridTableColumns(112));
}

TEST(GridCells, CellsTellTheirKeysNameSpanAndSelection) {
    LayoutDocument doc;
    doc.settings.keyCount = 56;
    doc.keys[1].codes[0] = 30;
    doc.keys[1].name = "Enter";
    doc.keys[2].codes[0] = 31; // programmed, no name
    doc.keys[2].name = "";
    // A double key 3+4 and a quad key 10, 11, 18, 19.
    doc.spans[3] = {SpanKind::Double, {4, 0, 0}};
    doc.spans[4] = {SpanKind::Double, {3, 0, 0}};
    doc.spans[11] = {SpanKind::Quad, {10, 18, 19}};
    struct Case {
        int slot, current;
        StringId text;
        StringId span;
        std::vector<std::string> spanArgs;
        int firstSlot, rows, columns;
        bool selected;
    };
    const Case cases[] = {
        {1, 1, StringId::A11yCellNamed, StringId::A11ySpanSingle, {}, 1, 1, 1, true},
        {2, 1, StringId::A11yCellUnnamed, StringId::A11ySpanSingle, {}, 2, 1, 1, false},
        {5, 0, StringId::A11yCellEmpty, StringId::A11ySpanSingle, {}, 5, 1, 1, false},
        {4, 3, StringId::A11yCellEmpty, StringId::A11ySpanDouble, {"3", "4"}, 3, 1, 2, true},
        {11,
         19,
         StringId::A11yCellEmpty,
         StringId::A11ySpanQuad,
         {"10", "11", "18", "19"},
         10,
         2,
         2,
         true},
        {60, 60, StringId::A11yCellEmpty, StringId::A11yCellNotInUse, {}, 60, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slot);
        const GridCellDescription d = DescribeCell(doc, c.slot, c.current);
        const CellTextParts parts = CellText(d);
        EXPECT_EQ(c.text, parts.nameOrEmpty);
        EXPECT_EQ(c.span, parts.span);
        EXPECT_EQ(c.spanArgs, parts.spanArgs);
        EXPECT_EQ(c.firstSlot, d.firstSlot);
        EXPECT_EQ(c.rows, d.rowExtent);
        EXPECT_EQ(c.columns, d.columnExtent);
        EXPECT_EQ(c.selected, d.selected);
    }
    EXPECT_EQ("Enter", DescribeCell(doc, 1, 0).name);
    EXPECT_EQ(0, DescribeCell(doc, 113, 0).slot);
}

} // namespace
} // namespace vorlan
