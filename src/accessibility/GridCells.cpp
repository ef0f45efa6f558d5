#include "accessibility/GridCells.h"

#include "grid/GridGeometry.h"

#include <algorithm>

namespace vorlan {

int GridTableRows() {
    return kGridRows;
}

int GridTableColumns(int keyCount) {
    return keyCount > kBlockKeys ? kGridColumns : kBlockColumns;
}

int SlotAtCell(int row, int column, int keyCount) {
    if (row < 0 || row >= GridTableRows() || column < 0 || column >= GridTableColumns(keyCount)) {
        return 0;
    }
    return SlotOfCell(column, row);
}

GridCellDescription DescribeCell(const LayoutDocument& doc, int slot, int currentKey) {
    GridCellDescription cell;
    if (slot < 1 || slot > kMaxKeys) {
        return cell;
    }
    cell.slot = slot;
    cell.row = SlotRow(slot);
    cell.column = SlotColumn(slot);
    cell.inUse = slot <= doc.settings.keyCount;
    const KeyRecord& key = doc.keys[static_cast<std::size_t>(slot)];
    const KeySpan& span = doc.spans[static_cast<std::size_t>(slot)];
    cell.programmed = cell.inUse && key.IsProgrammed();
    if (cell.inUse) {
        cell.name = key.name.str();
        cell.span = span.kind;
    }
    cell.keySlots.push_back(slot);
    for (int i = 0; cell.inUse && i < span.PartnerCount(); ++i) {
        const int partner = span.partners[static_cast<std::size_t>(i)];
        if (partner >= 1 && partner <= kMaxKeys) {
            cell.keySlots.push_back(partner);
        }
    }
    std::sort(cell.keySlots.begin(), cell.keySlots.end());
    cell.firstSlot = cell.keySlots.front();
    int top = cell.row, bottom = cell.row, left = cell.column, right = cell.column;
    for (const int s : cell.keySlots) {
        top = std::min(top, SlotRow(s));
        bottom = std::max(bottom, SlotRow(s));
        left = std::min(left, SlotColumn(s));
        right = std::max(right, SlotColumn(s));
    }
    cell.rowExtent = bottom - top + 1;
    cell.columnExtent = right - left + 1;
    // The editor selects one slot of a joined key; every cell of it is shown
    // as selected, so the whole key is.
    cell.selected = currentKey != 0 && std::find(cell.keySlots.begin(), cell.keySlots.end(),
                                                 currentKey) != cell.keySlots.end();
    return cell;
}

CellTextParts CellText(const GridCellDescription& cell) {
    CellTextParts parts;
    // Blue cells are empty whatever name the slot keeps; red ones hold a key.
    parts.nameOrEmpty = !cell.programmed    ? StringId::A11yCellEmpty
                        : cell.name.empty() ? StringId::A11yCellUnnamed
                                            : StringId::A11yCellNamed;
    if (!cell.inUse) {
        parts.span = StringId::A11yCellNotInUse;
        return parts;
    }
    switch (cell.span) {
    case SpanKind::Double:
        parts.span = StringId::A11ySpanDouble;
        break;
    case SpanKind::Quad:
        parts.span = StringId::A11ySpanQuad;
        break;
    default:
        parts.span = StringId::A11ySpanSingle;
        return parts;
    }
    for (const int s : cell.keySlots) {
        parts.spanArgs.push_back(std::to_string(s));
    }
    return parts;
}

} // namespace vorlan
