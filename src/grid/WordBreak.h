// Breaking a word too wide for its line as a sign-maker does: the first part
// ends in a hyphen, and neither part is shorter than three characters, so a
// break always shows and never strands a letter or two. Shared by the key
// grid and the printed legends, so screen and paper break alike.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr int kMinWordPart = 3;

// Where the UTF-8 character after the one at i starts.
std::size_t NextCharacter(std::string_view text, std::size_t i);

// The first line of a broken word: its first `length` bytes and the hyphen,
// unless the part ends in a hyphen of its own.
std::string BrokenPart(std::string_view word, std::size_t length);

// The byte length of the longest first part of word whose BrokenPart
// `fits`, leaving at least kMinWordPart characters on either side, one that
// ends in the word's own hyphen preferred; 0 when no such part fits (or the
// word is too short to be broken).
std::size_t HyphenBreak(std::string_view word, const std::function<bool(std::string_view)>& fits);

} // namespace vorlan
