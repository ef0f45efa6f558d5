#include "common/StringTable.h"

#include "common/QuestionDefaults.h"
#include "common/TerminalText.h"
#include "common/UiMessage.h"

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

// A message's values say what they hold, and each becomes UTF-8 its own
// way: "été.txt" as a path stays itself, the same bytes read as Latin-1 would
// be "Ã©tÃ©.txt" (the fault this guards against); a key name of Latin-1 bytes
// becomes its characters; a path byte no UTF-8 holds becomes U+FFFD.
TEST(StringTable, MessageValuesBecomeUtf8AsTheirKindSays) {
    struct Case {
        UiArg value;
        std::string utf8;
    };
    const Case cases[] = {
        {PathText("/tmp/\xC3\xA9t\xC3\xA9.txt"), "/tmp/\xC3\xA9t\xC3\xA9.txt"}, // été.txt
        {PathText("\xC5\x81\xC3\xB3"
                  "d\xC5\xBA.txt"),
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA.txt"}, // Łódź.txt
        {PathText("\xCE\xA9mega \xD0\xB4\xD0\xBE\xD0\xBC.txt"),
         "\xCE\xA9mega \xD0\xB4\xD0\xBE\xD0\xBC.txt"},                    // Ωmega дом.txt
        {PathText("keys \xF0\x9F\x8E\xB9"), "keys \xF0\x9F\x8E\xB9"},     // 4 bytes
        {PathText("\xE9t\xE9"), "\xEF\xBF\xBDt\xEF\xBF\xBD"},             // Latin-1 bytes in a name
        {PathText("\xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80 \xE2\x82"),     // overlong, surrogate,
         "\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD " // past U+10FFFF,
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD"}, // cut
        {Latin1Text("Entr\xE9"
                    "e \xFF"),
         "Entr\xC3\xA9"
         "e \xC3\xBF"},
        {Latin1Text("\xC3\xA9"), "\xC3\x83\xC2\xA9"}, // Latin-1 bytes, whatever they look like
        {std::string("\xC3\xA9 12"), "\xC3\xA9 12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.Utf8(), c.utf8) << c.value.bytes;
        EXPECT_EQ((UiMessage{StringId::DoneLayout, {c.value}}.English()), "Layout: " + c.utf8);
    }
    // The terminal gets the same characters, its controls escaped, a file's
    // field cut.
    EXPECT_EQ(TerminalMessage({StringId::DoneLayout, {PathText("\xC3\xA9\x1b]0;x")}}),
              "Layout: \xC3\xA9\\x1b]0;x");
    EXPECT_EQ(TerminalMessage({StringId::DoneLayout, {Latin1Text("\xE9\n")}}),
              "Layout: \xC3\xA9\\x0a");
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
        {StringId::StationLeaveQuestion, No},
        {StringId::StationResume, Yes},
        {StringId::StationStopQuestion, No},
        {StringId::StationLayoutChanged, Yes},
        {StringId::KeyListNumberPadQuestion, Yes},
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
