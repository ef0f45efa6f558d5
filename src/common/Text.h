// Three kinds of text travel through the program in std::string, which says
// nothing of which one it holds:
//  - Latin-1 bytes: what a layout file holds (key names, prefixes, the file
//    name a log keeps), one byte one character;
//  - UTF-8 text: the string table, the screen, JSON, reports, code names;
//  - paths in the system's own form: UTF-8 on Windows, elsewhere the file
//    name's bytes, which need not be UTF-8 at all.
// Latin1Text and PathText carry the second and third kind where a value is
// handed on without its context (a message's values); each kind becomes UTF-8
// here and nowhere else (the Qt side: common/ui/QtText.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlan {

enum class TextKind : std::uint8_t { Utf8, Latin1, Path };

struct Latin1Text {
    std::string bytes;
    explicit Latin1Text(std::string_view text) : bytes(text) {}
};

struct PathText {
    std::string bytes;
    explicit PathText(std::string_view path) : bytes(path) {}
};

// Appends Latin-1 bytes as UTF-8: every byte is a character, none is lost.
inline void AppendLatin1AsUtf8(std::string& out, std::string_view bytes) {
    out.reserve(out.size() + bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
}

inline std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    AppendLatin1AsUtf8(out, bytes);
    return out;
}

// Appends a path as UTF-8 text to show: well-formed UTF-8 as it is, any other
// byte (a name made under a Latin-1 locale) as U+FFFD, as the window's file
// name decoding shows it.
void AppendPathAsUtf8(std::string& out, std::string_view path);

inline std::string PathToUtf8(std::string_view path) {
    std::string out;
    AppendPathAsUtf8(out, path);
    return out;
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0
// when it starts with a byte that begins none.
std::size_t Utf8SequenceLength(std::string_view text);

} // namespace vorlan
