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

std::size_t HyphenBreak(std::string_view word, const std::function<bool(std::string_view)>& fits) {
    std::vector<std::size_t> starts; // byte offset of every character
    for (std::size_t i = 0; i < word.size(); i = NextCharacter(word, i)) {
        starts.push_back(i);
    }
    const auto count = static_cast<int>(starts.size());
    // After a hyphen of the word's own if one will do, as a compound is read;
    // longest first, since the fewer lines, the better the word reads.
    for (const bool ownHyphen : {true, false}) {
        for (int cut = count - kMinWordPart; cut >= kMinWordPart; --cut) {
            const std::size_t length = starts[static_cast<std::size_t>(cut)];
            if ((!ownHyphen || word[length - 1] == '-') && fits(BrokenPart(word, length))) {
                return length;
            }
        }
    }
    return 0;
}

} // namespace vorlan
