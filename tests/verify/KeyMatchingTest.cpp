// The key test's core: which keys a layout offers, which of them cannot be
// told apart, and how a stream of codes is matched against them.
#include "layout/LayoutDocument.h"
#include "verify/CodeStreamMatcher.h"
#include "verify/KeyTestPlan.h"
#include "verify/KeyTestSession.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

constexpr std::uint8_t E0 = 0xE0;
constexpr std::uint8_t kCtrl = 0x14, kShift = 0x12, kA = 0x1C, kB = 0x32, kC = 0x21, kX = 0x22;

KeyTestPlan PlanOf(const std::vector<CodeSequence>& sequences, int keyDelayMs = 250) {
    KeyTestPlan plan;
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        plan.keys.push_back({static_cast<int>(i) + 1, "K" + std::to_string(i + 1), sequences[i]});
    }
    plan.ambiguities = FindAmbiguities(plan.keys);
    plan.keyDelayMs = keyDelayMs;
    return plan;
}

// Events as "K2", "?A B" (unknown) or "card 123..." for compact expectations.
std::string Describe(const KeyTestPlan& plan, const std::vector<StreamEvent>& events) {
    std::string text;
    for (const StreamEvent& e : events) {
        text += text.empty() ? "" : " | ";
        if (e.kind == StreamEvent::Kind::Key) {
            text += plan.keys[static_cast<std::size_t>(e.key)].name;
        } else if (e.kind == StreamEvent::Kind::Card) {
            text += "card " + e.card.digits;
        } else {
            text += "?" + CodeSequenceText(e.codes, {});
        }
    }
    return text;
}

struct Timed {
    std::uint8_t code;
    std::int64_t ms;
};

std::string Match(const KeyTestPlan& plan, const std::vector<Timed>& stream) {
    CodeStreamMatcher matcher(plan);
    std::vector<StreamEvent> events;
    for (const Timed& t : stream) {
        matcher.Feed(t.code, t.ms, events);
    }
    matcher.Flush(events);
    return Describe(plan, events);
}

TEST(CodeStreamMatcherTest, MatchesTheLongestKeyTheStreamAllows) {
    // K1 "A", K2 "A B", K3 "Ctrl_left C", K4 "Up", K5 "Shift_left A B".
    const KeyTestPlan plan =
        PlanOf({{kA}, {kA, kB}, {kCtrl, kC}, {E0, 0x75}, {kShift, kA, kB}}, 250);
    struct Row {
        const char* what;
        std::vector<Timed> stream;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"a key that another continues waits, then ends at the pause", {{kA, 0}}, "K1"},
        {"the longer key wins when its codes follow", {{kA, 0}, {kB, 3}}, "K2"},
        {"a code that continues nothing ends the shorter key", {{kA, 0}, {kC, 3}}, "K1 | ?C"},
        {"a modifier inside a sequence is part of it", {{kCtrl, 0}, {kC, 3}}, "K3"},
        {"a modifier alone matches nothing", {{kCtrl, 0}}, "?Ctrl_left"},
        {"shifted sequences keep their letters", {{kShift, 0}, {kA, 3}, {kB, 6}}, "K5"},
        {"an extended key is matched with its prefix", {{E0, 0}, {0x75, 3}}, "K4"},
        {"a pause longer than the key delay ends a sequence", {{kA, 0}, {kB, 300}}, "K1 | ?B"},
        {"a pause as long as the key delay does not", {{kA, 0}, {kB, 250}}, "K2"},
        {"unknown codes are kept together up to the pause",
         {{kX, 0}, {kA, 3}, {kB, 6}, {kA, 400}},
         "?X A B | K1"},
        {"keys one after another", {{kCtrl, 0}, {kC, 3}, {E0, 500}, {0x75, 503}}, "K3 | K4"},
        {"a broken sequence with a shorter key inside",
         {{kShift, 0}, {kA, 3}, {kX, 6}},
         "?Shift_left A X"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Match(plan, row.stream), row.expected) << row.what;
    }
}

TEST(CodeStreamMatcherTest, TickEndsAPendingSequenceOnlyAfterTheDelay) {
    const KeyTestPlan plan = PlanOf({{kA}, {kA, kB}}, 250);
    CodeStreamMatcher matcher(plan);
    std::vector<StreamEvent> events;
    matcher.Feed(kA, 1000, events);
    matcher.Tick(1250, events);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(matcher.DeadlineMs(), 1251);
    matcher.Tick(1251, events);
    EXPECT_EQ(Describe(plan, events), "K1");
    EXPECT_FALSE(matcher.Pending());
}

