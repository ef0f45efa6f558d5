// Breaking a word too wide for its line where the hyphenation patterns of its
// language allow (see hyphenation/Hyphenator.h) or after a hyphen of its own,
// the first part ending in a hyphen. A word the patterns cannot break is not
// broken: it is set smaller. Shared by the key grid and the printed legends,
// so screen and paper break alike.
#pragma once

#include "hyphenation/Hyphenator.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vorlan {

// Where the UTF-8 character after the one at i starts.
std::size_t NextCharacter(std::string_view text, std::size_t i);

// The first line of a broken word: its first `length` bytes and the hyphen,
// unless the part ends in a hyphen of its own.
std::string BrokenPart(std::string_view word, std::size_t length);

// The byte length of the longest first part of word whose BrokenPart `fits`,
// cut after a hyphen of the word's own if one will do, else where the
// hyphenator's patterns allow; 0 when no such part fits (or there is no
// hyphenator and no hyphen of the word's own).
std::size_t HyphenBreak(std::string_view word, const std::function<bool(std::string_view)>& fits,
                        const Hyphenator* hyphenator);

} // namespace vorlan
