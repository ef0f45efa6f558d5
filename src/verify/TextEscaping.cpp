#include "verify/TextEscaping.h"

#include <cstdio>

namespace vorlan {

std::string JsonString(std::string_view utf8) {
    std::string text = "\"";
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            text.push_back('\\');
            text.push_back(ch);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            text += escaped;
        } else {
            text.push_back(ch);
        }
    }
    return text + "\"";
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& ch : line) {
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) {
            ch = ' ';
        }
    }
    return line;
}

} // namespace vorlan