TEST(CodeStreamMatcherTest, ReadsRfidCardsAgainstTheOptions) {
    KeyTestPlan plan = PlanOf({{0x16}}); // "1" is a key of its own
    plan.rfidEnabled = true;
    plan.rfid.digitsCount = 4;
    plan.rfid.prefix = 0x05; // F1
    plan.rfid.suffix = 0x5A; // Enter, extended: keypad Enter
    plan.rfid.suffixExtended = true;
    const CodeSequence digits1234 = {0x16, 0x1E, 0x26, 0x25};
    const auto read = [&](CodeSequence codes) {
        CodeStreamMatcher matcher(plan);
        std::vector<StreamEvent> events;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            matcher.Feed(codes[i], static_cast<std::int64_t>(i), events);
        }
        matcher.Flush(events);
        EXPECT_EQ(events.size(), 1u);
        return events.empty() ? CardRead{} : events.front().card;
    };
    CodeSequence good = {0x05};
    good.insert(good.end(), digits1234.begin(), digits1234.end());
    good.insert(good.end(), {E0, 0x5A});
    const CardRead ok = read(good);
    EXPECT_EQ(ok.digits, "1234");
    EXPECT_TRUE(ok.prefixMatched && ok.suffixMatched && ok.countMatched && ok.numeric);

    // Five hexadecimal digits with a plain Enter, although numeric was asked.
    const CardRead bad = read({0x05, 0x16, 0x1C, 0x26, 0x25, 0x2E, 0x5A});
    EXPECT_EQ(bad.digits, "1A345");
    EXPECT_TRUE(bad.prefixMatched);
    EXPECT_FALSE(bad.suffixMatched || bad.countMatched || bad.numeric || bad.typeMatched);

    const std::optional<CardRead> noPrefix = ReadCard({0x16, 0x1E, E0, 0x5A}, plan.rfid);
    ASSERT_TRUE(noPrefix.has_value());
    EXPECT_FALSE(noPrefix->prefixMatched);
    EXPECT_TRUE(noPrefix->suffixMatched);
    EXPECT_FALSE(ReadCard({kCtrl, kC}, plan.rfid).has_value());
}

TEST(KeyTestPlanTest, FindsKeysThatCannotBeToldApart) {
    const KeyTestPlan plan = PlanOf({{kA, kB}, {kA}, {kC}, {kA, kB}, {kA, kB, kC}, {kB}});
    std::vector<std::string> found;
    for (const Ambiguity& a : plan.ambiguities) {
        found.push_back(std::to_string(a.shorter + 1) + (a.equal ? "=" : "<") +
                        std::to_string(a.longer + 1));
    }
    EXPECT_EQ(found, (std::vector<std::string>{"1=4", "1<5", "2<1", "2<4", "2<5", "4<5"}));
    EXPECT_FALSE(plan.IsAmbiguous(2));
    EXPECT_FALSE(plan.IsAmbiguous(5));
}

TEST(KeyTestPlanTest, TakesEachKeyOnceAsTheKeyboardStoresIt) {
    LayoutDocument doc;
    doc.settings.keyCount = 112;
    const auto program = [&](int k, std::vector<std::int32_t> codes, SpanKind kind) {
        std::copy(codes.begin(), codes.end(), doc.keys[static_cast<std::size_t>(k)].codes.begin());
        doc.spans[static_cast<std::size_t>(k)].kind = kind;
    };
    program(3, {kA, kB, kC, kX}, SpanKind::Double);
    program(11, {kA, kB, kC, kX}, SpanKind::Double);
    doc.spans[3].partners[0] = 11;
    doc.spans[11].partners[0] = 3;
    program(60, {0x84}, SpanKind::Single); // no key press reports 0x84
    program(70, {E0, 0x75}, SpanKind::Single);

    KeyTestPlan plan = MakeKeyTestPlan(doc, {});
    ASSERT_EQ(plan.keys.size(), 3u);
    EXPECT_EQ(plan.keys[0].slot, 3);
    EXPECT_EQ(plan.KeyAt(11, doc), 0);
    EXPECT_EQ(plan.keys[0].codes.size(), 4u);
    EXPECT_EQ(plan.untypable, std::vector<int>{1});
    EXPECT_EQ(plan.keyDelayMs, 750);

    // A 112-key 7/3scan keyboard keeps three codes of a key.
    doc.loadedVariant = KeyboardVariant::SevenThreeScan;
    plan = MakeKeyTestPlan(doc, {});
    EXPECT_EQ(plan.keys[0].codes, (CodeSequence{kA, kB, kC}));
    EXPECT_FALSE(plan.rfidEnabled);
}

TEST(KeyTestPlanTest, KeyPressesRoundTripThroughTheCapture) {
    std::vector<KeyDownEvent> presses;
    ASSERT_TRUE(KeyPressesOf({kCtrl, E0, 0x75, 0x77}, presses));
    ASSERT_EQ(presses.size(), 3u);
    EXPECT_EQ(presses[1].scanCode, 0x48u);
    EXPECT_TRUE(presses[1].extended);
    EXPECT_EQ(presses[2].key, KeyIdentity::NumLock);
    for (const CodeSequence& bad :
         {CodeSequence{E0}, CodeSequence{0xF0, kA}, CodeSequence{E0, 0x77}}) {
        EXPECT_FALSE(KeyPressesOf(bad, presses)) << CodeSequenceText(bad, {});
    }
    EXPECT_EQ(CodeSequenceText({kCtrl, E0, 0x75, 0x84}, {}), "Ctrl_left Up key_132");
}

