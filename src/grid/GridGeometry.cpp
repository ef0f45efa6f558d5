#include "grid/GridGeometry.h"

namespace vorlan {
namespace {

// Anything but 112 is treated as the single keyboard, so a stray keyCount
// can never let the selection reach the unavailable block.
int UsableSlots(int keyCount) {
    return keyCount == kMaxKeys ? kMaxKeys : kBlockKeys;
}

} // namespace

GridPoint CellOrigin(int slot) {
    if (!IsGridSlot(slot)) {
        return {};
    }
    return {kGridLeft + kCellPitch * SlotColumn(slot), kGridTop + kCellPitch * SlotRow(slot)};
}

int SlotAt(int x, int y, int keyCount) {
    const int columns = UsableSlots(keyCount) == kMaxKeys ? kGridColumns : kBlockColumns;
    if (x < kGridLeft || x >= kGridLeft + kCellPitch * columns || y < kGridTop ||
        y >= kGridBottom) {
        return 0;
    }
    return SlotOfCell((x - kGridLeft) / kCellPitch, (y - kGridTop) / kCellPitch);
}

// With nothing selected (slot 0) Right, Down and ">>" apply their usual rule
// to 0, which lands on a valid slot (Right: 1, or 49 on the double keyboard,
// as 0 counts as a row end). Left and "<<" would give -1, so they start from
// the last slot instead; Up does not move.
int NextSlot(int slot, int keyCount) {
    const int n = UsableSlots(keyCount);
    if (slot < 0 || slot >= n) {
        return 1;
    }
    if (n == kBlockKeys || slot % kBlockColumns != 0) {
        return slot + 1;
    }
    // End of a row: go on in the same row of the right block, or from the
    // right block to the next row of the left block.
    return slot <= kBlockKeys ? slot + kBlockKeys - kBlockColumns + 1 : slot - kBlockKeys + 1;
}

int PreviousSlot(int slot, int keyCount) {
    const int n = UsableSlots(keyCount);
    if (slot <= 1 || slot > n) {
        return n;
    }
    if (n == kBlockKeys || slot % kBlockColumns != 1) {
        return slot - 1;
    }
    return slot <= kBlockKeys ? slot + kBlockKeys - 1 : slot - kBlockKeys + kBlockColumns - 1;
}

int SlotAbove(int slot, int keyCount) {
    if (slot < 1 || slot > UsableSlots(keyCount) || SlotRow(slot) == 0) {
        return 0;
    }
    return slot - kBlockColumns;
}

int SlotBelow(int slot, int keyCount) {
    if (slot == 0) {
        return kBlockColumns; // as if the selection sat just above the first row
    }
    if (slot < 1 || slot > UsableSlots(keyCount) || !HasLowerNeighbour(slot)) {
        return 0;
    }
    return slot + kBlockColumns;
}

int StepForward(int slot, int keyCount) {
    const int n = UsableSlots(keyCount);
    return slot < 1 || slot >= n ? 1 : slot + 1;
}

int StepBack(int slot, int keyCount) {
    const int n = UsableSlots(keyCount);
    return slot <= 1 || slot > n ? n : slot - 1;
}

} // namespace vorlan
