#include "keyboards/PcLayouts.h"

#include "editor/KeyFind.h"
#include "grid/KeyDescription.h"
#include "keyboards/SystemLayout.h"
#include "layout/LayoutDocument.h"
#include "printing/SheetPlan.h"
#include "scancodes/ScanCodeTables.h"
#include "verify/KeyTestPlan.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

#ifdef VORLAN_PC_LAYOUT_GENERATOR
#include <unistd.h>
#endif

namespace vorlan::keyboards {
namespace {

// Set-2 codes of the keys by what they type on a US keyboard.
constexpr std::uint32_t kUsQ = 0x15, kUsW = 0x1D, kUsY = 0x35, kUsZ = 0x1A, kUsA = 0x1C,
                        kUsM = 0x3A, kUsSemicolon = 0x4C, kUsGrave = 0x0E, kUsMinus = 0x4E,
                        kUsEqual = 0x55, kUsLeftBracket = 0x54, kUsRightBracket = 0x5B, kUs2 = 0x1E,
                        kUsQuote = 0x52, kUsBackslash = 0x5D, kUsSlash = 0x4A, kUsI = 0x43,
                        kLessGreater = 0x61, kNumDecimal = 0x71;

TEST(PcLayoutTables, EveryOfferedLayoutHasTheKeysOfTheUsTable) {
    ASSERT_EQ(PcLayouts().size(), 20u);
    const auto* us = FindPcLayout("us");
    ASSERT_NE(us, nullptr);
    for (const PcLayoutInfo& layout : PcLayouts()) {
        SCOPED_TRACE(std::string(layout.id));
        EXPECT_FALSE(StringText(layout.name).empty());
        for (std::uint32_t code = 1; code < 256; ++code) {
            EXPECT_EQ(FindKeySigns(layout.id, code) != nullptr, FindKeySigns("us", code) != nullptr)
                << code;
        }
        // Every layout types its digits on the number pad.
        EXPECT_STREQ(FindKeySigns(layout.id, 0x69)->sign, "1");
    }
    EXPECT_EQ(FindKeySigns("xx", kUsQ), nullptr);
    EXPECT_EQ(FindKeySigns("us", 0x12), nullptr); // Shift types nothing, so it has no row
}

struct SignCase {
    const char* layout;
    std::uint32_t code;
    const char* sign;
    const char* shift;
    const char* altGr; // nullptr: not checked
    std::uint8_t dead;
};

TEST(PcLayoutTables, CharacteristicKeysOfEachLayout) {
    const SignCase cases[] = {
        {"us", kUsY, "y", "Y", "", 0},
        {"us", kUsSemicolon, ";", ":", "", 0},
        {"gb", kUs2, "2", "\"", nullptr, 0},
        {"gb", kUsBackslash, "#", "~", nullptr, 0},
        {"de", kUsY, "z", "Z", nullptr, 0},
        {"de", kUsZ, "y", "Y", nullptr, 0},
        {"de", kUsSemicolon, "ö", "Ö", nullptr, 0},
        {"de", kUsGrave, "^", "°", nullptr, kDeadSign},
        {"de", kUsQ, "q", "Q", "@", 0},
        {"de", kUsMinus, "ß", "?", "\\", 0},
        {"de", kUsLeftBracket, "ü", "Ü", "¨", kDeadAltGr},
        {"at", kUsY, "z", "Z", nullptr, 0},
        {"ch", kUsSemicolon, "ö", "é", nullptr, 0},
        {"ch", kUsLeftBracket, "ü", "è", nullptr, 0},
        {"ch-fr", kUsSemicolon, "é", "ö", nullptr, 0},
        {"ch-fr", kUsLeftBracket, "è", "ü", nullptr, 0},
        {"fr", kUsQ, "a", "A", nullptr, 0},
        {"fr", kUsA, "q", "Q", nullptr, 0},
        {"fr", kUsM, ",", "?", nullptr, 0},
        {"fr", kUsSemicolon, "m", "M", nullptr, 0},
        {"fr", kUs2, "é", "2", "~", 0},
        {"fr", kUsLeftBracket, "^", "¨", nullptr, kDeadSign | kDeadShift},
        {"be", kUsQ, "a", "A", nullptr, 0},
        {"be", kUsW, "z", "Z", nullptr, 0},
        {"es", kUsSemicolon, "ñ", "Ñ", nullptr, 0},
        {"it", kUsSemicolon, "ò", "ç", nullptr, 0},
        {"pt", kUsSemicolon, "ç", "Ç", nullptr, 0},
        {"nl", kUsMinus, "/", "?", nullptr, 0},
        {"se", kUsSemicolon, "ö", "Ö", nullptr, 0},
        {"se", kUsQuote, "ä", "Ä", nullptr, 0},
        {"fi", kUsQuote, "ä", "Ä", nullptr, 0},
        {"dk", kUsSemicolon, "æ", "Æ", nullptr, 0},
        {"dk", kUsQuote, "ø", "Ø", nullptr, 0},
        {"no", kUsSemicolon, "ø", "Ø", nullptr, 0},
        {"no", kUsQuote, "æ", "Æ", nullptr, 0},
        {"pl", kUsY, "y", "Y", nullptr, 0},
        {"pl", kUsA, "a", "A", "ą", 0},
        {"cz", kUsY, "z", "Z", nullptr, 0},
        {"cz", kUs2, "ě", "2", nullptr, 0},
        {"hu", kUsY, "z", "Z", nullptr, 0},
        {"hu", kUsLeftBracket, "ő", "Ő", nullptr, 0},
        {"tr", kUsI, "ı", "I", nullptr, 0},
        {"tr", kUsLeftBracket, "ğ", "Ğ", nullptr, 0},
        {"de", kLessGreater, "<", ">", "|", 0},
        {"de", kNumDecimal, ",", "", nullptr, 0},
    };
    for (const SignCase& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " " + std::to_string(c.code));
        const PcKeySigns* key = FindKeySigns(c.layout, c.code);
        ASSERT_NE(key, nullptr);
        EXPECT_STREQ(key->sign, c.sign);
        EXPECT_STREQ(key->shift, c.shift);
        if (c.altGr != nullptr) {
            EXPECT_STREQ(key->altGr, c.altGr);
        }
        EXPECT_EQ(key->dead & (kDeadSign | kDeadShift), c.dead & (kDeadSign | kDeadShift));
        if ((c.dead & kDeadAltGr) != 0) {
            EXPECT_NE(key->dead & kDeadAltGr, 0);
        }
    }
}

TEST(PcLayoutNames, UsAndUnknownLayoutsGiveTheStandardNameOfEveryCode) {
    for (const std::string_view id : {"us", "", "xx", "ch-de"}) {
        const CodeNaming names = NamingFor(id); // as the window and vorlanctl choose a layout
        for (std::uint32_t previous : {0u, ExtendedPrefix}) {
            for (std::uint32_t code = 0; code < 256; ++code) {
                ASSERT_EQ(NameOfCode(code, previous, names), StandardNameOfCode(code, previous))
                    << id << " " << code << " after " << previous;
            }
        }
    }
}

struct NameCase {
    const char* layout;
    std::uint32_t code;
    std::uint32_t previous;
    const char* name;
};

TEST(PcLayoutNames, KeysThatTypeAnotherSignAreNamedByIt) {
    const NameCase cases[] = {
        {"de", kUsY, 0, "Z"},
        {"de", kUsZ, 0, "Y"},
        {"de", kUsSemicolon, 0, "Ö"},
        {"de", kUsMinus, 0, "ß"},
        {"de", kUsRightBracket, 0, "+"},
        {"de", kUsGrave, 0, "^_dead"},
        {"de", kUsEqual, 0, "´_dead"},
        {"de", kNumDecimal, 0, ",_num"},
        {"de", kLessGreater, 0, "<"},
        {"fr", kUsQ, 0, "A"},
        {"fr", kUsM, 0, ","},
        {"fr", kUsSemicolon, 0, "M"},
        {"fr", kUs2, 0, "é"},
        {"tr", kUsI, 0, "I"},
        {"tr", kUsLeftBracket, 0, "Ğ"},
        {"cz", kUs2, 0, "ě"},
        // Keys whose caps carry the country's word.
        {"fr", 0x5A, 0, "Entrée"},
        {"fr", 0x5A, ExtendedPrefix, "Enter_num"},
        {"es", 0x5A, 0, "Intro"},
        // Keys that type the same as on US, or nothing, keep their names.
        {"de", kUsQ, 0, "Q"},
        {"de", 0x12, 0, "Shift_left"},
        {"de", 0x03, 0, "F5"},
        {"de", 0x5A, ExtendedPrefix, "Enter_num"},
        {"gb", 0x5A, 0, "Enter"},
        {"de", 0x29, 0, "Space"},
        {"de", 0x69, 0, "1_num"},
        {"de", kUsY, ExtendedPrefix, "/"},
        {"gb", kUsQ, 0, "Q"},
        {"us", kLessGreater, 0, "key_97"},
        {"de", ExtendedPrefix, 0, "extended"},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(NameOfCode(c.code, c.previous, NamingFor(c.layout)), c.name)
            << c.layout << " " << c.code << " after " << c.previous;
    }
}

// The names given are the names used, and only where they are given: two
// namings side by side do not touch each other.
TEST(PcLayoutNames, TheGivenLayoutNamesCodesWhereverTheyAreShown) {
    LayoutDocument doc;
    doc.ResetToNew();
    doc.keys[1].codes = {static_cast<std::int32_t>(kUsY), static_cast<std::int32_t>(kUsSemicolon),
                         static_cast<std::int32_t>(kUs2)};
    const CodeNaming german = NamingFor("de");
    const CodeNaming czech = NamingFor("cz");
    EXPECT_EQ(NameOfCode(kUsY, 0, german), "Z");
    // The capture names a press as the layout types it too.
    ASSERT_EQ(TranslateKey(0x2C, false, german).size(), 1u);
    EXPECT_EQ(TranslateKey(0x2C, false, german)[0].name, "Y");
    // The sheet prints UTF-8: Ö of German and ů ě of Czech alike.
    EXPECT_EQ(CodeNamesText(doc, 1, german), "Z Ö 2");
    EXPECT_EQ(CodeNamesText(doc, 1, czech), "Z ů ě");
    EXPECT_EQ(NameOfCode(kUsY, 0, NamingFor("")), "Y");
    EXPECT_EQ(NameOfCode(kUsY, 0, CodeNaming{}), "Y");
    EXPECT_EQ(TranslateKey(0x2C, false, CodeNaming{})[0].name, "Z");
    EXPECT_EQ(CodeNamesText(doc, 1, CodeNaming{}), "Y ; 2");
    ScanCodeCapture capture(german);
    ASSERT_TRUE(capture.KeyDown({KeyIdentity::Other, 0x15, false})); // US Y
    EXPECT_EQ(capture.slotNames()[0], "Z");
    capture.SetNaming(CodeNaming{});
    capture.TakeEditedCodes(capture.slotCodes());
    EXPECT_EQ(capture.slotNames()[0], "Y");
}

bool BeyondLatin1(const std::string& utf8) {
    // Lead bytes from 0xC4 on start the code points from U+0100 on.
    return std::any_of(utf8.begin(), utf8.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xC4; });
}

