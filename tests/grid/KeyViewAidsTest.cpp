// Names on the grid, tooltips and find, decided without a window.
#include "editor/KeyFind.h"
#include "grid/KeyDescription.h"
#include "grid/KeyLabelLayout.h"
#include "hyphenation/HyphenationChoice.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

constexpr std::int32_t kCodeA = 0x1C;
constexpr std::int32_t kCodeEnter = 0x5A;
constexpr std::int32_t kCodeUp = 0x75; // "Up" after the extended prefix

// Each character is 5 pixels wide, the ellipsis 4; lines are size + 2 high.
class FixedMeasure : public LabelMeasure {
public:
    int LineHeight(int size) const override { return size + 2; }
    int Width(int size, std::string_view text, bool ellipsis) const override {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80; // UTF-8 lead bytes
        });
        return static_cast<int>(characters) * size / 2 + (ellipsis ? 4 : 0);
    }
};

TEST(KeyLabelLayout, PicksTheLargestSizeThenBreaksByTheDictionaryThenElides) {
    const FixedMeasure m;
    const std::vector<int> sizes = {10, 8};
    struct Row {
        const char* language; // whose patterns break words
        const char* text;
        int width;
        LabelLayout expected;
    };
    const Row rows[] = {
        {"en", "Esc", 22, {10, {"Esc"}, false}},
        {"en", "  Tab ", 22, {10, {"Tab"}, false}},
        {"en", "Shift_left", 30, {10, {"Shift_", "left"}, false}}, // after '_'
        {"en", "Page down", 25, {10, {"Page", "down"}, false}},    // at the blank
        {"en", "Copy", 16, {8, {"Copy"}, false}},                  // smaller rather than split
        {"en", "Coffee Espresso", 35, {8, {"Coffee", "Espresso"}, false}}, // whole words, smaller
        {"en_GB", "Backspace", 22, {8, {"Back-", "space"}, false}}, // smaller, then hyphenated
        {"en", "Backspace", 22, {8, {"Back"}, true}},  // the US patterns do not break it
        {"en_GB", "Backspace", 14, {8, {"Ba"}, true}}, // no part fits: elided
        {"none", "Macaron", 22, {8, {"Maca"}, true}},  // no dictionary: never broken
        {"en", "Macaron", 22, {10, {"Mac-", "aron"}, false}},
        {"de", "Fleischpflanzerl", 45, {10, {"Fleisch-", "pflanzerl"}, false}},
        {"de", "Aufschnitt", 30, {8, {"Auf-", "schnitt"}, false}}, // not "Aufsc-hnitt"
        {"de", "Schinken", 30, {10, {"Schin-", "ken"}, false}},
        {"fr", "Échappement", 36, {10, {"Échap-", "pement"}, false}},
        {"pl", "Kiełbasa", 26, {10, {"Kieł-", "basa"}, false}},
        {"en", "ŞĞÖÜİŞ", 22, {8, {"ŞĞÖÜ"}, true}},
        {"en", "Print Screen Sys", 30, {8, {"Print", "Screen"}, true}},
        {"en", "", 22, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.language) + " " + r.text);
        const std::shared_ptr<const Hyphenator> h = HyphenatorFor(r.language);
        ASSERT_EQ(std::string_view(r.language) == kNoHyphenation, h == nullptr);
        const LabelLayout got = LayoutLabel(r.text, r.width, 24, sizes, m, h.get());
        EXPECT_EQ(r.expected, got);
        for (std::size_t i = 0; i < got.lines.size(); ++i) {
            const bool ellipsis = got.elided && i + 1 == got.lines.size();
            EXPECT_LE(m.Width(got.pixelSize, got.lines[i], ellipsis), r.width) << got.lines[i];
        }
    }
    // One line only when two do not fit in the height; none when not even one.
    EXPECT_EQ(1u, LayoutLabel("Shift_left", 30, 13, sizes, m, nullptr).lines.size());
    EXPECT_EQ(0, LayoutLabel("Esc", 30, 9, sizes, m, nullptr).pixelSize);
}

