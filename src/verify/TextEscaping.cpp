#include "verify/TextEscaping.h"

namespace vorlan {

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
