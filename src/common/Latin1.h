// Names are bytes in a layout file; reading them as Latin-1 keeps every byte
// when they are printed as UTF-8.
#pragma once

#include <optional>
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

// UTF-8 as Latin-1 bytes; nullopt when a character has no Latin-1 byte or
// the text is not UTF-8.
inline std::optional<std::string> Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += utf8[i];
            continue;
        }
        // Only U+0080..U+00FF fit: a two-byte sequence led by C2 or C3.
        if ((b != 0xC2 && b != 0xC3) || i + 1 == utf8.size()) {
            return std::nullopt;
        }
        const auto next = static_cast<unsigned char>(utf8[++i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        out += static_cast<char>(((b & 0x03) << 6) | (next & 0x3F));
    }
    return out;
}

} // namespace vorlan
