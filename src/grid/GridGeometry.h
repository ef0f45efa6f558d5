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

// Whether slot is a cell of the grid area in use for keyCount.
bool SlotInUse(int slot, int keyCount);

// The grid shown larger than designed: cells of `pitch` pixels instead of
// kCellPitch. Points below are in the grid's own pixels (its top-left is 0, 0).
struct GridBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const GridBox&, const GridBox&) = default;
};

// The largest whole pitch whose 16 by 7 cells fit in width x height; never
// below kCellPitch, so the grid only ever grows.
int GridPitchFor(int width, int height);

// The grid in a room of width x height: cells of GridPitchFor, the grid
// centred in what the whole cells leave over (never left of or above the
// room's corner).
GridBox FitGrid(int width, int height);

// The box of `columns` by `rows` cells whose top-left cell is slot, at pitch;
// empty for a slot outside 1..112.
GridBox ScaledCellBox(int slot, int pitch, int columns = 1, int rows = 1);

// The client point of the designed grid that lies in the same cell, at the
// same place within it, as grid point (x, y) at pitch. Points off the grid
// stay off it, so SlotAt and the key editor's hit testing work unchanged.
GridPoint DesignPoint(int x, int y, int pitch);

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
