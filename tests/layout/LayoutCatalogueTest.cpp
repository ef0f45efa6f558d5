// The catalogue of key definitions (the "Programmed keys:" list): built from
// the keys, sorted by bytes, bounded, and shown through the observer.
#include "layout/LayoutDocument.h"
#include "testing/RecordingObserver.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

using test::RecordingObserver;

class LayoutCatalogueTest : public ::testing::Test {
protected:
    LayoutCatalogueTest() { doc.SetObserver(&screen); }

    LayoutDocument doc;
    RecordingObserver screen;
};

TEST_F(LayoutCatalogueTest, CatalogueIsSortedByBytes) {
    doc.keys[1] = {};
    doc.keys[1].codes[0] = 1;
    doc.keys[1].name = "b";
    doc.keys[2].codes[0] = 2;
    doc.keys[2].name = "B";
    doc.keys[3].codes[0] = 3;
    doc.keys[3].name = "a";
    doc.RebuildCatalog();
    EXPECT_EQ(screen.lastCatalogRows, (std::vector<std::string>{"B *", "a *", "b *"}));
    EXPECT_EQ(screen.lastCatalogSelection, 0);
    // The entries themselves stay in key order; only catalogOrder is sorted.
    EXPECT_EQ(doc.keyCatalog[0].name, "b");
    EXPECT_EQ(doc.catalogOrder[0], 1);
}

TEST_F(LayoutCatalogueTest, ManyNamesSortInByteOrderWithHighBytesLast) {
    doc.settings.keyCount = kMaxKeys;
    std::vector<std::string> names;
    for (int k = 1; k <= kMaxKeys; ++k) {
        // Scrambled, with repeats and bytes above 0x7F that sort after ASCII.
        const int n = (k * 37) % 61;
        std::string name = (n % 5 == 0 ? "\xC3\xA9" : "") + std::to_string(n) + (n % 3 ? "a" : "B");
        doc.keys[static_cast<std::size_t>(k)].codes[0] = 1;
        doc.keys[static_cast<std::size_t>(k)].name = name;
        names.push_back(name + " *");
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    doc.RebuildCatalog();
    EXPECT_EQ(screen.lastCatalogRows, names);
    // The key editor sorts again after adding; any starting order gives the same.
    std::reverse(doc.catalogOrder.begin(), doc.catalogOrder.begin() + doc.catalogCount);
    doc.SortCatalog();
    EXPECT_EQ(doc.CatalogRows(), names);
}

TEST_F(LayoutCatalogueTest, SameNameGivesOneEntryWithTheLowerKeysCodes) {
    doc.keys[4].codes = {4, 4};
    doc.keys[4].name = "Same";
    doc.keys[2].codes = {2, 2};
    doc.keys[2].name = "Same";
    doc.keys[6].codes[0] = 6;
    doc.keys[6].name = "same";
    doc.RebuildCatalog();
    ASSERT_EQ(doc.catalogCount, 2);
    EXPECT_EQ(doc.keyCatalog[0].name, "Same");
    EXPECT_EQ(doc.keyCatalog[0].codes[0], 2);
    EXPECT_TRUE(doc.keyCatalog[0].inLayout);
}

TEST_F(LayoutCatalogueTest, CatalogueLooksOnlyAtKeysUpToKeyCount) {
    doc.keys[56].codes[0] = 1;
    doc.keys[57].codes[0] = 1;
    doc.RebuildCatalog();
    EXPECT_EQ(doc.catalogCount, 1);
    doc.settings.keyCount = 112;
    doc.RebuildCatalog();
    EXPECT_EQ(doc.catalogCount, 2);
}

TEST_F(LayoutCatalogueTest, LongNamesSharingTheirFirst99BytesGiveOneEntry) {
    const std::string stem(99, 'x');
    doc.keys[1].codes[0] = 1;
    doc.keys[1].name = stem + "1";
    doc.keys[2].codes[0] = 2;
    doc.keys[2].name = stem + "2";
    doc.RebuildCatalog();
    EXPECT_EQ(doc.catalogCount, 1);
    EXPECT_EQ(doc.keyCatalog[0].name, stem);
}

TEST_F(LayoutCatalogueTest, EmptyCatalogueSelectsNothing) {
    doc.RebuildCatalog();
    EXPECT_EQ(screen.lastCatalogSelection, -1);
    EXPECT_TRUE(screen.lastCatalogRows.empty());
}

TEST_F(LayoutCatalogueTest, CatalogueHoldsTwoHundredEntriesAndNoMore) {
    for (int i = 0; i < kMaxCatalogEntries; ++i) {
        EXPECT_EQ(doc.AddCatalogEntry("e" + std::to_string(i), {}, false), i);
    }
    EXPECT_EQ(doc.AddCatalogEntry("one too many", {}, true), -1);
    EXPECT_EQ(doc.catalogCount, kMaxCatalogEntries);
    EXPECT_EQ(doc.FindCatalogEntry("one too many"), -1);
    doc.SortCatalog();
    EXPECT_EQ(doc.CatalogRows().size(), static_cast<std::size_t>(kMaxCatalogEntries));
}

TEST_F(LayoutCatalogueTest, CatalogEntryTextMarksEntriesInTheLayout) {
    doc.AddCatalogEntry("Enter", {}, true);
    doc.AddCatalogEntry("Esc", {}, false);
    EXPECT_EQ(doc.CatalogEntryText(0), "Enter *");
    EXPECT_EQ(doc.CatalogEntryText(1), "Esc");
    EXPECT_EQ(doc.CatalogEntryText(2), "");
    EXPECT_EQ(doc.CatalogEntryText(-1), "");
}

TEST_F(LayoutCatalogueTest, HasProgrammedKeyCountsOnlyKeysUpToKeyCount) {
    doc.keys[100].codes[0] = 1;
    EXPECT_FALSE(doc.HasProgrammedKey());
    doc.settings.keyCount = 112;
    EXPECT_TRUE(doc.HasProgrammedKey());
}

} // namespace
} // namespace vorlan
