#include "layout/LayoutDocument.h"

#include "testing/RecordingObserver.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

using test::RecordingObserver;

class LayoutDocumentTest : public ::testing::Test {
protected:
    LayoutDocumentTest() { doc.SetObserver(&screen); }

    // A group key with the given first code, as a file would bring it.
    void GroupKey(int k, int code) {
        doc.keys[static_cast<std::size_t>(k)].codes[0] = code;
        doc.keys[static_cast<std::size_t>(k)].SetGroupKey(true);
    }
    SpanKind Kind(int k) const { return doc.spans[static_cast<std::size_t>(k)].kind; }
    std::array<std::int32_t, 3> Partners(int k) const {
        return doc.spans[static_cast<std::size_t>(k)].partners;
    }
    int Group(int k) const { return doc.keys[static_cast<std::size_t>(k)].groupNumber; }

    LayoutDocument doc;
    RecordingObserver screen;
};

TEST_F(LayoutDocumentTest, StartsAsTheWindowDoes) {
    EXPECT_EQ(doc.settings.keyCount, 56);
    EXPECT_EQ(doc.variant, KeyboardVariant::SixteenScan);
    EXPECT_EQ(doc.loadedVariant, KeyboardVariant::SixteenScan);
    EXPECT_EQ(doc.keys[1].name, "KEY1");
    EXPECT_EQ(doc.rfid.digitsCount, 9);
    EXPECT_TRUE(doc.rfid.digitsTypeNum);
    EXPECT_EQ(doc.rfid.FileFlags(), 144);
}

TEST_F(LayoutDocumentTest, ResetClearsEverythingButKeyCountVariantAndRecentFiles) {
    doc.settings = {112, 1, 1, 0, 3, 200};
    doc.rfid = {13, false, 7, true, 8, true};
    doc.variant = KeyboardVariant::SevenThreeScan;
    doc.loadedVariant = KeyboardVariant::SevenThreeScan;
    doc.filePath = "/tmp/x.txt";
    doc.recentFiles[0] = "/tmp/x.txt";
    doc.dirty = true;
    doc.nextGroupNumber = 9;
    doc.catalogCount = 3;
    for (int k = 1; k <= kMaxKeys; ++k) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        key.codes.fill(5);
        key.flags = 0xFF;
        key.name = "X";
        key.groupNumber = 4;
        key.position = 0;
        doc.spans[static_cast<std::size_t>(k)] = {SpanKind::Quad, {1, 2, 3}};
    }

    doc.ResetToNew();

    EXPECT_EQ(doc.settings.keyCount, 112);
    EXPECT_EQ(doc.settings.keysType, 0);
    EXPECT_EQ(doc.settings.keyBeep, 0);
    EXPECT_EQ(doc.settings.keyDelay, 2);
    EXPECT_EQ(doc.settings.typematicRate, 11);
    EXPECT_EQ(doc.settings.keysPause, 3);
    EXPECT_EQ(doc.rfid.FileFlags(), 144);
    EXPECT_EQ(doc.rfid.prefix, 0);
    EXPECT_EQ(doc.rfid.suffix, 0);
    EXPECT_EQ(doc.variant, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(doc.loadedVariant, KeyboardVariant::SevenThreeScan);
    EXPECT_TRUE(doc.filePath.empty());
    EXPECT_EQ(doc.recentFiles[0], "/tmp/x.txt");
    EXPECT_FALSE(doc.dirty);
    EXPECT_EQ(doc.nextGroupNumber, 1);
    EXPECT_EQ(doc.catalogCount, 0);
    for (int k = 1; k <= kMaxKeys; ++k) {
        SCOPED_TRACE(k);
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        EXPECT_EQ(key.position, k);
        EXPECT_EQ(key.codes, KeyCodes{});
        EXPECT_EQ(key.name, "KEY" + std::to_string(k));
        EXPECT_TRUE(key.singleKey());
        EXPECT_FALSE(key.groupKey());
        EXPECT_EQ(key.mode(), KeyMode::Mode1);
        EXPECT_EQ(key.groupNumber, 0);
        EXPECT_EQ(Kind(k), SpanKind::Empty);
        EXPECT_EQ(Partners(k), (std::array<std::int32_t, 3>{}));
    }
    // Bits 4-7 of the flags are not the reset's business.
    EXPECT_EQ(doc.keys[1].flags, 0xF2);
    // Title first, the panel last; 112 keys each drawn empty.
    ASSERT_FALSE(screen.calls.empty());
    EXPECT_EQ(screen.calls.front(), "title");
    EXPECT_EQ(screen.calls.back(), "reset");
    EXPECT_EQ(screen.Count("rfid"), 1);
    EXPECT_EQ(screen.Count("catalog 0 -1"), 1);
    EXPECT_EQ(screen.Count("draw 112 152"), 1);
}

