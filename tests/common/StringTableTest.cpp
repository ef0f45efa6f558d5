#include "common/StringTable.h"

#include <gtest/gtest.h>
#include <set>

namespace vorlan {
namespace {

TEST(StringTable, LooksUpByIdAndEnumeratorAlike) {
    EXPECT_EQ(StringText(StringId::Error), "Error");
    EXPECT_EQ(StringText(32781), "Error");
    EXPECT_TRUE(StringText(1).empty());
}

TEST(StringTable, IdsAreUnique) {
    std::set<int> ids;
    int count = 0;
#define VORLAN_STRING(name, id, text)                                                              \
    ids.insert(id);                                                                                \
    ++count;
#include "common/strings/all.inc"
#undef VORLAN_STRING
    EXPECT_EQ(static_cast<int>(ids.size()), count);
    // The table the translation template is made from holds every entry.
    EXPECT_EQ(static_cast<int>(StringEntries().size()), count);
}

TEST(StringTable, FormatFillsPlaceholdersInOrder) {
    EXPECT_EQ(FormatString("Insert %s to key %d ?", {"Enter", "12"}), "Insert Enter to key 12 ?");
    EXPECT_EQ(FormatString("between %1 and %2.", {"1", "255"}), "between 1 and 255.");
    // Missing arguments leave the placeholder; a trailing '%' is kept.
    EXPECT_EQ(FormatString("%s and %s", {"a"}), "a and %s");
    EXPECT_EQ(FormatString("100%", {}), "100%");
}

} // namespace
} // namespace vorlan
