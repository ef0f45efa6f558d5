// Reading the keys pause (the pause between keys, in ms) typed into the
// keyboard settings dialog, with the refusal the user sees.
#pragma once

#include "common/StringTable.h"

#include <optional>
#include <string_view>

namespace vorlan {

inline constexpr int kMinKeysPause = 1;
inline constexpr int kMaxKeysPause = 255;

struct KeysPauseResult {
    std::optional<int> value;                // set when the text is a pause 1..255
    StringId error = StringId::NotAnInteger; // otherwise: NotAnInteger or CodeOutOfRange
};

// An integer is optional blanks, an optional sign and at least one digit,
// then optional blanks; numbers of any length are read without overflowing.
// An integer outside 1..255 is refused with the range message (its
// arguments are kMinKeysPause and kMaxKeysPause).
KeysPauseResult ParseKeysPause(std::string_view text);

} // namespace vorlan
