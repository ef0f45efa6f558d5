// Growing controls for longer captions moves the columns right of them, and
// leaves a window whose captions fit exactly as it was.
#include "common/TextRoom.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct RoomCase {
    const char* name;
    std::vector<RoomItem> items;
    std::vector<RoomBox> expected;
    int widening;
};

TEST(TextRoom, GrowsControlsAndMovesWhatLiesRightOfThem) {
    const RoomBox label{10, 20, 50, 16};
    const RoomBox field{62, 18, 30, 20};
    const RoomBox group{4, 2, 100, 60};
    const RoomBox below{4, 70, 200, 100};
    const RoomBox panel{110, 2, 80, 200};
    const std::vector<RoomCase> cases = {
        {"everything fits: nothing moves",
         {{label, 40}, {field, 0}, {group, 0}, {panel, 70}},
         {label, field, group, panel},
         0},
        {"a label that needs 8 more pushes its field, the group and the panel",
         {{label, 58}, {field, 0}, {group, 0}, {panel, 0}},
         {{10, 20, 58, 16}, {70, 18, 30, 20}, {4, 2, 108, 60}, {118, 2, 80, 200}},
         8},
        {"a control that keeps its width only moves",
         {{label, 58}, {below, 0, true}, {panel, 0}},
         {{10, 20, 58, 16}, below, {118, 2, 80, 200}},
         8},
        {"a growth inside a wider control counts towards its own need",
         {{label, 58}, {group, 105}, {panel, 0}},
         {{10, 20, 58, 16}, {4, 2, 108, 60}, {118, 2, 80, 200}},
         8},
        {"a wider control that needs more than the inner growth adds the rest",
         {{label, 58}, {group, 112}, {panel, 0}},
         {{10, 20, 58, 16}, {4, 2, 112, 60}, {122, 2, 80, 200}},
         12},
        {"two rows grow at different columns",
         {{label, 55}, {{10, 40, 80, 16}, 90}, {panel, 0}},
         {{10, 20, 55, 16}, {10, 40, 90, 16}, {120, 2, 80, 200}},
         10},
    };
    for (const RoomCase& c : cases) {
        const RoomResult result = MakeRoom(c.items);
        EXPECT_EQ(c.expected, result.boxes) << c.name;
        EXPECT_EQ(c.widening, result.widening) << c.name;
    }
}

TEST(TextRoom, PanesGrowInTurnAndTheLastReachesTheWindowEdge) {
    struct PaneCase {
        const char* name;
        std::vector<int> needed;
        int minimumEnd;
        std::vector<int> expected;
    };
    const std::vector<int> edges = {100, 200, 300};
    const std::vector<PaneCase> cases = {
        {"all fit", {99, 50, 0}, 300, {100, 200, 300}},
        {"the first needs 10 more", {109, 50, 0}, 300, {110, 210, 310}},
        {"two grow", {109, 104, 0}, 300, {110, 215, 315}},
        {"the window is wider", {0, 0, 0}, 400, {100, 200, 400}},
    };
    for (const PaneCase& c : cases) {
        EXPECT_EQ(c.expected, FitPaneEdges(edges, c.needed, 1, c.minimumEnd)) << c.name;
    }
}

} // namespace
} // namespace vorlan
