#include "verify/KeyTestSession.h"

#include "verify/TextEscaping.h"

#include <algorithm>
#include <nlohmann/json.hpp>
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

StringId KeyResultId(KeyResult result) {
    switch (result) {
    case KeyResult::Passed:
        return StringId::KeyTestPassed;
    case KeyResult::Failed:
        return StringId::KeyTestFailed;
    case KeyResult::NotTested:
        break;
    }
    return StringId::KeyTestNotTested;
}

std::string TestLineText(const TestLine& line, const CodeNaming& naming, const WordsOf& words) {
    if (line.kind != StreamEvent::Kind::Card) {
        return FormatString(words(StringId::KeyTestUnknownLine, -1),
                            {CodeSequenceText(line.codes, naming)});
    }
    const CardRead& c = line.card;
    const auto okOrWrong = [&words](bool ok) {
        return words(ok ? StringId::KeyTestOk : StringId::KeyTestWrong, -1);
    };
    const StringId type = c.numeric       ? StringId::KeyTestNumeric
                          : c.typeMatched ? StringId::KeyTestHexadecimal
                                          : StringId::KeyTestNotNumeric;
    return FormatString(words(StringId::KeyTestCardLine, -1),
                        {c.digits, okOrWrong(c.prefixMatched), okOrWrong(c.suffixMatched),
                         std::to_string(c.digits.size()), okOrWrong(c.countMatched),
                         words(type, -1)});
}

std::string KeyTestReportText(const KeyTestSession& session, const ReportHeader& header,
                              const WordsOf& words) {
    const KeyTestPlan& plan = session.Plan();
    std::ostringstream out;
    out << words(StringId::KeyTestCaption, -1) << "\n"
        << FormatString(words(StringId::DoneLayout, -1), {PathToUtf8(header.layoutFile)}) << "\n"
        << FormatString(words(StringId::KeyTestReportImage, -1), {header.imageSha256}) << "\n"
        << FormatString(words(StringId::KeyTestReportDate, -1), {header.dateTime}) << "\n"
        << FormatString(words(StringId::KeyTestCounter, session.TestedCount()),
                        {std::to_string(session.KeyCount())})
        << "\n\n";
    for (int i = 0; i < session.KeyCount(); ++i) {
        const TestKey& key = plan.keys[static_cast<std::size_t>(i)];
        out << FormatString(words(StringId::KeyTestReportKey, -1), {std::to_string(key.slot)})
            << "\t" << Latin1ToUtf8(key.name) << "\t" << CodeSequenceText(key.codes, plan.naming)
            << "\t" << words(KeyResultId(session.Result(i)), -1);
        if (plan.IsAmbiguous(i)) {
            out << " " << words(StringId::KeyTestAmbiguous, -1);
        }
        out << "\n";
    }
    if (!session.Lines().empty()) {
        out << "\n";
    }
    for (const TestLine& line : session.Lines()) {
        out << TestLineText(line, plan.naming, words) << "\n";
    }
    return out.str();
}

namespace {

using Json = nlohmann::ordered_json;

std::string Scalar(const Json& value) {
    // Names come from single-byte files through Latin-1, so they are valid
    // UTF-8; should one not be, a replacement sign beats a lost report.
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A value on one line, with a blank after each comma and colon.
void AppendInline(const Json& value, std::string& out) {
    if (value.is_object()) {
        out += '{';
        const char* separator = "";
        for (const auto& [name, member] : value.items()) {
            out += separator;
            out += Scalar(name);
            out += ": ";
            AppendInline(member, out);
            separator = ", ";
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        const char* separator = "";
        for (const Json& element : value) {
            out += separator;
            AppendInline(element, out);
            separator = ", ";
        }
        out += ']';
    } else {
        out += Scalar(value);
    }
}

// One member of the report a line and one key or event a line, so a report
// reads (and compares) key by key; stored reports have this layout.
std::string ReportLayout(const Json& report) {
    std::string out = "{";
    const char* separator = "\n";
    for (const auto& [name, member] : report.items()) {
        out += separator;
        out += "  " + Scalar(name) + ": ";
        if (member.is_array()) {
            out += '[';
            const char* elementSeparator = "\n";
            for (const Json& element : member) {
                out += elementSeparator;
                out += "    ";
                AppendInline(element, out);
                elementSeparator = ",\n";
            }
            out += "\n  ]";
        } else {
            AppendInline(member, out);
        }
        separator = ",\n";
    }
    return out + "\n}\n";
}

} // namespace

std::string KeyTestReportJson(const KeyTestSession& session, const ReportHeader& header) {
    const KeyTestPlan& plan = session.Plan();
    Json keys = Json::array();
    for (int i = 0; i < session.KeyCount(); ++i) {
        const TestKey& key = plan.keys[static_cast<std::size_t>(i)];
        Json codes = Json::array();
        for (const std::uint8_t code : key.codes) {
            codes.push_back(static_cast<int>(code));
        }
        keys.push_back({{"slot", key.slot},
                        {"name", Latin1ToUtf8(key.name)},
                        {"codes", std::move(codes)},
                        {"codeNames", CodeSequenceText(key.codes, plan.naming)},
                        {"result", EnglishWords(KeyResultId(session.Result(i)))},
                        {"ambiguous", plan.IsAmbiguous(i)}});
    }
    Json lines = Json::array();
    for (const TestLine& line : session.Lines()) {
        lines.push_back(TestLineText(line, session.Plan().naming));
    }
    Json report;
    report["layoutFile"] = PathToUtf8(header.layoutFile);
    report["imageSha256"] = header.imageSha256;
    report["dateTime"] = header.dateTime;
    report["tested"] = session.TestedCount();
    report["keys"] = std::move(keys);
    report["lines"] = std::move(lines);
    return ReportLayout(report);
}

} // namespace vorlan