TEST_F(LayoutDocumentTest, ClearAndMakeSingleDrawUnavailableBeyondAFiftySixKeyLayout) {
    struct Case {
        int keyCount;
        int slot;
        int clearImage;
        int singleImage;
    };
    const Case cases[] = {
        {56, 1, 152, 153},   {56, 56, 152, 153},  {56, 57, 154, 154},
        {56, 112, 154, 154}, {112, 57, 152, 153}, {112, 112, 152, 153},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.keyCount) + "/" + std::to_string(c.slot));
        doc.settings.keyCount = c.keyCount;
        screen.calls.clear();
        doc.ClearSlot(c.slot);
        doc.MakeSlotSingle(c.slot);
        EXPECT_EQ(screen.calls,
                  (std::vector<std::string>{
                      "draw " + std::to_string(c.slot) + " " + std::to_string(c.clearImage),
                      "draw " + std::to_string(c.slot) + " " + std::to_string(c.singleImage)}));
    }
}

TEST_F(LayoutDocumentTest, ClearAndMakeSingleIgnoreSlotsOutsideTheKeys) {
    for (int k : {-1, 0, 113, 119, 120, 1000}) {
        doc.ClearSlot(k);
        doc.MakeSlotSingle(k);
    }
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(doc.keys[0].name, "");
}

TEST_F(LayoutDocumentTest, MakeSingleKeepsContentButBreaksTheGroup) {
    KeyRecord& key = doc.keys[3];
    key.codes = {1, 2, 3};
    key.name = "Shift";
    key.SetMode(KeyMode::Mode3);
    key.SetGroupKey(true);
    key.groupNumber = 7;
    key.position = 99;
    doc.spans[3] = {SpanKind::Double, {11, 0, 0}};
    doc.MakeSlotSingle(3);
    EXPECT_EQ(key.position, 3);
    EXPECT_EQ(key.codes[2], 3);
    EXPECT_EQ(key.name, "Shift");
    EXPECT_EQ(key.mode(), KeyMode::Mode3);
    EXPECT_EQ(key.groupNumber, 7);
    EXPECT_FALSE(key.groupKey());
    EXPECT_EQ(Kind(3), SpanKind::Single);
    EXPECT_EQ(Partners(3), (std::array<std::int32_t, 3>{}));
}

TEST_F(LayoutDocumentTest, IsProgrammedLooksAtTheFirstCodeOnly) {
    doc.keys[5].codes[1] = 9;
    EXPECT_FALSE(doc.IsProgrammed(5));
    doc.keys[5].codes[0] = 9;
    EXPECT_TRUE(doc.IsProgrammed(5));
    EXPECT_FALSE(doc.IsProgrammed(-1));
    EXPECT_FALSE(doc.IsProgrammed(120));
}

TEST_F(LayoutDocumentTest, KeyNamesAreCutToTheirField) {
    doc.keys[1].name = std::string(150, 'n');
    EXPECT_EQ(doc.keys[1].name.size(), 102u);
    const int j = doc.AddCatalogEntry(std::string(150, 'c'), {}, false);
    EXPECT_EQ(doc.keyCatalog[static_cast<std::size_t>(j)].name.size(), 99u);
}

// ---- rebuilding spans after a load ----

struct GroupCase {
    const char* title;
    int keyCount;
    std::vector<int> groupKeys; // all carry the same codes
    std::vector<std::pair<int, SpanKind>> kinds;
    std::vector<std::string> drawn; // join images drawn during the rebuild
    int errors;
};

class RebuildGroupsTest : public LayoutDocumentTest,
                          public ::testing::WithParamInterface<GroupCase> {};

