// The keys pause as typed into the settings dialog.
#include "programming/KeysPauseField.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct Row {
    const char* text;
    int value; // 0: refused
    StringId error;
};

TEST(KeysPauseField, AcceptsIntegersFromOneTo255Only) {
    const Row rows[] = {
        {"1", 1, {}},
        {"255", 255, {}},
        {" 42\t", 42, {}},
        {"007", 7, {}},
        {"+8", 8, {}},
        {"0", 0, StringId::CodeOutOfRange},
        {"256", 0, StringId::CodeOutOfRange},
        {"-3", 0, StringId::CodeOutOfRange},
        {"-0", 0, StringId::CodeOutOfRange},
        {"4294967297", 0, StringId::CodeOutOfRange},
        {"123456789012345678901234567890", 0, StringId::CodeOutOfRange},
        {"", 0, StringId::NotAnInteger},
        {"   ", 0, StringId::NotAnInteger},
        {"-", 0, StringId::NotAnInteger},
        {"12a", 0, StringId::NotAnInteger},
        {"1 2", 0, StringId::NotAnInteger},
        {"0x10", 0, StringId::NotAnInteger},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const KeysPauseResult result = ParseKeysPause(row.text);
        if (row.value != 0) {
            ASSERT_TRUE(result.value.has_value());
            EXPECT_EQ(*result.value, row.value);
        } else {
            EXPECT_FALSE(result.value.has_value());
            EXPECT_EQ(result.error, row.error);
        }
    }
}

} // namespace
} // namespace vorlan
