// Turns the codes a keyboard sends, as the PC reports them, back into the keys
// of a layout. A key sends its whole sequence at once; a pause longer than the
// layout's key delay ends a sequence. Of the keys a sequence could be, the
// longest complete one is taken once no longer key can follow. Codes that
// match no key are collected up to the next pause and reported together; an
// RFID card read is reported as a card.
#pragma once

#include "verify/KeyTestPlan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlan {

// One card read checked against the layout's RFID options.
struct CardRead {
    std::string digits;
    bool prefixMatched = false; // also when the options name no prefix and none came
    bool suffixMatched = false;
    bool countMatched = false;
    bool numeric = false;     // only the digits 0..9
    bool typeMatched = false; // numeric as "Digits type - NUM" asks, or hexadecimal allowed
};

// Reads codes as a card: [prefix] digits [suffix], shift keys between digits
// ignored. Empty when the codes hold no digit or anything besides the three parts.
std::optional<CardRead> ReadCard(const CodeSequence& codes, const RfidOptions& rfid);

struct StreamEvent {
    enum class Kind { Key, Unknown, Card };
    Kind kind = Kind::Unknown;
    int key = -1; // Key: index into the plan's keys
    CodeSequence codes;
    CardRead card;
};

class CodeStreamMatcher {
public:
    explicit CodeStreamMatcher(const KeyTestPlan& plan);

    // A code received at timeMs (any monotonic clock). Appends the events it
    // completes: a pause before it ends the sequence before it.
    void Feed(std::uint8_t code, std::int64_t timeMs, std::vector<StreamEvent>& events);
    // Ends a pending sequence once the pause since its last code is longer
    // than the key delay.
    void Tick(std::int64_t nowMs, std::vector<StreamEvent>& events);
    // Ends a pending sequence now.
    void Flush(std::vector<StreamEvent>& events);

    bool Pending() const { return !buffer_.empty(); }
    // When Tick ends the pending sequence.
    std::int64_t DeadlineMs() const { return lastTimeMs_ + keyDelayMs_ + 1; }

private:
    struct Node {
        std::vector<std::pair<std::uint8_t, int>> children;
        int key = -1;      // the first key whose sequence ends here
        bool card = false; // the RFID prefix ends here
    };

    int Insert(const CodeSequence& codes);

    int Child(int node, std::uint8_t code) const;
    void Step(std::uint8_t code, std::vector<StreamEvent>& events);
    void EmitMatch(std::vector<StreamEvent>& events);
    void EndSequence(std::vector<StreamEvent>& events);
    void EmitUnmatched(std::vector<StreamEvent>& events);
    void Restart();

    std::vector<Node> nodes_;
    int keyDelayMs_;
    bool rfidEnabled_;
    RfidOptions rfid_;
    CodeSequence cardPrefix_;
    CodeSequence cardSuffix_;

    CodeSequence buffer_;
    int node_ = 0;
    int matchKey_ = -1; // the longest complete key in buffer_
    std::size_t matchLength_ = 0;
    bool unmatched_ = false; // no key can be made of buffer_ any more
    bool card_ = false;      // buffer_ began with the card prefix
    std::int64_t lastTimeMs_ = 0;
};

} // namespace vorlan
