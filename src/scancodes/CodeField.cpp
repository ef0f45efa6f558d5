#include "scancodes/CodeField.h"

namespace vorlan {

CodeFieldResult ParseCodeField(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    CodeFieldResult result;
    bool digitsOnly = !text.empty();
    for (char c : text) {
        digitsOnly = digitsOnly && c >= '0' && c <= '9';
    }
    if (!digitsOnly) {
        result.error = StringId::CodeNotPositiveInteger;
        result.message = std::string(StringText(result.error));
        return result;
    }
    // Saturate instead of overflowing: anything above the limit is refused alike.
    std::uint32_t value = 0;
    for (char c : text) {
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
        if (value > kMaxCode) {
            result.error = StringId::CodeOutOfRange;
            result.message =
                FormatString(StringText(result.error), {"0", std::to_string(kMaxCode)});
            return result;
        }
    }
    result.value = value;
    return result;
}

std::string CodeFieldText(std::uint32_t code) {
    return std::to_string(code);
}

} // namespace vorlan