struct Layout {
    LayoutDocument doc;
    Layout() {
        doc.settings.keyCount = kMaxKeys;
        Program(5, "Shift", {kCodeA});
        Program(12, "", {0xE0, kCodeUp});
        Program(13, "Caps lock", {kCodeEnter});
        Program(14, "", {kCodeEnter});
        Join(13, {14});
        Program(60, "Alpha", {kCodeA});
    }
    void Program(int k, const char* name, std::initializer_list<std::int32_t> codes) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        key.name = name;
        std::copy(codes.begin(), codes.end(), key.codes.begin());
        doc.spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
    }
    void Join(int k, std::vector<int> partners) {
        std::vector<int> all = partners;
        all.push_back(k);
        for (int cell : all) {
            KeySpan& span = doc.spans[static_cast<std::size_t>(cell)];
            span.kind = all.size() == 2 ? SpanKind::Double : SpanKind::Quad;
            std::size_t i = 0;
            for (int other : all) {
                if (other != cell) {
                    span.partners[i++] = other;
                }
            }
            std::sort(span.partners.begin(), span.partners.begin() + span.PartnerCount());
        }
    }
};

TEST(KeyDescription, LabelsShowNamesOrCodeNamesOfProgrammedKeysOnly) {
    Layout l;
    EXPECT_EQ("Shift", GridLabel(l.doc, 5, KeyImage::Single, {}));
    EXPECT_EQ("Shift", GridLabel(l.doc, 5, KeyImage::SelectedKey, {}));
    EXPECT_EQ("extended Up", GridLabel(l.doc, 12, KeyImage::Single, {}));
    EXPECT_EQ("", GridLabel(l.doc, 5, KeyImage::Empty, {}));
    EXPECT_EQ("", GridLabel(l.doc, 1, KeyImage::Single, {})); // "KEY1" has no codes
    EXPECT_EQ("", GridLabel(l.doc, 60, KeyImage::Unavailable, {}));
    // A joined image takes the first named cell; the selected cell its own.
    EXPECT_EQ("Caps lock", GridLabel(l.doc, 13, KeyImage::DoubleRight, {}));
    EXPECT_EQ("Enter", GridLabel(l.doc, 14, KeyImage::SelectedKey, {}));
    l.doc.settings.keyCount = kBlockKeys;
    EXPECT_EQ("", GridLabel(l.doc, 60, KeyImage::Single, {}));
}

TEST(KeyDescription, ToolTipOfADoubleKey) {
    Layout l;
    KeyRecord& key = l.doc.keys[14];
    key.name = "Enter";
    key.SetMode(KeyMode::Mode2);
    key.SetGroupKey(true);
    std::vector<std::string> lines;
    for (const UiMessage& m : KeyToolTipLines(l.doc, 14, {})) {
        lines.push_back(m.English());
    }
    const std::vector<std::string> expected = {"Key 14",       "Name: Enter",
                                               "Codes: Enter", "Span: double, with key 13",
                                               "Mode 2",       "Flags: single key, group key"};
    EXPECT_EQ(expected, lines);
    EXPECT_TRUE(KeyToolTipLines(l.doc, 0, {}).empty());
    EXPECT_TRUE(KeyToolTipLines(l.doc, 113, {}).empty());
}

TEST(KeyDescription, QuadSpansNameAllPartners) {
    Layout l;
    l.Program(20, "Big", {kCodeA});
    l.Join(20, {21, 28, 29});
    EXPECT_EQ("Span: quad, with keys 20, 21, 28", KeyToolTipLines(l.doc, 29, {})[3].English());
    EXPECT_EQ(20, KeyAnchor(l.doc, 29));
    EXPECT_EQ((std::vector<int>{20, 21, 28, 29}), CellsOfKey(l.doc, 28));
}

