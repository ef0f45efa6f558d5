// Room for translated captions in a window placed at fixed positions: where a
// caption needs more width than its control has, the control grows and
// everything right of it moves over by the same amount, across the whole
// window, so rows that line up keep lining up. Controls whose texts fit keep
// their exact positions: with no growth the result equals the input.
#pragma once

#include <vector>

namespace vorlan {

struct RoomBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const RoomBox&) const = default;
};

struct RoomItem {
    RoomBox box;
    int needed = 0;         // width its text needs; 0 for a control without text
    bool keepWidth = false; // moves with the columns but never grows (the grid)
};

struct RoomResult {
    std::vector<RoomBox> boxes; // in the order of the items
    int widening = 0;           // how much wider the whole window gets
};

RoomResult MakeRoom(const std::vector<RoomItem>& items);

// Panes side by side from x = 0, given as their right edges: each pane grows
// to what it needs and the later edges move on. The last edge is at least
// minimumEnd (the window's width).
std::vector<int> FitPaneEdges(const std::vector<int>& edges, const std::vector<int>& needed,
                              int gap, int minimumEnd);

} // namespace vorlan
