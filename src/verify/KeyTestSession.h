// One key-by-key test: the plan, the matcher, what each key has shown so far
// and the lines of the test's log (unknown sequences, card reads). The test
// view only feeds it codes and shows its state.
#pragma once

#include "common/StringTable.h"
#include "verify/CodeStreamMatcher.h"
#include "verify/KeyTestPlan.h"

#include <string>
#include <vector>

namespace vorlan {

enum class KeyResult { NotTested, Passed, Failed };

struct TestLine {
    StreamEvent::Kind kind = StreamEvent::Kind::Unknown;
    CodeSequence codes;
    CardRead card;
    int expectedKey = -1; // the key selected when the line came, or -1
};

class KeyTestSession {
public:
    explicit KeyTestSession(KeyTestPlan plan);

    const KeyTestPlan& Plan() const { return plan_; }
    KeyResult Result(int key) const { return results_[static_cast<std::size_t>(key)]; }
    const std::vector<TestLine>& Lines() const { return lines_; }
    int TestedCount() const; // keys that matched at least once
    int KeyCount() const { return static_cast<int>(plan_.keys.size()); }

    // The key the user says comes next; -1 for none. A sequence that matches
    // no key marks it failed; a match of it ends the choice (none is expected
    // until the user chooses again).
    void SelectExpected(int key);
    int Expected() const { return expected_; }

    // Returns true when the state changed (results or lines).
    bool Feed(std::uint8_t code, std::int64_t timeMs);
    bool Tick(std::int64_t nowMs);
    bool Flush();
    bool Pending() const { return matcher_.Pending(); }
    std::int64_t DeadlineMs() const { return matcher_.DeadlineMs(); }

    // Every key back to not tested, the lines emptied, no key expected.
    void Reset();

private:
    bool Apply(std::vector<StreamEvent>& events);

    KeyTestPlan plan_;
    CodeStreamMatcher matcher_;
    std::vector<KeyResult> results_;
    std::vector<TestLine> lines_;
    int expected_ = -1;
};

// What a saved report names besides the keys.
struct ReportHeader {
    std::string layoutFile; // a path in the system's form (common/Text.h)
    std::string imageSha256;
    std::string dateTime; // "YYYY-MM-DD HH:MM:SS", local time
};

// The report as plain text (one line per key) and as one JSON object. Names
// are taken as the layout file's single-byte text, the layout's path as the
// system's, and both written as UTF-8. The
// JSON is for programs and keeps its English words.
std::string KeyTestReportText(const KeyTestSession& session, const ReportHeader& header,
                              const WordsOf& words = EnglishWords);
std::string KeyTestReportJson(const KeyTestSession& session, const ReportHeader& header);

// "unknown: Ctrl_left X", or the card line, as the test view lists it.
std::string TestLineText(const TestLine& line, const CodeNaming& naming,
                         const WordsOf& words = EnglishWords);

StringId KeyResultId(KeyResult result);

} // namespace vorlan
