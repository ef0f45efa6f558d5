#include "layout/LayoutFile.h"

#include "testing/LayoutFileTestText.h"
#include "testing/RecordingObserver.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using namespace test;

// ---- the writer ----

TEST(FormatLayout, WorkedExampleSixteenScan) {
    const std::vector<std::string> lines =
        Lines(FormatLayout(WorkedExample(), KeyboardVariant::SixteenScan));
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[0], "57; 0; 0; 2; 11; 144; 0; 0; 3");
    EXPECT_EQ(lines[1], "1; 28, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;A");
    EXPECT_EQ(lines[2], "2; 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;KEY2");
    EXPECT_EQ(lines[112], "112; 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;KEY112");
}

TEST(FormatLayout, WorkedExampleSevenThreeScan) {
    const std::vector<std::string> lines =
        Lines(FormatLayout(WorkedExample(), KeyboardVariant::SevenThreeScan));
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[0], "56; 0; 0; 2; 11");
    EXPECT_EQ(lines[1], "1; 28, 0, 0, 0, 0, 0, 0; 2;A");
    EXPECT_EQ(lines[2], "2; 0, 0, 0, 0, 0, 0, 0; 2;KEY2");
    EXPECT_EQ(lines[112], "112; 0, 0, 0, 0, 0, 0, 0; 2;KEY112");
}

TEST(FormatLayout, WorkedExampleMatchesTheReferenceFileByteForByte) {
    EXPECT_EQ(FormatLayout(WorkedExample(), KeyboardVariant::SixteenScan),
              ReadFile(fs::path(VORLAN_TEST_DATA_DIR) / "layout" / "worked-example-16scan.txt"));
}

TEST(FormatLayout, SevenThreeScanOfAHundredTwelveKeysCarriesThreeCodes) {
    LayoutDocument doc;
    doc.settings.keyCount = 112;
    doc.keys[57].codes = {1, 2, 3, 4, 5, 6, 7};
    doc.keys[57].SetGroupKey(true);
    doc.keys[57].SetMode(KeyMode::Mode2);
    doc.keys[57].name = "Right";
    const std::vector<std::string> lines =
        Lines(FormatLayout(doc, KeyboardVariant::SevenThreeScan));
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[0], "112; 0; 0; 2; 11");
    EXPECT_EQ(lines[1], "1; 0, 0, 0; 2;KEY1");
    EXPECT_EQ(lines[57], "57; 1, 2, 3; 7;Right");
}

TEST(FormatLayout, HeaderCarriesSettingsAndRfidByte) {
    LayoutDocument doc;
    doc.settings = {112, 1, 1, 3, 31, 255};
    doc.rfid = {13, false, 255, true, 224, true};
    const std::vector<std::string> lines = Lines(FormatLayout(doc, KeyboardVariant::SixteenScan));
    // 13 * 16 + 4 + 2 + 1 = 215
    EXPECT_EQ(lines[0], "113; 1; 1; 3; 31; 215; 255; 224; 255");
    EXPECT_EQ(Lines(FormatLayout(doc, KeyboardVariant::SevenThreeScan))[0], "112; 1; 1; 3; 31");
    // The single variants always describe a 56-key keyboard.
    EXPECT_EQ(Lines(FormatLayout(doc, KeyboardVariant::SingleLeft))[0],
              "57; 1; 1; 3; 31; 215; 255; 224; 255");
}

TEST(FormatLayout, RfidByteIsComputedInEightBits) {
    RfidOptions rfid;
    rfid.digitsCount = 16; // only a file could never bring this; it wraps
    rfid.digitsTypeNum = false;
    EXPECT_EQ(rfid.FileFlags(), 4);
}