// Each place that shows code names carries the layout's sign, also one beyond
// Latin-1, and find finds the key by it.
TEST(PcLayoutNames, SignsBeyondLatin1ReachEveryPlaceThatShowsCodeNames) {
    for (const std::string_view id : {"pl", "cz", "tr", "hu"}) {
        SCOPED_TRACE(std::string(id));
        const CodeNaming chosen = NamingFor(id);
        int beyond = 0;
        for (std::uint32_t code = 1; code < 256; ++code) {
            const std::string name = NameOfCode(code, 0, chosen);
            if (!BeyondLatin1(name)) {
                continue;
            }
            ++beyond;
            SCOPED_TRACE(name);
            LayoutDocument doc;
            doc.ResetToNew();
            doc.keys[1].codes = {static_cast<std::int32_t>(code)};
            doc.keys[1].name = ""; // so the cell shows the code names
            EXPECT_EQ(KeyCodeNames(doc.keys[1].codes, chosen), std::vector<std::string>{name});
            EXPECT_EQ(GridLabel(doc, 1, KeyImage::Single, chosen), name);
            const std::vector<UiMessage> tip = KeyToolTipLines(doc, 1, chosen);
            EXPECT_NE(std::find(tip.begin(), tip.end(), UiMessage{StringId::TipCodes, {name}}),
                      tip.end());
            EXPECT_EQ(CodeNamesText(doc, 1, chosen), name);
            EXPECT_EQ(CodeSequenceText(CodeSequence{static_cast<std::uint8_t>(code)}, chosen),
                      name);
            EXPECT_TRUE(KeyMatches(doc.keys[1], name, chosen));
            // The standard name still finds it, as before.
            EXPECT_TRUE(KeyMatches(doc.keys[1], StandardNameOfCode(code, 0), chosen));
        }
        if (id != "pl") { // Polish types its own letters with AltGr only
            EXPECT_GT(beyond, 0);
        }
    }
}