// The selection of any cell of a joined key is drawn once, around the whole
// key; singles, empty cells and every other image are drawn as ordered.
TEST(KeyDescription, SelectionOfAJoinedKeyFramesTheWholeKey) {
    Layout l;
    l.Program(20, "Big", {kCodeA});
    l.Join(20, {21, 28, 29});
    l.Program(30, "Tall", {kCodeA});
    l.Join(30, {38});
    const struct {
        int slot;
        KeyImage ordered;
        ShownKeyImage shown;
    } cases[] = {
        {14, KeyImage::SelectedKey, {13, KeyImage::SelectedDoubleRight}},
        {13, KeyImage::SelectedKey, {13, KeyImage::SelectedDoubleRight}},
        {38, KeyImage::SelectedKey, {30, KeyImage::SelectedDoubleDown}},
        {29, KeyImage::SelectedKey, {20, KeyImage::SelectedQuad}},
        {21, KeyImage::SelectedKey, {20, KeyImage::SelectedQuad}},
        {5, KeyImage::SelectedKey, {5, KeyImage::SelectedKey}},
        {1, KeyImage::SelectedEmpty, {1, KeyImage::SelectedEmpty}},
        {14, KeyImage::DoubleRight, {14, KeyImage::DoubleRight}},
        {0, KeyImage::SelectedKey, {0, KeyImage::SelectedKey}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.shown, ImageToShow(l.doc, c.slot, c.ordered)) << "slot " << c.slot;
    }
    // The whole key's name goes with its frame.
    EXPECT_EQ("Caps lock", GridLabel(l.doc, 13, KeyImage::SelectedDoubleRight, {}));
}

TEST(KeyFind, MatchesNamesAndCodeNamesIgnoringCase) {
    Layout l;
    KeyFind find;
    const auto found = [&](std::string_view query) {
        find.Search(l.doc, query, {});
        return find.Found();
    };
    EXPECT_EQ((std::vector<int>{5, 13, 60}), found("A")); // code name, name, name
    EXPECT_EQ((std::vector<int>{5}), found("sHiFt"));
    EXPECT_EQ((std::vector<int>{12}), found("up"));    // code name only
    EXPECT_EQ((std::vector<int>{13}), found("enter")); // both cells, found once
    EXPECT_EQ((std::vector<int>{13, 14}), find.FoundCells());
    EXPECT_TRUE(found("key").empty()); // unprogrammed default names
    EXPECT_TRUE(found("").empty());
    l.doc.keys[5].name = "\xC4rger"; // Latin-1 capital A with diaeresis
    EXPECT_EQ((std::vector<int>{5}), found("\xE4RG"));
    EXPECT_EQ((std::vector<int>{5}), found("äRG")); // UTF-8, as the find field gives it
}

TEST(KeyFind, StepsThroughThreeKeysAndWraps) {
    Layout l;
    KeyFind find;
    find.Search(l.doc, "a", {});
    ASSERT_EQ((std::vector<int>{5, 13, 60}), find.Found());
    struct Step {
        bool next;
        int selected;
        int expected;
        int position;
    };
    const Step steps[] = {
        {true, 5, 5, 1},                       // right after the search the selected key itself
        {true, 5, 13, 2},   {true, 14, 60, 3}, // from the partner cell of 13
        {true, 60, 5, 1},                      // wraps forward
        {false, 5, 60, 3},                     // and backward
        {false, 60, 13, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.selected);
        EXPECT_EQ(s.expected,
                  s.next ? find.Next(l.doc, s.selected) : find.Previous(l.doc, s.selected));
        EXPECT_EQ(s.position, find.Position());
    }
    // Searching again for the same keys goes on stepping; other keys start over.
    find.Search(l.doc, "a", {});
    EXPECT_EQ(5, find.Next(l.doc, 60));
    l.doc.keys[12].name = "Alt";
    find.Search(l.doc, "a", {});
    EXPECT_EQ(0, find.Position());
    EXPECT_EQ(12, find.Next(l.doc, 12));
    find.Search(l.doc, "nothing", {});
    EXPECT_EQ(0, find.Next(l.doc, 5));
    EXPECT_EQ(0, find.Position());
}

} // namespace
} // namespace vorlan
