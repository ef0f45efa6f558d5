#include "scancodes/CodeField.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(CodeField, ReadsDecimalCodesAndRefusesTheRest) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> value;
        StringId error;
    };
    const Case cases[] = {
        {"0", 0, StringId::Error},
        {"255", 255, StringId::Error},
        {"07", 7, StringId::Error},
        {" \t42\t ", 42, StringId::Error},
        {"000000000000000000000255", 255, StringId::Error},
        {"256", std::nullopt, StringId::CodeOutOfRange},
        {"99999999999999999999999", std::nullopt, StringId::CodeOutOfRange},
        {"", std::nullopt, StringId::CodeNotPositiveInteger},
        {"  ", std::nullopt, StringId::CodeNotPositiveInteger},
        {"+5", std::nullopt, StringId::CodeNotPositiveInteger},
        {"-1", std::nullopt, StringId::CodeNotPositiveInteger},
        {"1 2", std::nullopt, StringId::CodeNotPositiveInteger},
        {"12a", std::nullopt, StringId::CodeNotPositiveInteger},
        {"0x10", std::nullopt, StringId::CodeNotPositiveInteger},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CodeFieldResult result = ParseCodeField(c.text);
        EXPECT_EQ(result.value, c.value);
        if (!c.value) {
            EXPECT_EQ(result.error, c.error);
        }
    }
}

TEST(CodeField, RefusalsCarryTheirMessages) {
    EXPECT_EQ(ParseCodeField("256").message, "Please enter an integer between 0 and 255.");
    EXPECT_EQ(ParseCodeField("").message, "Please enter a positive integer.");
}

} // namespace
} // namespace vorlan