TEST(FormatLayout, FlagsTravelWithoutTheUpperBits) {
    LayoutDocument doc;
    doc.keys[1].flags = 0xFF;
    doc.keys[1].groupNumber = 12;
    EXPECT_EQ(Lines(FormatLayout(doc, KeyboardVariant::SixteenScan))[1],
              SixteenKeyLine(1, "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "15;12;KEY1"));
}

LayoutDocument TwoHalves() {
    LayoutDocument doc;
    doc.settings.keyCount = 112;
    doc.keys[1].codes[0] = 11;
    doc.keys[1].name = "Left";
    doc.keys[57].codes = {57, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255};
    doc.keys[57].SetGroupKey(true);
    doc.keys[57].groupNumber = 4;
    doc.keys[57].name = "Right";
    return doc;
}

// Equal doubles and quads (a copied key pasted elsewhere) come back from a
// file as the same keys; no cell with codes is left out of a key. The fifth
// code differs per key: 7/3scan with 112 keys drops it, so there the keys of
// a case become equal only in the file.
TEST(RebuildFromFile, EqualJoinedKeysComeBackJoinedInEveryVariant) {
    struct Case {
        const char* title;
        int keyCount;
        std::vector<std::vector<int>> keys; // the cells of each joined key
    };
    const std::vector<Case> cases = {
        {"two doubles", 56, {{3, 4}, {30, 38}}},
        {"three doubles", 112, {{1, 9}, {20, 21}, {70, 71}}},
        {"four doubles", 112, {{1, 2}, {17, 25}, {60, 61}, {100, 108}}},
        {"two quads", 56, {{5, 6, 13, 14}, {35, 36, 43, 44}}},
        {"three quads", 112, {{1, 2, 9, 10}, {3, 4, 11, 12}, {103, 104, 111, 112}}},
        {"four quads", 112, {{1, 2, 9, 10}, {47, 48, 55, 56}, {57, 58, 65, 66}, {90, 91, 98, 99}}},
        {"quad and double", 56, {{1, 2, 9, 10}, {49, 50}}},
    };
    for (const Case& c : cases) {
        for (const KeyboardVariant variant :
             {KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan}) {
            SCOPED_TRACE(std::string(c.title) +
                         (variant == KeyboardVariant::SixteenScan ? " 16scan" : " 7/3scan"));
            LayoutDocument doc;
            doc.settings.keyCount = c.keyCount;
            for (std::size_t i = 0; i < c.keys.size(); ++i) {
                for (int k : c.keys[i]) {
                    KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
                    key.codes[0] = 30;
                    key.codes[1] = 1;
                    key.codes[4] = static_cast<std::uint8_t>(i + 1);
                    key.SetGroupKey(true);
                    key.name = "K";
                }
            }
            doc.RebuildAfterLoad();
            LayoutDocument back = Parsed(FormatLayout(doc, variant));
            back.RebuildAfterLoad();
            EXPECT_EQ(back.CellsWithCodesButNoKey(), std::vector<int>{});
            for (const std::vector<int>& cells : c.keys) {
                const SpanKind want = cells.size() == 4 ? SpanKind::Quad : SpanKind::Double;
                for (int k : cells) {
                    const KeySpan& span = back.spans[static_cast<std::size_t>(k)];
                    EXPECT_EQ(span.kind, want) << "key " << k;
                    for (int p = 0; p < span.PartnerCount(); ++p) {
                        EXPECT_NE(std::find(cells.begin(), cells.end(),
                                            span.partners[static_cast<std::size_t>(p)]),
                                  cells.end())
                            << "key " << k << " joined outside its own key";
                    }
                }
            }
        }
    }
}

TEST(FormatLayout, SingleLeftWritesTheLeftHalfAndFillers) {
    const std::vector<std::string> lines =
        Lines(FormatLayout(TwoHalves(), KeyboardVariant::SingleLeft));
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[1],
              SixteenKeyLine(1, "11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "2;0;Left"));
    EXPECT_EQ(lines[57],
              SixteenKeyLine(57, "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "0;0;KEY57"));
    EXPECT_EQ(lines[112],
              SixteenKeyLine(112, "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "0;0;KEY112"));
}

TEST(FormatLayout, SingleRightRenumbersTheRightHalf) {
    const std::vector<std::string> lines =
        Lines(FormatLayout(TwoHalves(), KeyboardVariant::SingleRight));
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[0], "57; 0; 0; 2; 11; 144; 0; 0; 3");
    EXPECT_EQ(lines[1],
              SixteenKeyLine(1, "57, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255", "3;4;Right"));
    EXPECT_EQ(lines[56],
              SixteenKeyLine(56, "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "2;0;KEY112"));
    EXPECT_EQ(lines[57],
              SixteenKeyLine(57, "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "0;0;KEY57"));
}

TEST(FormatLayout, NamesAreWrittenUpToALineEnd) {
    LayoutDocument doc;
    doc.keys[1].name = "a;b";
    doc.keys[2].name = "x\r\n3; 9";
    doc.keys[3].name = "y\nz";
    const std::vector<std::string> lines =
        Lines(FormatLayout(doc, KeyboardVariant::SevenThreeScan));
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[1], "1; 0, 0, 0, 0, 0, 0, 0; 2;a;b");
    EXPECT_EQ(lines[2], "2; 0, 0, 0, 0, 0, 0, 0; 2;x");
    EXPECT_EQ(lines[3], "3; 0, 0, 0, 0, 0, 0, 0; 2;y");
    EXPECT_EQ(Parsed(FormatLayout(doc, KeyboardVariant::SevenThreeScan)).keys[1].name, "a");
}

TEST(FormatLayout, LongestKeyLineFitsTheLineLimit) {
    LayoutDocument doc;
    doc.keys[112].codes.fill(255);
    doc.keys[112].groupNumber = 255;
    doc.keys[112].flags = 0x0F;
    doc.keys[112].name = std::string(300, 'n');
    const std::vector<std::string> lines = Lines(FormatLayout(doc, KeyboardVariant::SixteenScan));
    EXPECT_EQ(lines[112].size() + 2, 196u);
    EXPECT_LE(lines[112].size(), kMaxLineBytes);
}

// ---- the reader ----

TEST(ParseLayout, HeaderFirstNumberChoosesFamilyAndKeyCount) {
    struct Case {
        const char* header;
        int keyCount;
        KeyboardVariant variant;
    };
    const Case cases[] = {
        {"56; 0; 0; 2; 11", 56, KeyboardVariant::SevenThreeScan},
        {"112; 0; 0; 2; 11", 112, KeyboardVariant::SevenThreeScan},
        {"57; 0; 0; 2; 11; 144; 0; 0; 3", 56, KeyboardVariant::SixteenScan},
        {"113; 0; 0; 2; 11; 144; 0; 0; 3", 112, KeyboardVariant::SixteenScan},
        {"0", 56, KeyboardVariant::SixteenScan},
        {"-113", 56, KeyboardVariant::SixteenScan},
        {"", 56, KeyboardVariant::SixteenScan},
        {"  +113", 112, KeyboardVariant::SixteenScan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        LayoutDocument doc;
        doc.settings.keyCount = 112 + 56 - c.keyCount; // the other one
        doc.variant = doc.loadedVariant = KeyboardVariant::SingleRight;
        ParseLayout(doc, Crlf({c.header}));
        EXPECT_EQ(doc.settings.keyCount, c.keyCount);
        EXPECT_EQ(doc.variant, c.variant);
        EXPECT_EQ(doc.loadedVariant, c.variant);
    }
}

TEST(ParseLayout, SettingsOutOfRangeAreSubstituted) {
    struct Case {
        const char* header;
        KeyboardSettings expected;
    };
    const Case cases[] = {
        {"57; 1; 1; 3; 31; 0; 0; 0; 255", {56, 1, 1, 3, 31, 255}},
        {"57; 2; 2; 4; 32; 0; 0; 0; 256", {56, 1, 1, 2, 11, 2}},
        {"57; -1; -1; -1; -1; 0; 0; 0; -1", {56, 1, 1, 2, 11, 2}},
        {"57; 0; 0; 0; 0; 0; 0; 0; 0", {56, 0, 0, 0, 0, 2}},
        {"57; 99999999999; 0; 0; 0; 0; 0; 0; 1", {56, 1, 0, 0, 0, 1}},
        {"56; 7; 7; 7; 77; 0; 0; 0; 9", {56, 1, 1, 2, 11, 3}}, // 7/3scan: no pause
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const LayoutDocument doc = Parsed(Crlf({c.header}));
        EXPECT_EQ(doc.settings.keysType, c.expected.keysType);
        EXPECT_EQ(doc.settings.keyBeep, c.expected.keyBeep);
        EXPECT_EQ(doc.settings.keyDelay, c.expected.keyDelay);
        EXPECT_EQ(doc.settings.typematicRate, c.expected.typematicRate);
        EXPECT_EQ(doc.settings.keysPause, c.expected.keysPause);
    }
}

TEST(ParseLayout, RfidByteAndCodesAreTakenAsBytes) {
    struct Case {
        const char* header;
        RfidOptions expected;
    };
    const Case cases[] = {
        {"57; 0; 0; 2; 11; 144; 0; 0; 3", {9, true, 0, false, 0, false}},
        {"57; 0; 0; 2; 11; 215; 255; 224; 3", {13, false, 255, true, 224, true}},
        {"57; 0; 0; 2; 11; 255; 300; -1; 3", {13, false, 44, true, 255, true}},
        {"57; 0; 0; 2; 11; 465; 0; 0; 3", {13, true, 0, true, 0, false}}, // 465 & 255 = 209
        {"57; 0; 0; 2; 11; 8; 0; 0; 3", {0, true, 0, false, 0, false}},   // bit 3 ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const LayoutDocument doc = Parsed(Crlf({c.header}));
        EXPECT_EQ(doc.rfid.digitsCount, c.expected.digitsCount);
        EXPECT_EQ(doc.rfid.digitsTypeNum, c.expected.digitsTypeNum);
        EXPECT_EQ(doc.rfid.prefix, c.expected.prefix);
        EXPECT_EQ(doc.rfid.prefixExtended, c.expected.prefixExtended);
        EXPECT_EQ(doc.rfid.suffix, c.expected.suffix);
        EXPECT_EQ(doc.rfid.suffixExtended, c.expected.suffixExtended);
    }
}

TEST(ParseLayout, ShortHeaderReadsMissingFieldsAsEmpty) {
    const LayoutDocument doc = Parsed(Crlf({"100; 5; 5; 9; 40"}));
    EXPECT_EQ(doc.settings.keyCount, 56);
    EXPECT_EQ(doc.variant, KeyboardVariant::SixteenScan);
    EXPECT_EQ(doc.settings.keysType, 1);
    EXPECT_EQ(doc.settings.keyBeep, 1);
    EXPECT_EQ(doc.settings.keyDelay, 2);
    EXPECT_EQ(doc.settings.typematicRate, 11);
    EXPECT_EQ(doc.rfid.digitsCount, 0);
    EXPECT_TRUE(doc.rfid.digitsTypeNum);
    EXPECT_EQ(doc.settings.keysPause, 2);
}

TEST(ParseLayout, SevenThreeScanLeavesRfidAndPauseAsReset) {
    LayoutDocument doc;
    ParseLayout(doc, Crlf({"56; 1; 1; 1; 1; 215; 9; 9; 9"}));
    EXPECT_EQ(doc.settings.keysPause, 3);
    EXPECT_EQ(doc.rfid.FileFlags(), 144);
    EXPECT_EQ(doc.rfid.prefix, 0);
}

TEST(ParseLayout, KeyLineFields) {
    const LayoutDocument doc =
        Parsed(Crlf({"57; 0; 0; 2; 11; 144; 0; 0; 3",
                     "5; 300, -1, 255, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12; 13;77; Name x",
                     "6; 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;",
                     "7; 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;a;b",
                     "8; 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0", "9; 1, 2"}));
    const KeyRecord& k5 = doc.keys[5];
    EXPECT_EQ(k5.codes, (KeyCodes{0, 0, 255, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_TRUE(k5.groupKey());
    EXPECT_FALSE(k5.singleKey());
    EXPECT_EQ(k5.mode(), KeyMode::Unnamed);
    EXPECT_EQ(k5.groupNumber, 77);
    EXPECT_EQ(k5.name, " Name x"); // leading blank kept
    EXPECT_EQ(doc.keys[6].name, "");
    EXPECT_EQ(doc.keys[7].name, "a");
    EXPECT_EQ(doc.keys[8].name, "");
    // A line that stops early reads the rest as empty fields.
    EXPECT_EQ(doc.keys[9].codes[1], 2);
    EXPECT_EQ(doc.keys[9].flags & 0x0F, 0);
    EXPECT_EQ(doc.keys[9].name, "");
    // Untouched slots keep the reset's values.
    EXPECT_EQ(doc.keys[10].name, "KEY10");
}

TEST(ParseLayout, NumbersAreReadAsTheCLibraryReadsThem) {
    struct Case {
        std::string_view token;
        std::int32_t value;
    };
    const Case cases[] = {
        {"77", 77},
        {"  \t+12x", 12},
        {"\v\f-5", -5},
        {"- 3", 0},
        {"x9", 0},
        {"", 0},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token);
        const std::string line = "5; 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;" +
                                 std::string(c.token) + ";Name";
        const LayoutDocument doc = Parsed(Crlf({"57", line}));
        EXPECT_EQ(doc.keys[5].groupNumber, c.value);
        EXPECT_EQ(doc.keys[5].name, "Name");
    }
}

TEST(ParseLayout, FlagsKeepTheSlotsUpperBits) {
    LayoutDocument doc;
    doc.keys[1].flags = 0xA2;
    ParseLayout(doc, Crlf({"56", "1; 0, 0, 0, 0, 0, 0, 0; 255;X"}));
    EXPECT_EQ(doc.keys[1].flags, 0xAF);
}

TEST(ParseLayout, SevenThreeScanCodesPerFamily) {
    LayoutDocument doc56 = Parsed(Crlf({"56", "1; 1, 2, 3, 4, 5, 6, 7; 2;A"}));
    EXPECT_EQ(doc56.keys[1].codes, (KeyCodes{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(doc56.keys[1].name, "A");
    LayoutDocument doc112 = Parsed(Crlf({"112", "1; 1, 2, 3; 3;B"}));
    EXPECT_EQ(doc112.keys[1].codes, (KeyCodes{1, 2, 3}));
    EXPECT_TRUE(doc112.keys[1].groupKey());
    EXPECT_EQ(doc112.keys[1].name, "B");
}

TEST(ParseLayout, StopsAtTheLastKeyOfTheKeyCount) {
    std::string text = Crlf({"57; 0; 0; 2; 11; 144; 0; 0; 3", Key16(3, 9, "Three"),
                             Key16(56, 9, "Last"), Key16(4, 9, "After")});
    const LayoutDocument doc = Parsed(text);
    EXPECT_EQ(doc.keys[3].name, "Three");
    EXPECT_EQ(doc.keys[56].name, "Last");
    EXPECT_EQ(doc.keys[4].name, "KEY4");
}

TEST(ParseLayout, KeyNumbersOutsideTheSlotsAreDroppedButStillStop) {
    const LayoutDocument doc = Parsed(Crlf({"57", Key16(0, 9, "Zero"), Key16(119, 9, "Top"),
                                            Key16(120, 9, "Out"), Key16(2, 9, "No")}));
    EXPECT_EQ(doc.keys[0].name, "Zero");
    EXPECT_EQ(doc.keys[119].name, "Top"); // 119 >= 56 ends the reading
    EXPECT_EQ(doc.keys[2].name, "KEY2");
    const LayoutDocument doc2 =
        Parsed(Crlf({"113", Key16(-5, 9, "Neg"), Key16(500, 9, "Big"), Key16(3, 9, "Not read")}));
    EXPECT_EQ(doc2.keys[3].name, "KEY3");
}

TEST(ParseLayout, AnyOrderAndRepeatsOverwrite) {
    const LayoutDocument doc =
        Parsed(Crlf({"57", Key16(9, 1, "First"), Key16(2, 2, "Two"),
                     "9; 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;Second"}));
    EXPECT_EQ(doc.keys[9].name, "Second");
    EXPECT_EQ(doc.keys[9].codes[0], 3);
    EXPECT_EQ(doc.keys[2].codes[0], 2);
}

TEST(ParseLayout, LineEndsOfAnyKind) {
    const std::string lines[] = {"57; 1; 0; 2; 11; 144; 0; 0; 3", Key16(1, 5, "One"),
                                 Key16(2, 6, "Two")};
    for (std::string_view end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end.size());
        const std::string text = Joined(lines, end);
        for (bool lastEnd : {true, false}) {
            const std::string input = lastEnd ? text : text.substr(0, text.size() - end.size());
            const LayoutDocument doc = Parsed(input);
            EXPECT_EQ(doc.settings.keysType, 1);
            EXPECT_EQ(doc.settings.keysPause, 3);
            EXPECT_EQ(doc.keys[1].name, "One");
            EXPECT_EQ(doc.keys[2].name, "Two");
            EXPECT_EQ(doc.keys[2].codes[0], 6);
        }
    }
}

// A number missing at the very end of a line reads as empty whatever ends the
// line; it never takes its value from the line below.
TEST(ParseLayout, LineEndsCloseMissingNumbers) {
    const std::string lines[] = {"56; 1; 1; 3;", "1; 5, 0, 0, 0, 0, 0, 0; 3;One", "2;",
                                 "3; 7, 0, 0, 0, 0, 0, 0;", "4; 8, 0, 0, 0, 0, 0, 0; 2;Four"};
    for (std::string_view end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end.size());
        const std::string text = Joined(lines, end);
        const LayoutDocument doc = Parsed(text);
        EXPECT_EQ(doc.settings.keyDelay, 3);
        EXPECT_EQ(doc.settings.typematicRate, 0);
        EXPECT_EQ(doc.keys[1].codes[0], 5);
        EXPECT_EQ(doc.keys[1].name, "One");
        EXPECT_EQ(doc.keys[2].codes[0], 0);
        EXPECT_EQ(doc.keys[2].name, "");
        EXPECT_EQ(doc.keys[3].codes[0], 7);
        EXPECT_EQ(doc.keys[3].flags & 0x0F, 0);
        EXPECT_EQ(doc.keys[4].codes[0], 8);
        EXPECT_EQ(doc.keys[4].name, "Four");
    }
    const std::string sixteen[] = {"57; 0; 0; 2; 11; 144; 0; 0;",
                                   "1; 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 3;",
                                   Key16(2, 6, "Two")};
    for (std::string_view end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(end.size());
        const std::string text = Joined(sixteen, end);
        const LayoutDocument doc = Parsed(text);
        EXPECT_EQ(doc.settings.keysPause, 2);
        EXPECT_EQ(doc.keys[1].groupNumber, 0);
        EXPECT_EQ(doc.keys[1].name, "");
        EXPECT_EQ(doc.keys[2].codes[0], 6);
        EXPECT_EQ(doc.keys[2].name, "Two");
    }
}

TEST(ParseLayout, HeaderWithoutLineEndGivesNoKeys) {
    const LayoutDocument doc = Parsed("113; 1; 1; 3; 31; 215; 1; 2; 4");
    EXPECT_EQ(doc.settings.keyCount, 112);
    EXPECT_EQ(doc.settings.keysPause, 4);
    EXPECT_EQ(doc.keys[1].name, "KEY1");
}

TEST(ParseLayout, LongLinesAndNamesAreCutNotOverrun) {
    const std::string name(5000, 'x');
    const std::string codes(10000, ' ');
    const LayoutDocument doc = Parsed(Crlf(
        {"57", "1;" + codes + "7" + std::string(15, ',') + "; 2;0;" + name, Key16(2, 3, "Two")}));
    EXPECT_EQ(doc.keys[1].codes[0], 7);
    EXPECT_EQ(doc.keys[1].name, std::string(102, 'x'));
    EXPECT_EQ(doc.keys[2].name, "Two");
}

TEST(ParseLayout, EmptyInputLeavesTheResetLayout) {
    LayoutDocument doc;
    doc.settings.keyCount = 112;
    ParseLayout(doc, "");
    EXPECT_EQ(doc.settings.keyCount, 56);
    EXPECT_EQ(doc.settings.keysPause, 2);
    EXPECT_EQ(doc.keys[1].name, "KEY1");
}

// The reader only fills the document; refreshing the window is its caller's.
TEST(ParseLayout, LeavesTheScreenAlone) {
    RecordingObserver screen;
    LayoutDocument doc;
    doc.SetObserver(&screen);
    ParseLayout(doc, Crlf({"57", Key16(1, 1, "A")}));
    EXPECT_TRUE(screen.calls.empty());
}

} // namespace
} // namespace vorlan
