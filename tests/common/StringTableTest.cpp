#include "common/StringTable.h"

#include "common/QuestionDefaults.h"

#include <gtest/gtest.h>
#include <map>
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

// Every question of the program (every text that asks) and the answer Enter
// gives: No wherever Yes replaces or throws away something.
TEST(StringTable, EveryQuestionHasItsDefaultAnswer) {
    using enum DefaultAnswer;
    const std::map<StringId, DefaultAnswer> questions = {
        {StringId::AskSaveCurrentFile, Yes},
        {StringId::AskClearKey, No},
        {StringId::AskClearAll, No},
        {StringId::AskInsertKey, No},
        {StringId::AskReplaceKey, No},
        {StringId::AskOverwriteChanged, No},
        {StringId::AskOverwriteRemoved, Yes},
        {StringId::AskReloadChanged, Yes},
        {StringId::AskReloadLosingChanges, No},
        {StringId::AskRecover, Yes},
        {StringId::AskRecoverUntitled, Yes},
        {StringId::AskDiscardRecovery, No},
        {StringId::LossAsk, No},
        {StringId::ExportReplaceAsk, No},
        {StringId::ExportLargeAsk, Yes},
        {StringId::BatchSaveFirst, Yes},
        {StringId::StationEndQuestion, No},
        {StringId::StationResume, Yes},
        {StringId::StationStopQuestion, No},
    };
    for (const StringEntry& e : StringEntries()) {
        if (e.text.find('?') != std::string_view::npos) {
            EXPECT_TRUE(questions.contains(static_cast<StringId>(e.id))) << e.text;
        }
    }
    for (const auto& [question, answer] : questions) {
        EXPECT_EQ(DefaultAnswerOf(question), answer) << StringText(question);
    }
}

} // namespace
} // namespace vorlan
