#include "keyboards/TextCodes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan::keyboards {
namespace {

using Codes = std::vector<std::uint32_t>;
constexpr std::uint32_t S = 0x12, X = 0xE0, AltR = 0x11; // Shift, extended, AltGr after X

struct TypeCase {
    const char* layout;
    const char* text;
    Codes codes;
    bool numberPad = false;
};

// What a user of each layout presses, as the capture records it.
TEST(CodesOfText, TypesAsAUserOfTheLayoutTypes) {
    const TypeCase cases[] = {
        {"us", "qwz", {0x15, 0x1D, 0x1A}},
        {"de", "qwz", {0x15, 0x1D, 0x35}}, // QWERTZ: z where US has y
        {"fr", "qwz", {0x1C, 0x1A, 0x1D}}, // AZERTY: q and a, w and z swapped
        {"be", "am", {0x15, 0x4C}},
        {"us", "A", {S, 0x1C}},
        {"us", "@", {S, 0x1E}},
        {"gb", "@", {S, 0x52}},
        {"de", "@", {X, AltR, 0x15}},
        {"ch", "@", {X, AltR, 0x1E}},
        {"es", "@", {X, AltR, 0x1E}},
        {"fr", "@", {X, AltR, 0x45}},
        {"de", "€", {X, AltR, 0x24}},
        {"gb", "€", {X, AltR, 0x25}},
        {"fr", "123", {S, 0x16, S, 0x1E, S, 0x26}}, // AZERTY digits need Shift
        {"be", "0", {S, 0x45}},
        {"fr", "é", {0x1E}},
        {"fr", "ê", {0x54, 0x24}}, // dead circumflex, then e
        {"de", "é", {0x55, 0x24}}, // dead acute, then e
        {"de", "^", {0x0E, 0x29}}, // the dead key's accent: then Space
        {"de", "`", {S, 0x55, 0x29}},
        {"es", "ñá", {0x4C, 0x52, 0x1C}},
        {"pl", "ą", {X, AltR, 0x1C}},
        {"tr", "ıi", {0x43, 0x52}},
        {"de", "ß", {0x4E}},
        {"us", "a b", {0x1C, 0x29, 0x32}},
        {"us", "{Enter}{Tab}{F5}{Enter_num}{Up}", {0x5A, 0x0D, 0x03, X, 0x5A, X, 0x75}},
        {"de", "{enter}", {0x5A}},
        {"fr", "{Entrée}", {0x5A}}, // the layout's own name of the key
        {"us", "{{", {S, 0x54}},
        {"de", "{{", {X, AltR, 0x3D}},
        {"fr", "158745{Enter}", {0x69, 0x73, 0x75, 0x6C, 0x6B, 0x73, 0x5A}, true},
        {"de", "158745{Enter}", {0x69, 0x73, 0x75, 0x6C, 0x6B, 0x73, 0x5A}, true},
        {"us", "", {}},
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + " " + c.text);
        const TextCodes result = CodesOfText({c.text, c.layout, c.numberPad});
        EXPECT_FALSE(result.refusal) << TextCodesMessage(result, c.text);
        EXPECT_EQ(result.codes, c.codes);
        EXPECT_FALSE(result.typesInstead);
        // And the codes read back as the text.
        const CodesText back = TextOfCodes(result.codes, c.layout);
        ASSERT_TRUE(back.text);
        EXPECT_EQ(CodesOfText({*back.text, c.layout, c.numberPad}).codes, c.codes);
    }
}

struct RefusalCase {
    const char* layout;
    const char* text;
    const char* message;
};

TEST(CodesOfText, RefusesWithWhatAndWhere) {
    const RefusalCase cases[] = {
        {"us", "caf\xC3\xA9", "\"é\" cannot be typed on a US PC keyboard (character 4)"},
        {"de", "x\xE2\x82\xACy\xE2\x98\x83",
         "\"☃\" cannot be typed on a German PC keyboard (character 4)"},
        {"us", "ab\xFFz", "\"\\xFF\" cannot be typed on a US PC keyboard (character 3)"},
        {"us", "abcdefghijklmnopq",
         "The text needs 17 codes and a key holds 16: it stops fitting at character 17"},
        {"us", "{Enter}AAAAAAAA",
         "The text needs 17 codes and a key holds 16: it stops fitting at character 15"},
        {"us", "1{Bogus}", "No key is named \"{Bogus}\" (character 2); write {{ for a brace"},
        {"us", "a{Enter", "The \"{\" at character 2 has no closing \"}\"; write {{ for a brace"},
        {"us", "%1{%2}", "No key is named \"{%2}\" (character 3); write {{ for a brace"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.text);
        const TextCodes result = CodesOfText({c.text, c.layout, false});
        EXPECT_TRUE(result.refusal);
        EXPECT_TRUE(result.codes.empty());
        EXPECT_EQ(TextCodesMessage(result, c.text), c.message);
    }
}

// The keyboard holds every code down until the key is let go, so a modifier
// stays on for what follows it.
TEST(CodesOfText, SaysWhatTheKeyTypesWhereAModifierWouldHaveToBeLetGo) {
    const struct {
        const char* layout;
        const char* text;
        const char* types;
    } cases[] = {
        {"us", "Aa", "AA"},
        {"fr", "ë", "Ë"},   // Shift for the dead diaeresis stays on for the e
        {"de", "@e", "@€"}, // and so does AltGr
        {"de", "@A", ""},   // AltGr and Shift: a level the layout does not type
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const TextCodes result = CodesOfText({c.text, c.layout, false});
        ASSERT_FALSE(result.refusal);
        ASSERT_TRUE(result.typesInstead);
        EXPECT_EQ(*result.typesInstead, c.types);
        EXPECT_NE(TextCodesMessage(result, c.text).find("holds each code down"), std::string::npos);
    }
}

TEST(TextOfCodes, SaysWhyCodesDoNotReadAsText) {
    const struct {
        const char* layout;
        Codes codes;
        NotTextReason reason;
    } cases[] = {
        {"us", {0x1C, S}, NotTextReason::ModifierAtEnd},
        {"de", {0x1C, 0x0E}, NotTextReason::DeadKeyAtEnd},
        {"us", {0x14, 0x21}, NotTextReason::Shortcut}, // Ctrl+C
        {"us", {0x1C, 0x02}, NotTextReason::UnknownCode},
        {"us", {0x58, 0x1C}, NotTextReason::NoSign}, // Caps Lock changes what follows
        {"us", {X}, NotTextReason::UnknownCode},
    };
    for (const auto& c : cases) {
        const CodesText text = TextOfCodes(c.codes, c.layout);
        EXPECT_FALSE(text.text);
        EXPECT_EQ(text.reason, c.reason);
    }
    // Codes stop at the first 0, as a key's 16 slots hold them.
    EXPECT_EQ(TextOfCodes({0x1C, 0, 0x32}, "us").text, "a");
    // Typed one key at a time, Shift is let go after the key it was for.
    EXPECT_EQ(TextOfCodes({S, 0x1C, 0x1C}, "us", ModifierRelease::AfterEachKey).text, "Aa");
    EXPECT_EQ(TextOfCodes({X, AltR, 0x54, 0x24}, "de", ModifierRelease::AfterEachKey).text, "ë");
    EXPECT_EQ(DisplayText("158745{Enter}{{x{F5}"), "158745⏎{x{F5}");
    EXPECT_EQ(CodeNamesIn("de", {0x35, X, 0x5A, 0x12}),
              (std::vector<std::string>{"Z", "extended", "Enter_num", "Shift_left"}));
}

} // namespace
} // namespace vorlan::keyboards
