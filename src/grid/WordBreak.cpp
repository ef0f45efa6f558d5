#include "grid/WordBreak.h"

#include <vector>

namespace vorlan {

std::size_t NextCharacter(std::string_view text, std::size_t i) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
        ++i;
    }
    return i;
}

std::string BrokenPart(std::string_view word, std::size_t length) {
    std::string part(word.substr(0, length));
    if (!part.ends_with('-')) {
        part += '-';
    }
    return part;
}

std::size_t HyphenBreak(std::string_view word, const std::function<bool(std::string_view)>& fits,
                        const Hyphenator* hyphenator) {
    // After a hyphen of the word's own if one will do, as a compound is read;
    // longest first, since the fewer lines, the better the word reads.
    for (std::size_t cut = word.size() > 1 ? word.rfind('-', word.size() - 2) : 0;
         cut != std::string_view::npos && cut > 0; cut = word.rfind('-', cut - 1)) {
        if (fits(word.substr(0, cut + 1))) {
            return cut + 1;
        }
    }
    if (hyphenator == nullptr) {
        return 0;
    }
    const std::vector<std::size_t> points = hyphenator->Points(word);
    for (auto it = points.rbegin(); it != points.rend(); ++it) {
        if (fits(BrokenPart(word, *it))) {
            return *it;
        }
    }
    return 0;
}

} // namespace vorlan