// Find ignores the case of accented letters too, in code names (UTF-8) and
// in key names (Latin-1 bytes) alike.
TEST(PcLayoutNames, FindMatchesSignsInEitherCase) {
    struct FindCase {
        const char* layout;
        std::uint32_t code;
        const char* name; // Latin-1 bytes; empty for none
        const char* query;
        bool found;
    };
    const FindCase cases[] = {
        {"tr", kUsSemicolon, "", "ş", true},
        {"tr", kUsLeftBracket, "", "ğ", true},
        {"tr", kUsQuote, "", "İ", true},
        {"tr", kUsI, "", "ı", false},
        {"cz", 0x26, "", "Š", true},
        {"cz", 0x26, "", "s", false},
        {"hu", kUsLeftBracket, "", "ő", true},
        {"pl", kUsA, "", "ą", false},
        {"pl", kUsA, "\xC4rger \xFF", "äR", true},
        {"pl", kUsA, "\xC4rger \xFF", "Ÿ", true},
        {"pl", kUsA, "\xC4rger", "\xE4r", true},
        {"pl", kUsA, "\xC4rger", "Ær", false},
    };
    for (const FindCase& c : cases) {
        KeyRecord key;
        key.codes = {static_cast<std::int32_t>(c.code)};
        key.name = c.name;
        EXPECT_EQ(KeyMatches(key, c.query, NamingFor(c.layout)), c.found)
            << c.layout << " " << c.query;
    }
}

