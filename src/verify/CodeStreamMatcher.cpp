#include "verify/CodeStreamMatcher.h"

#include "scancodes/ScanCodeTables.h"

#include <algorithm>
#include <array>

namespace vorlan {
namespace {

// The longest burst kept before it is reported anyway: a card of 13 digits
// with prefix, suffix and shift keys fits.
constexpr std::size_t kMaxBurst = 64;

struct DigitCode {
    std::uint8_t code;
    char digit;
};

// Main row, keypad, and the letters of hexadecimal card numbers.
constexpr std::array<DigitCode, 26> kDigitCodes = {{
    {0x45, '0'}, {0x16, '1'}, {0x1E, '2'}, {0x26, '3'}, {0x25, '4'}, {0x2E, '5'}, {0x36, '6'},
    {0x3D, '7'}, {0x3E, '8'}, {0x46, '9'}, {0x70, '0'}, {0x69, '1'}, {0x72, '2'}, {0x7A, '3'},
    {0x6B, '4'}, {0x73, '5'}, {0x74, '6'}, {0x6C, '7'}, {0x75, '8'}, {0x7D, '9'}, {0x1C, 'A'},
    {0x32, 'B'}, {0x21, 'C'}, {0x23, 'D'}, {0x24, 'E'}, {0x2B, 'F'},
}};

char DigitOf(std::uint8_t code) {
    for (const DigitCode& d : kDigitCodes) {
        if (d.code == code) {
            return d.digit;
        }
    }
    return 0;
}

bool IsShift(std::uint8_t code) {
    return code == 0x12 || code == 0x59;
}

bool StartsWith(const CodeSequence& codes, std::size_t at, const CodeSequence& part) {
    return codes.size() >= at + part.size() &&
           std::equal(part.begin(), part.end(), codes.begin() + static_cast<std::ptrdiff_t>(at));
}

} // namespace

std::optional<CardRead> ReadCard(const CodeSequence& codes, const RfidOptions& rfid) {
    const CodeSequence prefix = RfidAffix(rfid.prefix, rfid.prefixExtended);
    const CodeSequence suffix = RfidAffix(rfid.suffix, rfid.suffixExtended);
    CardRead card;
    std::size_t at = 0;
    card.prefixMatched = StartsWith(codes, 0, prefix);
    if (!prefix.empty() && card.prefixMatched) {
        at = prefix.size();
    }
    for (; at < codes.size(); ++at) {
        if (IsShift(codes[at])) {
            continue;
        }
        const char digit = DigitOf(codes[at]);
        if (digit == 0) {
            break;
        }
        card.digits.push_back(digit);
    }
    if (card.digits.empty()) {
        return std::nullopt;
    }
    const CodeSequence rest(codes.begin() + static_cast<std::ptrdiff_t>(at), codes.end());
    card.suffixMatched = rest == suffix;
    card.countMatched = card.digits.size() == rfid.digitsCount;
    card.numeric = std::all_of(card.digits.begin(), card.digits.end(),
                               [](char c) { return c >= '0' && c <= '9'; });
    card.typeMatched = card.numeric || !rfid.digitsTypeNum;
    return card;
}

CodeStreamMatcher::CodeStreamMatcher(const KeyTestPlan& plan)
    : keyDelayMs_(plan.keyDelayMs), rfidEnabled_(plan.rfidEnabled), rfid_(plan.rfid),
      cardPrefix_(RfidAffix(plan.rfid.prefix, plan.rfid.prefixExtended)),
      cardSuffix_(RfidAffix(plan.rfid.suffix, plan.rfid.suffixExtended)) {
    nodes_.emplace_back();
    if (rfidEnabled_ && !cardPrefix_.empty()) {
        nodes_[Insert(cardPrefix_)].card = true;
    }
    for (std::size_t k = 0; k < plan.keys.size(); ++k) {
        const int node = Insert(plan.keys[k].codes);
        if (node != 0 && nodes_[node].key < 0) {
            nodes_[node].key = static_cast<int>(k);
        }
    }
}

int CodeStreamMatcher::Insert(const CodeSequence& codes) {
    int node = 0;
    for (const std::uint8_t code : codes) {
        int next = Child(node, code);
        if (next < 0) {
            next = static_cast<int>(nodes_.size());
            nodes_[node].children.emplace_back(code, next);
            nodes_.emplace_back();
        }
        node = next;
    }
    return node;
}

int CodeStreamMatcher::Child(int node, std::uint8_t code) const {
    for (const auto& [c, child] : nodes_[node].children) {
        if (c == code) {
            return child;
        }
    }
    return -1;
}

void CodeStreamMatcher::Restart() {
    buffer_.clear();
    node_ = 0;
    matchKey_ = -1;
    matchLength_ = 0;
    unmatched_ = false;
    card_ = false;
}

void CodeStreamMatcher::Feed(std::uint8_t code, std::int64_t timeMs,
                             std::vector<StreamEvent>& events) {
    if (Pending() && timeMs - lastTimeMs_ > keyDelayMs_) {
        EndSequence(events);
    }
    lastTimeMs_ = timeMs;
    Step(code, events);
}

void CodeStreamMatcher::Tick(std::int64_t nowMs, std::vector<StreamEvent>& events) {
    if (Pending() && nowMs - lastTimeMs_ > keyDelayMs_) {
        EndSequence(events);
    }
}

void CodeStreamMatcher::Flush(std::vector<StreamEvent>& events) {
    EndSequence(events);
}

void CodeStreamMatcher::Step(std::uint8_t code, std::vector<StreamEvent>& events) {
    buffer_.push_back(code);
    if (card_ || unmatched_) {
        const bool cardEnds = card_ && !cardSuffix_.empty() &&
                              buffer_.size() > cardPrefix_.size() + cardSuffix_.size() &&
                              StartsWith(buffer_, buffer_.size() - cardSuffix_.size(), cardSuffix_);
        if (cardEnds || buffer_.size() >= kMaxBurst) {
            EmitUnmatched(events);
        }
        return;
    }
    const int next = Child(node_, code);
    if (next < 0) {
        if (matchKey_ >= 0) {
            // The longest key found so far ends before this code.
            EmitMatch(events);
        } else {
            // No key begins like this: the codes are kept until the pause.
            unmatched_ = true;
        }
        return;
    }
    node_ = next;
    if (nodes_[node_].card) {
        card_ = true;
        return;
    }
    if (nodes_[node_].key >= 0) {
        matchKey_ = nodes_[node_].key;
        matchLength_ = buffer_.size();
    }
    // Nothing longer can follow: the key is known now.
    if (nodes_[node_].children.empty()) {
        EmitMatch(events);
    }
}

void CodeStreamMatcher::EmitMatch(std::vector<StreamEvent>& events) {
    StreamEvent event;
    event.kind = StreamEvent::Kind::Key;
    event.key = matchKey_;
    const auto split = buffer_.begin() + static_cast<std::ptrdiff_t>(matchLength_);
    event.codes.assign(buffer_.begin(), split);
    const CodeSequence rest(split, buffer_.end());
    events.push_back(std::move(event));
    Restart();
    for (const std::uint8_t code : rest) {
        Step(code, events);
    }
}

void CodeStreamMatcher::EndSequence(std::vector<StreamEvent>& events) {
    while (!buffer_.empty()) {
        if (card_ || unmatched_ || matchKey_ < 0) {
            EmitUnmatched(events);
        } else {
            EmitMatch(events);
        }
    }
}

void CodeStreamMatcher::EmitUnmatched(std::vector<StreamEvent>& events) {
    StreamEvent event;
    event.codes = buffer_;
    if (rfidEnabled_) {
        if (std::optional<CardRead> card = ReadCard(buffer_, rfid_);
            card && (card_ || card->digits.size() >= 2)) {
            event.kind = StreamEvent::Kind::Card;
            event.card = std::move(*card);
        }
    }
    events.push_back(std::move(event));
    Restart();
}

} // namespace vorlan
