#include "programming/KeysPauseField.h"

namespace vorlan {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

KeysPauseResult ParseKeysPause(std::string_view text) {
    KeysPauseResult result;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digitsStart = i;
    // Saturates above the range, so a long number cannot overflow.
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (value <= kMaxKeysPause) {
            value = value * 10 + (text[i] - '0');
        }
        ++i;
    }
    const bool hasDigits = i > digitsStart;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (!hasDigits || i != text.size()) {
        result.error = StringId::NotAnInteger;
        return result;
    }
    if (negative && value != 0) {
        value = -1;
    }
    if (value < kMinKeysPause || value > kMaxKeysPause) {
        result.error = StringId::CodeOutOfRange;
        return result;
    }
    result.value = value;
    return result;
}

} // namespace vorlan