TEST_P(RebuildGroupsTest, JoinsTwinGroupKeys) {
    const GroupCase& c = GetParam();
    doc.settings.keyCount = c.keyCount;
    for (int k : c.groupKeys) {
        GroupKey(k, 42);
    }
    screen.calls.clear();
    doc.RebuildAfterLoad();
    for (const auto& [k, kind] : c.kinds) {
        EXPECT_EQ(Kind(k), kind) << "key " << k;
    }
    std::vector<std::string> joins;
    for (const std::string& call : screen.calls) {
        if (call.ends_with(" 155") || call.ends_with(" 156") || call.ends_with(" 157")) {
            joins.push_back(call);
        }
    }
    EXPECT_EQ(joins, c.drawn);
    EXPECT_EQ(doc.CellsWithCodesButNoKey(), std::vector<int>{});
    EXPECT_EQ(static_cast<int>(screen.Errors().size()), c.errors);
    for (const std::string& e : screen.Errors()) {
        EXPECT_EQ(e, "Group key error");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RebuildGroupsTest,
    ::testing::Values(
        GroupCase{"DoubleDown",
                  56,
                  {3, 11},
                  {{3, SpanKind::Double}, {11, SpanKind::Double}},
                  {"draw 3 155"},
                  0},
        GroupCase{"RowWrapIsDoubleRight",
                  56,
                  {8, 9},
                  {{8, SpanKind::Double}, {9, SpanKind::Double}},
                  {"draw 8 156"},
                  0},
        GroupCase{"AcrossTheBlocks",
                  112,
                  {56, 57},
                  {{56, SpanKind::Double}, {57, SpanKind::Double}},
                  {"draw 56 156"},
                  0},
        GroupCase{
            "NotAdjacent", 56, {3, 20}, {{3, SpanKind::Single}, {20, SpanKind::Single}}, {}, 1},
        GroupCase{
            "Quad",
            56,
            {1, 2, 9, 10},
            {{1, SpanKind::Quad}, {2, SpanKind::Quad}, {9, SpanKind::Quad}, {10, SpanKind::Quad}},
            {"draw 1 157"},
            0},
        GroupCase{"FourApartAreSingles",
                  112,
                  {1, 5, 30, 100},
                  {{1, SpanKind::Single},
                   {5, SpanKind::Single},
                   {30, SpanKind::Single},
                   {100, SpanKind::Single}},
                  {},
                  1},
        GroupCase{"ThreeTwinsLeaveTheFirstSingle",
                  56,
                  {1, 4, 5},
                  {{1, SpanKind::Single}, {4, SpanKind::Double}, {5, SpanKind::Double}},
                  {"draw 4 156"},
                  0},
        GroupCase{"ThreeTwinsThenAnError",
                  56,
                  {1, 4, 6},
                  {{1, SpanKind::Single}, {4, SpanKind::Single}, {6, SpanKind::Single}},
                  {},
                  1},
        GroupCase{"LoneGroupKey", 56, {7}, {{7, SpanKind::Single}}, {}, 0},
        GroupCase{"FiveTwins",
                  56,
                  {1, 2, 3, 9, 10},
                  // The square comes first; the key left over is a single one.
                  {{1, SpanKind::Quad}, {10, SpanKind::Quad}, {3, SpanKind::Single}},
                  {"draw 1 157"},
                  0},
        GroupCase{"TwoEqualDoublesApart",
                  56,
                  {3, 4, 30, 38},
                  {{3, SpanKind::Double},
                   {4, SpanKind::Double},
                   {30, SpanKind::Double},
                   {38, SpanKind::Double}},
                  {"draw 3 156", "draw 30 155"},
                  0},
        GroupCase{"ThreeEqualDoubles",
                  112,
                  {1, 9, 20, 21, 70, 71},
                  {{1, SpanKind::Double}, {20, SpanKind::Double}, {71, SpanKind::Double}},
                  {"draw 1 155", "draw 20 156", "draw 70 156"},
                  0},
        GroupCase{
            "TwoEqualQuads",
            56,
            {5, 6, 13, 14, 35, 36, 43, 44},
            {{5, SpanKind::Quad}, {14, SpanKind::Quad}, {35, SpanKind::Quad}, {44, SpanKind::Quad}},
            {"draw 5 157", "draw 35 157"},
            0},
        GroupCase{"QuadsSideBySideAndAcrossTheBlocks",
                  112,
                  {1, 2, 3, 4, 9, 10, 11, 12, 55, 56, 63, 64, 103, 104, 111, 112},
                  {{4, SpanKind::Quad},
                   {55, SpanKind::Double},
                   {63, SpanKind::Double},
                   {104, SpanKind::Quad}},
                  {"draw 1 157", "draw 3 157", "draw 55 156", "draw 63 156", "draw 103 157"},
                  0},
        GroupCase{"QuadAndDoubleShareCodes",
                  56,
                  {1, 2, 9, 10, 49, 50},
                  {{10, SpanKind::Quad}, {49, SpanKind::Double}},
                  {"draw 1 157", "draw 49 156"},
                  0},
        GroupCase{"NoQuadOverTheRowEnd",
                  56,
                  {8, 9, 16, 17},
                  {{8, SpanKind::Double}, {16, SpanKind::Double}},
                  {"draw 8 156", "draw 16 156"},
                  0}),
    [](const auto& test) { return std::string(test.param.title); });

TEST_F(LayoutDocumentTest, QuadPartnersAreTheOtherThreeAscending) {
    for (int k : {10, 1, 9, 2}) {
        GroupKey(k, 42);
    }
    doc.RebuildAfterLoad();
    EXPECT_EQ(Partners(1), (std::array<std::int32_t, 3>{2, 9, 10}));
    EXPECT_EQ(Partners(9), (std::array<std::int32_t, 3>{1, 2, 10}));
    EXPECT_EQ(Partners(10), (std::array<std::int32_t, 3>{1, 2, 9}));
}

TEST_F(LayoutDocumentTest, GroupKeysNeedEqualCodesAndAFirstCode) {
    GroupKey(1, 42);
    GroupKey(2, 42);
    doc.keys[2].codes[15] = 1; // differs in the last code only
    GroupKey(3, 0);
    doc.keys[3].codes[1] = 5; // a group key without a first code is no key
    GroupKey(11, 0);
    doc.keys[11].codes[1] = 5;
    doc.keys[4].codes[0] = 42; // programmed, not a group key
    doc.RebuildAfterLoad();
    EXPECT_EQ(Kind(1), SpanKind::Single);
    EXPECT_EQ(Kind(2), SpanKind::Single);
    EXPECT_EQ(Kind(3), SpanKind::Empty);
    EXPECT_EQ(Kind(11), SpanKind::Empty);
    EXPECT_EQ(Kind(4), SpanKind::Single);
    EXPECT_TRUE(screen.Errors().empty());
}

TEST_F(LayoutDocumentTest, GroupNumbersFollowTheAnchorsAndDiscardTheFile) {
    doc.settings.keyCount = 112;
    GroupKey(20, 7); // alone: still gets a number of its own
    GroupKey(3, 5);
    GroupKey(11, 5);
    GroupKey(60, 6);
    GroupKey(61, 6);
    GroupKey(62, 6);
    GroupKey(63, 6);
    doc.keys[30].codes[0] = 1; // a plain key stays without a group
    for (int k : {3, 11, 20, 30, 60, 61, 62, 63}) {
        doc.keys[static_cast<std::size_t>(k)].groupNumber = 99;
    }
    doc.RebuildAfterLoad();
    EXPECT_EQ(Group(3), 1);
    EXPECT_EQ(Group(11), 1);
    EXPECT_EQ(Group(20), 2);
    EXPECT_EQ(Group(30), 0);
    // Four in a row are two doubles.
    EXPECT_EQ(Group(60), 3);
    EXPECT_EQ(Group(61), 3);
    EXPECT_EQ(Group(62), 4);
    EXPECT_EQ(Group(63), 4);
    EXPECT_EQ(doc.nextGroupNumber, 5);
}

TEST_F(LayoutDocumentTest, GroupNumberCounterWrapsAtEightBits) {
    doc.nextGroupNumber = 255;
    GroupKey(1, 1);
    GroupKey(5, 2);
    doc.RebuildAfterLoad();
    EXPECT_EQ(Group(1), 255);
    EXPECT_EQ(Group(5), 0);
    EXPECT_EQ(doc.nextGroupNumber, 1);
}

TEST_F(LayoutDocumentTest, RebuildEndsWithKeyOneTheGridAndTheCatalogue) {
    doc.keys[2].codes[0] = 3;
    doc.keys[2].name = "Two";
    doc.RebuildAfterLoad();
    const std::vector<std::string> tail(screen.calls.end() - 3, screen.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"select 1", "grid", "catalog 1 0"}));
    EXPECT_EQ(screen.calls.front(), "draw 2 153");
}

} // namespace
} // namespace vorlan
