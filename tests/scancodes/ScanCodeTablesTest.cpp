#include "scancodes/ScanCodeTables.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace vorlan {
namespace {

// Standard set-2 make codes of the ordinary keys, by key name.
const std::map<std::string, std::uint32_t> kStandardSet2 = {
    {"1", 0x16},         {"2", 0x1E},          {"3", 0x26},           {"4", 0x25},
    {"5", 0x2E},         {"6", 0x36},          {"7", 0x3D},           {"8", 0x3E},
    {"9", 0x46},         {"0", 0x45},          {"-", 0x4E},           {"=", 0x55},
    {"Q", 0x15},         {"W", 0x1D},          {"E", 0x24},           {"R", 0x2D},
    {"T", 0x2C},         {"Y", 0x35},          {"U", 0x3C},           {"I", 0x43},
    {"O", 0x44},         {"P", 0x4D},          {"[", 0x54},           {"]", 0x5B},
    {"A", 0x1C},         {"S", 0x1B},          {"D", 0x23},           {"F", 0x2B},
    {"G", 0x34},         {"H", 0x33},          {"J", 0x3B},           {"K", 0x42},
    {"L", 0x4B},         {";", 0x4C},          {"'", 0x52},           {"`", 0x0E},
    {"Z", 0x1A},         {"X", 0x22},          {"C", 0x21},           {"V", 0x2A},
    {"B", 0x32},         {"N", 0x31},          {"M", 0x3A},           {",", 0x41},
    {".", 0x49},         {"/", 0x4A},          {"F1", 0x05},          {"F2", 0x06},
    {"F3", 0x04},        {"F4", 0x0C},         {"F5", 0x03},          {"F6", 0x0B},
    {"F7", 0x83},        {"F8", 0x0A},         {"F9", 0x01},          {"F10", 0x09},
    {"F11", 0x78},       {"F12", 0x07},        {"Esc", 0x76},         {"Tab", 0x0D},
    {"Enter", 0x5A},     {"Backspace", 0x66},  {"Space", 0x29},       {"\\", 0x5D},
    {"7_num", 0x6C},     {"8_num", 0x75},      {"9_num", 0x7D},       {"4_num", 0x6B},
    {"5_num", 0x73},     {"6_num", 0x74},      {"1_num", 0x69},       {"2_num", 0x72},
    {"3_num", 0x7A},     {"0_num", 0x70},      {"._num", 0x71},       {"+_num", 0x79},
    {"-_num", 0x7B},     {"*_num", 0x7C},      {"Num_lock", 0x77},    {"Scroll_Lock", 0x7E},
    {"Caps_lock", 0x58}, {"Shift_left", 0x12}, {"Shift_right", 0x59}, {"Ctrl_left", 0x14},
    {"Alt_left", 0x11},  {"Win_left", 0x1F},   {"Win_right", 0x27},   {"Win_Pop_up", 0x2F},
};

// The physical rows of a PC keyboard: consecutive set-1 codes from a start code.
struct KeyRun {
    std::uint32_t firstSet1;
    std::vector<std::string> names;
};
const std::vector<KeyRun> kRuns = {
    {0x01, {"Esc", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "Backspace", "Tab"}},
    {0x10, {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]", "Enter", "Ctrl_left"}},
    {0x1E, {"A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'", "`", "Shift_left", "\\"}},
    {0x2C,
     {"Z", "X", "C", "V", "B", "N", "M", ",", ".", "/", "Shift_right", "*_num", "Alt_left", "Space",
      "Caps_lock"}},
    {0x3B,
     {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "Num_lock", "Scroll_Lock"}},
    {0x47,
     {"7_num", "8_num", "9_num", "-_num", "4_num", "5_num", "6_num", "+_num", "1_num", "2_num",
      "3_num", "0_num", "._num"}},
    {0x57, {"F11", "F12"}},
    {0x5B, {"Win_left", "Win_right", "Win_Pop_up"}},
};

TEST(ScanCodeTables, PlainKeysGiveTheirStandardSet2Code) {
    int checked = 0;
    for (const KeyRun& run : kRuns) {
        for (std::size_t i = 0; i < run.names.size(); ++i) {
            const std::string& name = run.names[i];
            const std::uint32_t set1 = run.firstSet1 + static_cast<std::uint32_t>(i);
            SCOPED_TRACE(name);
            const std::vector<CodeAndName> expected = {{kStandardSet2.at(name), name}};
            EXPECT_EQ(TranslateKey(set1, false, {}), expected);
            ++checked;
        }
    }
    // Every named row except Sys_Req is covered above.
    int named = 0;
    for (std::size_t row = 0; row < ScanCodeTable.size(); ++row) {
        named += KeyNameTable[row].empty() ? 0 : 1;
    }
    EXPECT_EQ(checked, named - 1);
}

TEST(ScanCodeTables, ExtendedKeysGivePrefixAndStandardCode) {
    struct Row {
        std::uint32_t set1;
        std::uint32_t set2;
        const char* name;
    };
    const Row rows[] = {
        {0x35, 0x4A, "/_num"},    {0x1C, 0x5A, "Enter_num"},  {0x45, 0x77, "Num_lock"},
        {0x47, 0x6C, "Home"},     {0x48, 0x75, "Up"},         {0x49, 0x7D, "Page_up"},
        {0x4B, 0x6B, "Left"},     {0x4D, 0x74, "Right"},      {0x4F, 0x69, "End"},
        {0x50, 0x72, "Down"},     {0x51, 0x7A, "Page_down"},  {0x52, 0x70, "Insert"},
        {0x53, 0x71, "Delete"},   {0x1D, 0x14, "Ctrl_right"}, {0x38, 0x11, "Alt_right"},
        {0x5B, 0x1F, "Win_left"}, {0x5C, 0x27, "Win_right"},  {0x5D, 0x2F, "Win_Pop_up"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<CodeAndName> expected = {{0xE0, "extended"}, {row.set2, row.name}};
        EXPECT_EQ(TranslateKey(row.set1, true, {}), expected);
    }
}

TEST(ScanCodeTables, SysReqAndEnterPairs) {
    EXPECT_EQ(TranslateKey(0x54, false, {}), (std::vector<CodeAndName>{{0, "Sys_Req"}}));
    EXPECT_EQ(TranslateKey(0x1C, false, {}), (std::vector<CodeAndName>{{0x5A, "Enter"}}));
}

TEST(ScanCodeTables, NonZeroCodesAreUniqueAndEmptyRowsHaveNoCode) {
    std::set<std::uint32_t> codes;
    for (std::size_t row = 0; row < ScanCodeTable.size(); ++row) {
        const std::uint32_t code = ScanCodeTable[row];
        if (code != 0) {
            EXPECT_TRUE(codes.insert(code).second) << "row " << row;
        }
        if (KeyNameTable[row].empty()) {
            EXPECT_EQ(code, 0u) << "row " << row;
        }
    }
}

// Whatever a key press stores, the key panel names it back the same way.
TEST(ScanCodeTables, NameOfCodeGivesBackEveryTranslatedName) {
    for (std::uint32_t set1 = 0; set1 < 0x60; ++set1) {
        for (bool extended : {false, true}) {
            const std::vector<CodeAndName> pairs = TranslateKey(set1, extended, {});
            std::uint32_t previous = 0;
            for (const CodeAndName& pair : pairs) {
                if (pair.code != 0) {
                    EXPECT_EQ(NameOfCode(pair.code, previous, {}), pair.name)
                        << "set-1 " << set1 << (extended ? " extended" : "");
                }
                previous = pair.code;
            }
        }
    }
}

TEST(ScanCodeTables, NameOfCodeEdgeCases) {
    struct Case {
        std::uint32_t code;
        std::uint32_t previous;
        const char* name;
    };
    const Case cases[] = {
        {0x5A, 0, "Enter"},
        {0x5A, 0xE0, "Enter_num"},
        {0x75, 0xE0, "Up"},
        {0x75, 0, "8_num"},
        {0xE0, 0, "extended"},
        {0xE0, 0xE0, "extended"},
        {0xE0, 0x1C, "extended"},
        {0, 0, ""},
        {0, 0xE0, ""},
        {0x1F, 0, "Win_left"},
        {0x1F, 0xE0, "Win_left"},
        {0x84, 0, "key_132"},
        {0xF0, 0, "key_240"},
        {0xE1, 0, "key_225"},
        {0x61, 0, "key_97"},
        {0x7E, 0xE0, ""},
        {0x77, 0xE0, "Num_lock"},
        // The other extended rows without a name: F6, F7, F8, keypad -, 5, +.
        {0x0B, 0xE0, ""},
        {0x83, 0xE0, ""},
        {0x0A, 0xE0, ""},
        {0x7B, 0xE0, ""},
        {0x73, 0xE0, ""},
        {0x79, 0xE0, ""},
        {0x14, 0x12, "Ctrl_left"},
        {1000, 0, "key_1000"},
        {0x84, 0xE0, "key_132"},
        // F11 and F12 have no extended row: the code alone names them.
        {0x78, 0xE0, "key_120"},
        {0x07, 0xE0, "key_7"},
        {0x78, 0, "F11"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameOfCode(c.code, c.previous, {}), c.name) << c.code << " after " << c.previous;
    }
}

TEST(ScanCodeTables, KeysOutsideTheTablesProduceNothing) {
    // Past the table, rows without a key, and extended keys whose name row
    // would lie past the name table or whose code is 0.
    for (std::uint32_t set1 : {0x60u, 0x7Fu, 0xFFu, 0x100u}) {
        EXPECT_TRUE(TranslateKey(set1, false, {}).empty()) << set1;
        EXPECT_TRUE(TranslateKey(set1, true, {}).empty()) << set1;
    }
    for (std::uint32_t set1 : {0x00u, 0x55u, 0x56u, 0x59u, 0x5Au, 0x5Eu, 0x5Fu}) {
        EXPECT_TRUE(TranslateKey(set1, false, {}).empty()) << set1;
    }
    for (std::uint32_t set1 : {0x00u, 0x54u, 0x56u, 0x57u, 0x58u, 0x59u, 0x5Au, 0x5Eu, 0x5Fu}) {
        EXPECT_TRUE(TranslateKey(set1, true, {}).empty()) << set1;
    }
}

} // namespace
} // namespace vorlan
