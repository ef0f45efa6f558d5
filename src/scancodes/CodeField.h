// Reading one scan code typed as a decimal number, with the refusal the user
// sees when the text is not a code.
#pragma once

#include "common/StringTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr std::uint32_t kMaxCode = 255;

struct CodeFieldResult {
    std::optional<std::uint32_t> value; // set when the text is a code 0..255
    StringId error = StringId::Error;   // otherwise the message to show
    std::string message;                // the message's English text, arguments filled in
};

// Blanks and tabs around the digits are allowed; a sign or an empty text is
// not a number. Numbers of any length are read without overflowing.
CodeFieldResult ParseCodeField(std::string_view text);

// The canonical text of a code: decimal, no leading zeros.
std::string CodeFieldText(std::uint32_t code);

} // namespace vorlan