TEST(KeyTestSessionTest, CountsTicksAndMarksTheExpectedKeyOnAMismatch) {
    KeyTestSession session(PlanOf({{kA}, {kB}, {kC}}));
    session.SelectExpected(1);
    session.Feed(kX, 0);
    session.Flush();
    EXPECT_EQ(session.Result(1), KeyResult::Failed);
    ASSERT_EQ(session.Lines().size(), 1u);
    EXPECT_EQ(TestLineText(session.Lines()[0], {}), "unknown: X");
    session.Feed(kB, 1000);
    EXPECT_EQ(session.Result(1), KeyResult::Passed);
    EXPECT_EQ(session.Expected(), -1); // the next is the user's to choose
    session.Feed(kA, 2000);
    EXPECT_EQ(session.TestedCount(), 2);

    // The path is the system's (UTF-8 here), kept as it is; a byte no UTF-8
    // holds (a name made under a Latin-1 locale) is shown as U+FFFD.
    const std::string json =
        KeyTestReportJson(session, {"/l/\xC3\xA9t\xC3\xA9.txt", "abc", "2024-01-02 03:04:05"});
    EXPECT_NE(json.find("\"layoutFile\": \"/l/\xC3\xA9t\xC3\xA9.txt\""), std::string::npos);
    EXPECT_NE(
        KeyTestReportText(session, {"/l/\xE9t.txt", "abc", "now"}).find("/l/\xEF\xBF\xBDt.txt"),
        std::string::npos);
    EXPECT_NE(json.find("\"name\": \"K2\", \"codes\": [50], \"codeNames\": \"B\", "
                        "\"result\": \"passed\""),
              std::string::npos);
    EXPECT_NE(json.find("\"result\": \"not tested\""), std::string::npos);
    const std::string text = KeyTestReportText(session, {"l.txt", "abc", "now"});
    EXPECT_NE(text.find("2 of 3 keys tested"), std::string::npos);
    EXPECT_NE(text.find("key 3\tK3\tC\tnot tested"), std::string::npos);

    session.SelectExpected(0);
    session.Reset();
    EXPECT_EQ(session.TestedCount(), 0);
    EXPECT_TRUE(session.Lines().empty());
    EXPECT_EQ(session.Expected(), -1);
}

// Stored reports are read key by key: one member a line, one key or event a
// line, and an empty list still spans two lines.
TEST(KeyTestSessionTest, TheJsonReportKeepsItsLayout) {
    KeyTestSession session(PlanOf({{kA}, {kA}, {kB}}));
    session.Feed(kB, 0);
    session.Flush();
    session.Feed(kX, 1000);
    session.Flush();
    EXPECT_EQ(KeyTestReportJson(session, {"/l/a\"b\\c\x1b.txt", "abc", "now"}),
              "{\n"
              "  \"layoutFile\": \"/l/a\\\"b\\\\c\\u001b.txt\",\n"
              "  \"imageSha256\": \"abc\",\n"
              "  \"dateTime\": \"now\",\n"
              "  \"tested\": 1,\n"
              "  \"keys\": [\n"
              "    {\"slot\": 1, \"name\": \"K1\", \"codes\": [28], \"codeNames\": \"A\", "
              "\"result\": \"not tested\", \"ambiguous\": true},\n"
              "    {\"slot\": 2, \"name\": \"K2\", \"codes\": [28], \"codeNames\": \"A\", "
              "\"result\": \"not tested\", \"ambiguous\": true},\n"
              "    {\"slot\": 3, \"name\": \"K3\", \"codes\": [50], \"codeNames\": \"B\", "
              "\"result\": \"passed\", \"ambiguous\": false}\n"
              "  ],\n"
              "  \"lines\": [\n"
              "    \"unknown: X\"\n"
              "  ]\n"
              "}\n");
    const KeyTestSession empty(PlanOf({}));
    EXPECT_EQ(KeyTestReportJson(empty, {"l.txt", "", ""}),
              "{\n  \"layoutFile\": \"l.txt\",\n  \"imageSha256\": \"\",\n  \"dateTime\": \"\",\n"
              "  \"tested\": 0,\n  \"keys\": [\n  ],\n  \"lines\": [\n  ]\n}\n");
}

// A chosen key that has been pressed is no longer expected: an unknown press
// after it is listed and marks no key.
TEST(KeyTestSessionTest, AnUnknownPressAfterTheChosenKeyMarksNoKey) {
    KeyTestSession session(PlanOf({{kA}, {kB}, {kC}}));
    session.SelectExpected(0);
    session.Feed(kA, 0);
    session.Flush();
    session.Feed(kX, 1000);
    session.Flush();
    EXPECT_EQ(session.Result(0), KeyResult::Passed);
    EXPECT_EQ(session.Result(1), KeyResult::NotTested);
    EXPECT_EQ(session.Result(2), KeyResult::NotTested);
    ASSERT_EQ(session.Lines().size(), 1u);
    EXPECT_EQ(session.Lines()[0].expectedKey, -1);
    EXPECT_EQ(session.Expected(), -1);
}

} // namespace
} // namespace vorlan
