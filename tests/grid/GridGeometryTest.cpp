#include "grid/GridGeometry.h"

#include <gtest/gtest.h>
#include <utility>

namespace vorlan {
namespace {

TEST(GridGeometry, CellOriginAndSlotAtAgreeForEverySlot) {
    for (int s = 1; s <= 112; ++s) {
        const GridPoint o = CellOrigin(s);
        EXPECT_EQ(SlotAt(o.x, o.y, 112), s);
        EXPECT_EQ(SlotAt(o.x + 33, o.y + 33, 112), s);
        EXPECT_EQ(SlotAt(o.x, o.y, 56), s <= 56 ? s : 0);
    }
    EXPECT_EQ(CellOrigin(1), (GridPoint{9, 90}));
    EXPECT_EQ(CellOrigin(57), (GridPoint{281, 90}));
    EXPECT_EQ(CellOrigin(112), (GridPoint{519, 294}));
    EXPECT_EQ(CellOrigin(0), (GridPoint{}));
    EXPECT_EQ(CellOrigin(113), (GridPoint{}));
}

struct HitCase {
    int x, y, keyCount, slot;
};

TEST(GridGeometry, SlotAtEdges) {
    const HitCase cases[] = {
        {280, 100, 56, 8},    {281, 100, 56, 0}, {281, 100, 112, 57}, {552, 100, 112, 64},
        {553, 100, 112, 0},   {9, 327, 56, 49},  {9, 328, 56, 0},     {8, 100, 56, 0},
        {9, 89, 56, 0},       {9, 90, 56, 1},    {42, 123, 56, 1},    {43, 124, 56, 10},
        {300, 327, 112, 105}, {100, 200, 0, 27}, // an odd keyCount behaves as 56
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(SlotAt(c.x, c.y, c.keyCount), c.slot) << c.x << "," << c.y << " n=" << c.keyCount;
    }
}

TEST(GridGeometry, PitchGrowsWithTheRoomAndNeverShrinks) {
    const struct {
        int width, height, pitch;
    } cases[] = {
        {544, 238, 34}, {100, 100, 34},  {816, 357, 51}, {816, 300, 42},
        {600, 357, 37}, {1088, 476, 68}, {817, 358, 51},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GridPitchFor(c.width, c.height), c.pitch) << c.width << "x" << c.height;
    }
    // What whole cells leave over is shared on both sides.
    EXPECT_EQ(FitGrid(544, 238), (GridBox{0, 0, 544, 238}));
    EXPECT_EQ(FitGrid(816, 300), (GridBox{72, 3, 672, 294}));
    EXPECT_EQ(FitGrid(817, 358), (GridBox{0, 0, 816, 357}));
    EXPECT_EQ(FitGrid(500, 200), (GridBox{0, 0, 544, 238})); // never below the design
}

// Every pixel of a scaled cell's corners and centre hits that cell through
// the designed hit testing, and the pixels just off the grid hit nothing.
TEST(GridGeometry, ScaledCellsHitTheirOwnSlot) {
    for (const int pitch : {34, 35, 51, 68, 77}) {
        for (int s = 1; s <= 112; ++s) {
            const GridBox box = ScaledCellBox(s, pitch);
            ASSERT_EQ(box.width, pitch);
            const int right = box.x + box.width - 1;
            const int bottom = box.y + box.height - 1;
            for (const auto& [x, y] : {std::pair{box.x, box.y}, std::pair{right, bottom},
                                       std::pair{box.x + pitch / 2, box.y + pitch / 2}}) {
                const GridPoint p = DesignPoint(x, y, pitch);
                EXPECT_EQ(SlotAt(p.x, p.y, 112), s) << "pitch " << pitch << " at " << x << "," << y;
            }
        }
        for (const auto& [x, y] : {std::pair{-1, 10}, std::pair{10, -1}, std::pair{16 * pitch, 10},
                                   std::pair{10, 7 * pitch}}) {
            const GridPoint p = DesignPoint(x, y, pitch);
            EXPECT_EQ(SlotAt(p.x, p.y, 112), 0) << "pitch " << pitch << " at " << x << "," << y;
        }
    }
    EXPECT_EQ(ScaledCellBox(10, 51, 2, 2), (GridBox{51, 51, 102, 102}));
    EXPECT_EQ(ScaledCellBox(0, 51), GridBox{});
    EXPECT_EQ(DesignPoint(5, 7, 34), (GridPoint{14, 97})); // the designed pitch: plain offset
}

TEST(GridGeometry, Neighbours) {
    EXPECT_TRUE(HasRightNeighbour(1));
    EXPECT_FALSE(HasRightNeighbour(8));
    EXPECT_FALSE(HasRightNeighbour(56));
    EXPECT_TRUE(HasRightNeighbour(57));
    EXPECT_FALSE(HasRightNeighbour(112));
    EXPECT_TRUE(HasLowerNeighbour(48));
    EXPECT_FALSE(HasLowerNeighbour(49));
    EXPECT_FALSE(HasLowerNeighbour(56));
    EXPECT_TRUE(HasLowerNeighbour(57));
    EXPECT_TRUE(HasLowerNeighbour(104));
    EXPECT_FALSE(HasLowerNeighbour(105));
    EXPECT_FALSE(HasLowerNeighbour(0));
    EXPECT_FALSE(HasRightNeighbour(113));
}

using Move = int (*)(int, int);

struct NavCase {
    const char* what;
    Move move;
    int from, keyCount, to; // to 0: no move
};

TEST(GridGeometry, Navigation) {
    const NavCase cases[] = {
        {"right", NextSlot, 1, 56, 2},       {"right", NextSlot, 8, 56, 9},
        {"right", NextSlot, 56, 56, 1},      {"right", NextSlot, 8, 112, 57},
        {"right", NextSlot, 56, 112, 105},   {"right", NextSlot, 64, 112, 9},
        {"right", NextSlot, 104, 112, 49},   {"right", NextSlot, 112, 112, 1},
        {"right", NextSlot, 0, 56, 1},       {"right", NextSlot, 0, 112, 49},
        {"left", PreviousSlot, 2, 56, 1},    {"left", PreviousSlot, 1, 56, 56},
        {"left", PreviousSlot, 1, 112, 112}, {"left", PreviousSlot, 57, 112, 8},
        {"left", PreviousSlot, 9, 112, 64},  {"left", PreviousSlot, 105, 112, 56},
        {"left", PreviousSlot, 9, 56, 8},    {"left", PreviousSlot, 0, 56, 56},
        {"left", PreviousSlot, 0, 112, 112}, {"up", SlotAbove, 8, 56, 0},
        {"up", SlotAbove, 9, 56, 1},         {"up", SlotAbove, 64, 112, 0},
        {"up", SlotAbove, 65, 112, 57},      {"up", SlotAbove, 0, 112, 0},
        {"down", SlotBelow, 49, 56, 0},      {"down", SlotBelow, 48, 56, 56},
        {"down", SlotBelow, 56, 112, 0},     {"down", SlotBelow, 57, 112, 65},
        {"down", SlotBelow, 105, 112, 0},    {"down", SlotBelow, 0, 56, 8},
        {">>", StepForward, 56, 56, 1},      {">>", StepForward, 56, 112, 57},
        {">>", StepForward, 112, 112, 1},    {">>", StepForward, 0, 112, 1},
        {"<<", StepBack, 1, 56, 56},         {"<<", StepBack, 57, 112, 56},
        {"<<", StepBack, 1, 112, 112},       {"<<", StepBack, 0, 56, 56},
    };
    for (const NavCase& c : cases) {
        EXPECT_EQ(c.move(c.from, c.keyCount), c.to)
            << c.what << " from " << c.from << " n=" << c.keyCount;
    }
}

// Walking right through every slot visits each usable slot exactly once and
// comes back to 1; walking left retraces the same path.
TEST(GridGeometry, RightAndLeftAreInverseTours) {
    for (int n : {56, 112}) {
        int s = 1;
        int steps = 0;
        do {
            const int next = NextSlot(s, n);
            ASSERT_GE(next, 1);
            ASSERT_LE(next, n);
            EXPECT_EQ(PreviousSlot(next, n), s);
            s = next;
            ++steps;
        } while (s != 1 && steps <= n);
        EXPECT_EQ(steps, n);
    }
}

} // namespace
} // namespace vorlan
