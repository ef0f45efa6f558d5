// Where a word may be broken, as the hyphenation patterns of its language
// say. One Hyphenator holds one pattern dictionary; the words it is given are
// UTF-8 in any case, converted to the dictionary's own lower-case encoding
// for the lookup, so a break never depends on how the name is capitalised.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// Letters kept on either side of a pattern's break, at least; the
// dictionaries' own minimum wins where it is larger.
inline constexpr int kMinHyphenatedPart = 2;

class Hyphenator {
public:
    // nullptr when the file cannot be read or is in an encoding not known.
    static std::unique_ptr<Hyphenator> Load(const std::string& dictionaryFile,
                                            std::string language);
    ~Hyphenator();
    Hyphenator(const Hyphenator&) = delete;
    Hyphenator& operator=(const Hyphenator&) = delete;

    // Byte offsets into word (UTF-8) after which the patterns allow a break,
    // ascending. Runs of letters are hyphenated one by one: digits, marks and
    // the word's own hyphens separate them and are never broken next to.
    std::vector<std::size_t> Points(std::string_view word) const;

    // The language the dictionary was found for ("de", "fr_CH").
    const std::string& Language() const { return language; }

    enum class Encoding { Utf8, Latin1, Latin2 };

private:
    Hyphenator(void* dict, Encoding encoding, std::string language);
    void* dict; // the library's dictionary
    Encoding encoding;
    std::string language;
    mutable std::mutex mutex; // the library's lookup is not documented as reentrant
};

} // namespace vorlan
