#include "hyphenation/Hyphenator.h"

#include <cstdlib>
#include <cstring>

#ifdef VORLAN_HAVE_HYPHEN
#include <hyphen.h>
#endif

namespace vorlan {
#ifdef VORLAN_HAVE_HYPHEN
namespace {

struct Letter {
    std::size_t start = 0; // byte offset in the word
    std::size_t end = 0;
    char32_t lower = 0; // 0: no letter
};

// Decodes one UTF-8 character; a malformed byte is taken as itself.
char32_t Decode(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = more == 3 ? b & 0x07u : more == 2 ? b & 0x0Fu : more == 1 ? b & 0x1Fu : b;
    if (b >= 0x80 && more == 0) {
        return b;
    }
    while (more-- > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) {
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
    }
    return c;
}

// The lower case of the letters names are written in (Latin-1 and the
// Central European letters of Latin Extended-A); 0 for anything else.
char32_t LowerLetter(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7)) {
        return c;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c | 1u;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1u) != 0 ? c + 1 : c;
    }
    return 0;
}

// The byte of a lower-case letter in ISO 8859-2 (the Polish letters and
// those it shares with Latin-1); 0 when it has none.
unsigned char Latin2(char32_t c) {
    struct Pair {
        char32_t code;
        unsigned char byte;
    };
    static constexpr Pair pairs[] = {
        {0x105, 0xB1}, {0x107, 0xE6}, {0x119, 0xEA}, {0x142, 0xB3}, {0x144, 0xF1},
        {0x15B, 0xB6}, {0x17A, 0xBC}, {0x17C, 0xBF}, {0x10D, 0xE8}, {0x10F, 0xEF},
        {0x11B, 0xEC}, {0x148, 0xF2}, {0x159, 0xF8}, {0x161, 0xB9}, {0x165, 0xBB},
        {0x16F, 0xF9}, {0x17E, 0xBE}, {0x13A, 0xE5}, {0x13E, 0xB5}, {0x155, 0xE0},
    };
    if (c < 0x80) {
        return static_cast<unsigned char>(c);
    }
    static constexpr char32_t shared[] = {0xDF, 0xE1, 0xE2, 0xE4, 0xE7, 0xE9, 0xEB, 0xED,
                                          0xEE, 0xF3, 0xF4, 0xF6, 0xFA, 0xFC, 0xFD};
    for (const char32_t s : shared) {
        if (s == c) {
            return static_cast<unsigned char>(c);
        }
    }
    for (const Pair& p : pairs) {
        if (p.code == c) {
            return p.byte;
        }
    }
    return 0;
}

// Appends a letter in the dictionary's encoding; false when it has none.
bool Encode(char32_t c, Hyphenator::Encoding encoding, std::string& out) {
    switch (encoding) {
    case Hyphenator::Encoding::Latin1:
        if (c > 0xFF) {
            return false;
        }
        out += static_cast<char>(c);
        return true;
    case Hyphenator::Encoding::Latin2: {
        const unsigned char b = Latin2(c);
        if (b == 0) {
            return false;
        }
        out += static_cast<char>(b);
        return true;
    }
    case Hyphenator::Encoding::Utf8:
        break;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return true;
}

} // namespace
#endif

Hyphenator::Hyphenator(void* theDict, Encoding theEncoding, std::string theLanguage)
    : dict(theDict), encoding(theEncoding), language(std::move(theLanguage)) {}

#ifdef VORLAN_HAVE_HYPHEN

std::unique_ptr<Hyphenator> Hyphenator::Load(const std::string& dictionaryFile,
                                             std::string language) {
    HyphenDict* d = hnj_hyphen_load(dictionaryFile.c_str());
    if (d == nullptr) {
        return nullptr;
    }
    Encoding encoding = Encoding::Utf8;
    const std::string_view cset(d->cset);
    if (d->utf8 != 0) {
        encoding = Encoding::Utf8;
    } else if (cset.starts_with("ISO8859-1") || cset.starts_with("ISO8859-15")) {
        encoding = Encoding::Latin1;
    } else if (cset.starts_with("ISO8859-2")) {
        encoding = Encoding::Latin2;
    } else {
        hnj_hyphen_free(d);
        return nullptr;
    }
    return std::unique_ptr<Hyphenator>(new Hyphenator(d, encoding, std::move(language)));
}

Hyphenator::~Hyphenator() {
    hnj_hyphen_free(static_cast<HyphenDict*>(dict));
}

std::vector<std::size_t> Hyphenator::Points(std::string_view word) const {
    std::vector<Letter> letters;
    for (std::size_t i = 0; i < word.size();) {
        Letter l;
        l.start = i;
        l.lower = LowerLetter(Decode(word, i));
        l.end = i;
        letters.push_back(l);
    }
    std::vector<std::size_t> points;
    std::string run;
    std::vector<char> hyphens;
    const std::lock_guard lock(mutex);
    for (std::size_t first = 0; first < letters.size();) {
        run.clear();
        std::size_t last = first;
        while (last < letters.size() && letters[last].lower != 0 &&
               Encode(letters[last].lower, encoding, run)) {
            ++last;
        }
        const std::size_t count = last - first;
        if (count >= 2 * kMinHyphenatedPart) {
            hyphens.assign(run.size() + 5, '0');
            char** rep = nullptr;
            int* pos = nullptr;
            int* cut = nullptr;
            hnj_hyphen_hyphenate3(static_cast<HyphenDict*>(dict), run.data(),
                                  static_cast<int>(run.size()), hyphens.data(), nullptr, &rep, &pos,
                                  &cut, kMinHyphenatedPart, kMinHyphenatedPart, kMinHyphenatedPart,
                                  kMinHyphenatedPart);
            // One mark per letter; a break that changes the spelling (an old
            // German "ck" to "k-k") is left out, the name is shown as written.
            for (std::size_t k = 0; k + 1 < count; ++k) {
                if ((hyphens[k] & 1) != 0 && (rep == nullptr || rep[k] == nullptr)) {
                    points.push_back(letters[first + k].end);
                }
            }
            if (rep != nullptr) {
                for (std::size_t k = 0; k < count; ++k) {
                    std::free(rep[k]);
                }
                std::free(rep);
                std::free(pos);
                std::free(cut);
            }
        }
        first = last == first ? last + 1 : last;
    }
    return points;
}

#else

std::unique_ptr<Hyphenator> Hyphenator::Load(const std::string&, std::string) {
    return nullptr;
}

Hyphenator::~Hyphenator() = default;

std::vector<std::size_t> Hyphenator::Points(std::string_view) const {
    return {};
}

#endif

} // namespace vorlan
