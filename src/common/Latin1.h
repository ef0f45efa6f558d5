// Names are bytes in a layout file; reading them as Latin-1 keeps every byte
// when they are printed as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace vorlan {

inline std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

} // namespace vorlan
