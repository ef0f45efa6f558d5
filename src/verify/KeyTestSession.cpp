#include "verify/KeyTestSession.h"

#include "verify/TextEscaping.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace vorlan {

KeyTestSession::KeyTestSession(KeyTestPlan plan)
    : plan_(std::move(plan)), matcher_(plan_), results_(plan_.keys.size(), KeyResult::NotTested) {}

int KeyTestSession::TestedCount() const {
    return static_cast<int>(std::count(results_.begin(), results_.end(), KeyResult::Passed));
}

void KeyTestSession::SelectExpected(int key) {
    expected_ = key >= 0 && key < KeyCount() ? key : -1;
}

bool KeyTestSession::Feed(std::uint8_t code, std::int64_t timeMs) {
    std::vector<StreamEvent> events;
    matcher_.Feed(code, timeMs, events);
    return Apply(events);
}

bool KeyTestSession::Tick(std::int64_t nowMs) {
    std::vector<StreamEvent> events;
    matcher_.Tick(nowMs, events);
    return Apply(events);
}

bool KeyTestSession::Flush() {
    std::vector<StreamEvent> events;
    matcher_.Flush(events);
    return Apply(events);
}

void KeyTestSession::Reset() {
    std::vector<StreamEvent> dropped;
    matcher_.Flush(dropped);
    std::fill(results_.begin(), results_.end(), KeyResult::NotTested);
    lines_.clear();
    expected_ = -1;
}

bool KeyTestSession::Apply(std::vector<StreamEvent>& events) {
    for (StreamEvent& event : events) {
        if (event.kind == StreamEvent::Kind::Key) {
            results_[static_cast<std::size_t>(event.key)] = KeyResult::Passed;
            // The key the user chose has been shown; which key comes next
            // is the user's to say (a click), never guessed, so a later
            // unknown press marks no key the user did not choose.
            if (event.key == expected_) {
                expected_ = -1;
            }
            continue;
        }
        if (event.kind == StreamEvent::Kind::Unknown && expected_ >= 0) {
            results_[static_cast<std::size_t>(expected_)] = KeyResult::Failed;
        }
        lines_.push_back({event.kind, std::move(event.codes), std::move(event.card),
                          event.kind == StreamEvent::Kind::Unknown ? expected_ : -1});
    }
    return !events.empty();
}

std::string_view KeyResultName(KeyResult result) {
    switch (result) {
    case KeyResult::Passed:
        return "passed";
    case KeyResult::Failed:
        return "failed";
    case KeyResult::NotTested:
        break;
    }
    return "not tested";
}

std::string TestLineText(const TestLine& line) {
    if (line.kind != StreamEvent::Kind::Card) {
        return "unknown: " + CodeSequenceText(line.codes);
    }
    const CardRead& c = line.card;
    std::string text =
        "card " + c.digits + ": prefix " + (c.prefixMatched ? "ok" : "wrong") + ", suffix " +
        (c.suffixMatched ? "ok" : "wrong") + ", " + std::to_string(c.digits.size()) + " digits " +
        (c.countMatched ? "ok" : "wrong") + ", " + (c.numeric ? "numeric" : "not numeric");
    if (!c.typeMatched) {
        text += " (numeric expected)";
    }
    return text;
}

std::string KeyTestReportText(const KeyTestSession& session, const ReportHeader& header) {
    const KeyTestPlan& plan = session.Plan();
    std::ostringstream out;
    out << "Key test\nLayout: " << Latin1ToUtf8(header.layoutFile)
        << "\nImage SHA-256: " << header.imageSha256 << "\nDate: " << header.dateTime << "\n"
        << session.TestedCount() << " of " << session.KeyCount() << " keys tested\n\n";
    for (int i = 0; i < session.KeyCount(); ++i) {
        const TestKey& key = plan.keys[static_cast<std::size_t>(i)];
        out << "key " << key.slot << "\t" << Latin1ToUtf8(key.name) << "\t"
            << CodeSequenceText(key.codes) << "\t" << KeyResultName(session.Result(i));
        if (plan.IsAmbiguous(i)) {
            out << " (ambiguous)";
        }
        out << "\n";
    }
    if (!session.Lines().empty()) {
        out << "\n";
    }
    for (const TestLine& line : session.Lines()) {
        out << TestLineText(line) << "\n";
    }
    return out.str();
}

std::string KeyTestReportJson(const KeyTestSession& session, const ReportHeader& header) {
    const KeyTestPlan& plan = session.Plan();
    std::ostringstream out;
    out << "{\n  \"layoutFile\": " << JsonString(Latin1ToUtf8(header.layoutFile))
        << ",\n  \"imageSha256\": " << JsonString(header.imageSha256)
        << ",\n  \"dateTime\": " << JsonString(header.dateTime)
        << ",\n  \"tested\": " << session.TestedCount() << ",\n  \"keys\": [";
    for (int i = 0; i < session.KeyCount(); ++i) {
        const TestKey& key = plan.keys[static_cast<std::size_t>(i)];
        out << (i == 0 ? "\n" : ",\n") << "    {\"slot\": " << key.slot
            << ", \"name\": " << JsonString(Latin1ToUtf8(key.name)) << ", \"codes\": [";
        for (std::size_t c = 0; c < key.codes.size(); ++c) {
            out << (c == 0 ? "" : ", ") << static_cast<int>(key.codes[c]);
        }
        out << "], \"codeNames\": " << JsonString(CodeSequenceText(key.codes))
            << ", \"result\": " << JsonString(std::string(KeyResultName(session.Result(i))))
            << ", \"ambiguous\": " << (plan.IsAmbiguous(i) ? "true" : "false") << "}";
    }
    out << "\n  ],\n  \"lines\": [";
    bool first = true;
    for (const TestLine& line : session.Lines()) {
        out << (first ? "\n" : ",\n") << "    " << JsonString(TestLineText(line));
        first = false;
    }
    out << "\n  ]\n}\n";
    return out.str();
}

} // namespace vorlan
