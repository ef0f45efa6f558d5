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

// A translation is looked up by its English text (and note): two entries
// with one text and no note between them would share one translation, and
// the second's would never reach the screen. A note stands only where needed.
TEST(StringTable, EveryTextIsUniqueOrToldApart) {
    std::map<std::pair<std::string_view, std::string_view>, int> seen;
    std::map<std::string_view, int> plain; // the entry of a text without a note
    for (const StringEntry& e : StringEntries()) {
        const std::string_view note = StringDisambiguation(e.id);
        const auto [at, fresh] = seen.emplace(std::pair(e.text, note), e.id);
        EXPECT_TRUE(fresh) << e.id << " and " << at->second << ": \"" << e.text << '"';
        if (note.empty()) {
            plain.emplace(e.text, e.id);
        }
    }
    for (const StringEntry& e : StringEntries()) {
        if (!StringDisambiguation(e.id).empty()) {
            EXPECT_TRUE(plain.contains(e.text)) << e.id << " needs no note: \"" << e.text << '"';
        }
    }
    EXPECT_FALSE(StringDisambiguation(StringId::StationRowPassed).empty());
    EXPECT_TRUE(StringDisambiguation(StringId::KeyTestPassed).empty());
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
