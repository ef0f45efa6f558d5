#include "common/Text.h"

namespace vorlan {

std::size_t Utf8SequenceLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto at = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80; // bounds of the second byte: no overlong form, no surrogate
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || at(1) < low || at(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (at(i) < 0x80 || at(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

void AppendPathAsUtf8(std::string& out, std::string_view path) {
    out.reserve(out.size() + path.size());
    while (!path.empty()) {
        const std::size_t length = Utf8SequenceLength(path);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            path.remove_prefix(1);
        } else {
            out.append(path.substr(0, length));
            path.remove_prefix(length);
        }
    }
}

} // namespace vorlan