TEST(SystemLayout, PlatformReportsGiveTheLayoutOrNothing) {
    struct XkbCase {
        const char* layouts;
        const char* variants;
        const char* id; // nullptr: none
    };
    const XkbCase xkb[] = {
        {"de", "", "de"},        {"de,us", ",", "de"},          {"ch", "fr", "ch-fr"},
        {"ch(fr)", "", "ch-fr"}, {"ch", "de_nodeadkeys", "ch"}, {"de(nodeadkeys)", "", "de"},
        {"us", "intl", "us"},    {"ru,us", "", nullptr},        {"", "", nullptr},
        {"DE", "", "de"},
    };
    for (const XkbCase& c : xkb) {
        const auto id = LayoutOfXkbNames(c.layouts, c.variants);
        EXPECT_EQ(id.value_or("none"), c.id == nullptr ? "none" : c.id) << c.layouts;
    }
    EXPECT_EQ(LayoutOfWindowsLanguage(0x0407).value_or("none"), "de");
    EXPECT_EQ(LayoutOfWindowsLanguage(0x100C).value_or("none"), "ch-fr");
    EXPECT_EQ(LayoutOfWindowsLanguage(0x0419).value_or("none"), "none");
    const std::pair<const char*, const char*> locales[] = {
        {"de_DE.UTF-8", "de"}, {"de_AT", "at"}, {"fr_CH.utf8", "ch-fr"}, {"de_CH", "ch"},
        {"en_GB@euro", "gb"},  {"en_US", "us"}, {"C", "none"},           {"ru_RU", "none"},
        {"nb-NO", "no"},       {"", "none"},
    };
    for (const auto& [locale, id] : locales) {
        EXPECT_EQ(LayoutOfLocale(locale).value_or("none"), id) << locale;
    }
}

TEST(SystemLayout, TheStoredChoiceSurvivesAndDecidesTheNames) {
    using Kind = PcLayoutChoice::Kind;
    const PcLayoutChoice choices[] = {
        {Kind::Automatic, ""}, {Kind::Standard, ""}, {Kind::Layout, "ch-fr"}};
    for (const PcLayoutChoice& choice : choices) {
        EXPECT_EQ(ParsePcLayoutChoice(StoredPcLayoutChoice(choice)), choice);
    }
    EXPECT_EQ(ParsePcLayoutChoice("garbage").kind, Kind::Automatic);
    EXPECT_EQ(EffectiveLayoutId({Kind::Automatic, ""}, "de"), "de");
    EXPECT_EQ(EffectiveLayoutId({Kind::Automatic, ""}, std::nullopt), "");
    EXPECT_EQ(EffectiveLayoutId({Kind::Standard, ""}, "de"), "");
    EXPECT_EQ(EffectiveLayoutId({Kind::Layout, "fr"}, "de"), "fr");
}

TEST(PcLayoutGenerator, RerunningItReproducesTheCheckedInTables) {
#ifndef VORLAN_PC_LAYOUT_GENERATOR
    GTEST_SKIP() << "built without libxkbcommon";
#else
    namespace fs = std::filesystem;
    const fs::path out =
        fs::temp_directory_path() / ("vorlan-pc-layouts-" + std::to_string(::getpid()) + ".cpp");
    const std::string command =
        std::string("\"") + VORLAN_PC_LAYOUT_GENERATOR + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto read = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string generated = read(out);
    fs::remove(out);
    EXPECT_GT(generated.size(), 10000u);
    EXPECT_TRUE(generated == read(VORLAN_PC_LAYOUT_TABLES))
        << "the checked-in tables differ from the keyboard data's: rebuild target "
           "vorlan_pc_layout_tables";
#endif
}

} // namespace
} // namespace vorlan::keyboards
