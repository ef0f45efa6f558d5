// The key grid as slots: two blocks of 8 columns by 7 rows side by side, the
// slots running row by row within a block (1..56 left, 57..112 right). The
// only place that turns slots into columns and rows; the grid's pixels sit on
// top of it.
#pragma once

namespace vorlan {

inline constexpr int kBlockColumns = 8;
inline constexpr int kGridRows = 7;
inline constexpr int kBlockKeys = kBlockColumns * kGridRows; // 56
inline constexpr int kMaxKeys = 2 * kBlockKeys;              // keys 1..112
inline constexpr int kGridColumns = 2 * kBlockColumns;       // both blocks

constexpr bool IsGridSlot(int slot) {
    return slot >= 1 && slot <= kMaxKeys;
}

// Block 0 (left) or 1 (right), column 0..15 across both blocks and row 0..6
// of a slot 1..112.
constexpr int SlotBlock(int slot) {
    return (slot - 1) / kBlockKeys;
}
constexpr int SlotColumn(int slot) {
    return SlotBlock(slot) * kBlockColumns + (slot - 1) % kBlockColumns;
}
constexpr int SlotRow(int slot) {
    return (slot - 1) % kBlockKeys / kBlockColumns;
}

// The slot at a column and row of both blocks, or 0 outside them.
constexpr int SlotOfCell(int column, int row) {
    if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) {
        return 0;
    }
    return column / kBlockColumns * kBlockKeys + row * kBlockColumns + column % kBlockColumns + 1;
}

// True when the slot has a right (slot + 1) or lower (slot + 8) neighbour in
// its own block; false for anything but 1..112.
constexpr bool HasRightNeighbour(int slot) {
    return IsGridSlot(slot) && slot % kBlockColumns != 0;
}
constexpr bool HasLowerNeighbour(int slot) {
    return IsGridSlot(slot) && SlotRow(slot) < kGridRows - 1;
}

} // namespace vorlan
