#include "grid/GridGeometry.h"

#include <algorithm>

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

bool SlotInUse(int slot, int keyCount) {
    return slot >= 1 && slot <= UsableSlots(keyCount);
}

int GridPitchFor(int width, int height) {
    return std::max(kCellPitch, std::min(width / kGridColumns, height / kGridRows));
}

GridBox FitGrid(int width, int height) {
    const int pitch = GridPitchFor(width, height);
    const int gridWidth = pitch * kGridColumns;
    const int gridHeight = pitch * kGridRows;
    return {std::max(0, (width - gridWidth) / 2), std::max(0, (height - gridHeight) / 2), gridWidth,
            gridHeight};
}

GridBox ScaledCellBox(int slot, int pitch, int columns, int rows) {
    if (!IsGridSlot(slot) || pitch <= 0) {
        return {};
    }
    return {pitch * SlotColumn(slot), pitch * SlotRow(slot), pitch * columns, pitch * rows};
}

namespace {

// One axis: cells of `pitch` pixels mapped onto cells of kCellPitch, from the
// designed grid's edge at `origin`; beyond the cells the offset is kept.
int DesignCoordinate(int v, int pitch, int cells, int origin) {
    if (pitch <= 0 || v < 0) {
        return origin + v;
    }
    if (v >= pitch * cells) {
        return origin + kCellPitch * cells + (v - pitch * cells);
    }
    return origin + kCellPitch * (v / pitch) + (v % pitch) * kCellPitch / pitch;
}

} // namespace

GridPoint DesignPoint(int x, int y, int pitch) {
    return {DesignCoordinate(x, pitch, kGridColumns, kGridLeft),
            DesignCoordinate(y, pitch, kGridRows, kGridTop)};
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
