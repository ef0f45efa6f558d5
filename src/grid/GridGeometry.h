// Where the cells of the key grid lie in pixels and how the selection moves
// between them; columns and rows of the slots come from SlotGeometry. Pure
// arithmetic, no window.
#pragma once

#include "layout/SlotGeometry.h"

namespace vorlan {

inline constexpr int kCellPitch = 34;
inline constexpr int kGridLeft = 9;
inline constexpr int kGridTop = 90;
inline constexpr int kGridBottom = kGridTop + kGridRows * kCellPitch; // 328

struct GridPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// Top-left pixel of the cell of slot 1..112; (0, 0) for any other slot.
GridPoint CellOrigin(int slot);

// The slot under a client point, or 0 outside the grid area in use for keyCount.
int SlotAt(int x, int y, int keyCount);

// Navigation from slot s (0 = nothing selected). Each returns the new slot, or 0
// for "no move". Arrow keys follow the screen layout; the step buttons follow
// the plain slot order.
int NextSlot(int slot, int keyCount);     // Right arrow
int PreviousSlot(int slot, int keyCount); // Left arrow
int SlotAbove(int slot, int keyCount);    // Up arrow
int SlotBelow(int slot, int keyCount);    // Down arrow
int StepForward(int slot, int keyCount);  // ">>"
int StepBack(int slot, int keyCount);     // "<<"

} // namespace vorlan
