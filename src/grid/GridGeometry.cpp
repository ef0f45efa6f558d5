#include "grid/GridGeometry.h"

namespace vorlan {
namespace {

bool IsSlot(int slot) {
    return slot >= 1 && slot <= kGridMaxSlot;
}

// Anything but 112 is treated as the single keyboard, so a stray keyCount
// can never let the selection reach the unavailable block.
int UsableSlots(int keyCount) {
    return keyCount == kGridMaxSlot ? kGridMaxSlot : kGridBlockSlots;
}

int RowOf(int slot) {
    return ((slot - 1) % kGridBlockSlots) / kGridBlockColumns;
}

} // namespace

GridPoint CellOrigin(int slot) {
    if (!IsSlot(slot)) {
        return {};
    }
    const int block = slot > kGridBlockSlots ? 1 : 0;
    const int t = slot - 1 - kGridBlockSlots * block;
    const int row = t / kGridBlockColumns;
    const int col = t % kGridBlockColumns;
    return {kGridLeft + kGridBlockColumns * kCellPitch * block + kCellPitch * col,
            kGridTop + kCellPitch * row};
}

int SlotAt(int x, int y, int keyCount) {
    const int columns =
        UsableSlots(keyCount) == kGridMaxSlot ? 2 * kGridBlockColumns : kGridBlockColumns;
    if (x < kGridLeft || x >= kGridLeft + kCellPitch * columns || y < kGridTop ||
        y >= kGridBottom) {
        return 0;
    }
    const int k = (x - kGridLeft) / kCellPitch;
    const int r = (y - kGridTop) / kCellPitch;
    if (k < kGridBlockColumns) {
        return 1 + kGridBlockColumns * r + k;
    }
    return kGridBlockSlots + 1 + kGridBlockColumns * r + (k - kGridBlockColumns);
}

bool HasRightNeighbour(int slot) {
    return IsSlot(slot) && slot % kGridBlockColumns != 0;
}

bool HasLowerNeighbour(int slot) {
    return IsSlot(slot) && RowOf(slot) < kGridRows - 1;
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
    if (n == kGridBlockSlots || slot % kGridBlockColumns != 0) {
        return slot + 1;
    }
    // End of a row: go on in the same row of the right block, or from the
    // right block to the next row of the left block.
    return slot <= kGridBlockSlots ? slot + kGridBlockSlots - kGridBlockColumns + 1
                                   : slot - kGridBlockSlots + 1;
}

int PreviousSlot(int slot, int keyCount) {
    const int n = UsableSlots(keyCount);
    if (slot <= 1 || slot > n) {
        return n;
    }
    if (n == kGridBlockSlots || slot % kGridBlockColumns != 1) {
        return slot - 1;
    }
    return slot <= kGridBlockSlots ? slot + kGridBlockSlots - 1
                                   : slot - kGridBlockSlots + kGridBlockColumns - 1;
}

int SlotAbove(int slot, int keyCount) {
    if (slot < 1 || slot > UsableSlots(keyCount) || RowOf(slot) == 0) {
        return 0;
    }
    return slot - kGridBlockColumns;
}

int SlotBelow(int slot, int keyCount) {
    if (slot == 0) {
        return kGridBlockColumns; // as if the selection sat just above the first row
    }
    if (slot < 1 || slot > UsableSlots(keyCount) || !HasLowerNeighbour(slot)) {
        return 0;
    }
    return slot + kGridBlockColumns;
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
