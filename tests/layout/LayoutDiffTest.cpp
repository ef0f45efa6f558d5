#include "layout/LayoutDiff.h"

#include "layout/LossList.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

// A 112-key layout with a few programmed keys, a double key 9+10 and a quad 3+4+11+12.
LayoutDocument Sample() {
    LayoutDocument doc;
    doc.settings.keyCount = kMaxKeys;
    for (int k : {1, 2, 60}) {
        doc.keys[static_cast<std::size_t>(k)].codes[0] = k;
        doc.keys[static_cast<std::size_t>(k)].name = "K" + std::to_string(k);
    }
    for (int k : {9, 10}) {
        doc.keys[static_cast<std::size_t>(k)].codes = {40, 41};
        doc.keys[static_cast<std::size_t>(k)].SetGroupKey(true);
    }
    for (int k : {3, 4, 11, 12}) {
        doc.keys[static_cast<std::size_t>(k)].codes = {50};
        doc.keys[static_cast<std::size_t>(k)].SetGroupKey(true);
    }
    doc.RebuildAfterLoad();
    return doc;
}

std::vector<DiffKind> Kinds(const std::vector<Difference>& differences) {
    std::vector<DiffKind> kinds;
    for (const Difference& d : differences) {
        kinds.push_back(d.kind);
    }
    return kinds;
}

TEST(LayoutDiff, EachFieldThatDiffers) {
    struct Row {
        const char* what;
        std::function<void(LayoutDocument&)> change;
        std::vector<DiffKind> kinds;
        int key;
        int otherKey;
    };
    const std::vector<Row> rows = {
        {"nothing", [](LayoutDocument&) {}, {}, 0, 0},
        {"added", [](LayoutDocument& d) { d.keys[5].codes[0] = 7; }, {DiffKind::KeyAdded}, 0, 5},
        {"removed",
         [](LayoutDocument& d) { d.keys[2].codes.fill(0); },
         {DiffKind::KeyRemoved},
         2,
         0},
        {"moved",
         [](LayoutDocument& d) {
             d.keys[7] = d.keys[2];
             d.keys[2].codes.fill(0);
         },
         {DiffKind::KeyMoved},
         2,
         7},
        {"renamed", [](LayoutDocument& d) { d.keys[1].name = "X"; }, {DiffKind::Name}, 1, 1},
        {"renamed without codes",
         [](LayoutDocument& d) { d.keys[20].name = "Later"; },
         {DiffKind::Name},
         20,
         20},
        {"codes", [](LayoutDocument& d) { d.keys[1].codes[5] = 9; }, {DiffKind::Codes}, 1, 1},
        {"flags",
         [](LayoutDocument& d) { d.keys[1].SetSingleKey(false); },
         {DiffKind::Flags},
         1,
         1},
        {"mode",
         [](LayoutDocument& d) { d.keys[60].SetMode(KeyMode::Mode3); },
         {DiffKind::Mode},
         60,
         60},
        {"setting", [](LayoutDocument& d) { d.settings.keyDelay = 0; }, {DiffKind::Setting}, 0, 0},
        {"rfid", [](LayoutDocument& d) { d.rfid.suffix = 13; }, {DiffKind::Rfid}, 0, 0},
        {"key count",
         [](LayoutDocument& d) { d.settings.keyCount = kBlockKeys; },
         {DiffKind::KeyCount, DiffKind::KeyRemoved},
         60,
         0},
    };
    const LayoutDocument a = Sample();
    for (const Row& row : rows) {
        LayoutDocument b = Sample();
        row.change(b);
        b.RebuildAfterLoad();
        const std::vector<Difference> differences = DiffLayouts(a, b);
        EXPECT_EQ(Kinds(differences), row.kinds) << row.what;
        if (!differences.empty()) {
            EXPECT_EQ(differences.back().key, row.key) << row.what;
            EXPECT_EQ(differences.back().otherKey, row.otherKey) << row.what;
        }
    }
}

TEST(LayoutDiff, MessagesNameTheKeyAndBothValues) {
    LayoutDocument b = Sample();
    b.keys[1].codes[1] = 30;
    const std::vector<Difference> differences = DiffLayouts(Sample(), b);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].message.English(), "Key 1 \"K1\": the codes 1 become 1, 30.");
}

TEST(LossList, EachVariantPair) {
    LayoutDocument rich = Sample();
    rich.keys[1].codes = {1, 2, 3, 4, 5, 6, 7, 8};
    rich.keys[2].name = "a;b";
    rich.rfid.prefix = 5;
    rich.settings.keysPause = 9;
    struct Row {
        const char* what;
        int keyCount;
        KeyboardVariant variant;
        std::vector<int> keys; // the keys something is lost of, in order
        int settings;          // settings and RFID options lost
    };
    const std::vector<Row> rows = {
        {"112 as 16scan", kMaxKeys, KeyboardVariant::SixteenScan, {2}, 0},
        {"112 as 7/3scan", kMaxKeys, KeyboardVariant::SevenThreeScan, {1, 2}, 2},
        {"112 as left half", kMaxKeys, KeyboardVariant::SingleLeft, {2, 60}, 0},
        {"112 as right half",
         kMaxKeys,
         KeyboardVariant::SingleRight,
         {1, 2, 3, 4, 9, 10, 11, 12},
         0},
        {"56 as 7/3scan", kBlockKeys, KeyboardVariant::SevenThreeScan, {1, 2}, 2},
        {"56 as left half", kBlockKeys, KeyboardVariant::SingleLeft, {2}, 0},
    };
    for (const Row& row : rows) {
        LayoutDocument doc = rich;
        doc.settings.keyCount = row.keyCount;
        std::vector<int> keys;
        int settings = 0;
        for (const Difference& loss : LossesOnSave(doc, row.variant)) {
            if (loss.key == 0) {
                settings += loss.kind == DiffKind::KeyCount ? 0 : 1;
            } else if (keys.empty() || keys.back() != loss.key) {
                keys.push_back(loss.key);
            }
        }
        EXPECT_EQ(keys, row.keys) << row.what;
        EXPECT_EQ(settings, row.settings) << row.what;
    }
}

TEST(LossList, SevenThreeScanOf112KeysKeepsThreeCodes) {
    LayoutDocument doc = Sample();
    doc.keys[1].codes = {1, 2, 3, 4};
    const std::vector<Difference> losses = LossesOnSave(doc, KeyboardVariant::SevenThreeScan);
    ASSERT_EQ(losses.size(), 1u);
    EXPECT_EQ(losses[0].message.English(), "Key 1 \"K1\": the codes 1, 2, 3, 4 become 1, 2, 3.");
}

} // namespace
} // namespace vorlan
