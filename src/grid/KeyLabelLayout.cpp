#include "grid/KeyLabelLayout.h"

#include "grid/WordBreak.h"

#include <algorithm>

namespace vorlan {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool BreaksAfter(char c) {
    return c == '_' || c == '-' || c == '/';
}

// The longest prefix of text that fits, whole characters, at least one when
// that fits.
std::size_t FittingPrefix(std::string_view text, int size, int width, bool ellipsis,
                          const LabelMeasure& measure) {
    std::size_t n = 0;
    while (n < text.size() &&
           measure.Width(size, text.substr(0, NextCharacter(text, n)), ellipsis) <= width) {
        n = NextCharacter(text, n);
    }
    return n;
}

struct Line {
    std::string text;
    std::size_t consumed = 0; // bytes of the input the line takes; 0: no line fits
};

// Splits off the first line of text: where a break is allowed within what
// fits, else (with splitWords, the names' hyphenator) inside the first word
// where its patterns allow. No line
// when no character fits or a word would have to be split. The break
// characters are ASCII, so a cut at one never falls inside a UTF-8 character.
Line FirstLine(std::string_view text, int size, int width, const Hyphenator* splitWords,
               const LabelMeasure& measure) {
    const std::size_t n = FittingPrefix(text, size, width, false, measure);
    if (n == 0 || n == text.size()) {
        return {std::string(text.substr(0, n)), n};
    }
    for (std::size_t cut = n; cut > 0; --cut) {
        if (text[cut] == ' ' || BreaksAfter(text[cut - 1])) {
            return {std::string(text.substr(0, cut)), cut};
        }
    }
    if (!splitWords) {
        return {};
    }
    const std::string_view word = text.substr(0, text.find(' '));
    const std::size_t cut = HyphenBreak(
        word, [&](std::string_view part) { return measure.Width(size, part, false) <= width; },
        splitWords);
    return cut == 0 ? Line{} : Line{BrokenPart(word, cut), cut};
}

// Wraps text into at most `lines` lines; false when some is left over, with
// the rest in `rest`.
bool Wrap(std::string_view text, int size, int width, int lines, const Hyphenator* splitWords,
          const LabelMeasure& measure, LabelLayout& out, std::string_view& rest) {
    rest = Trim(text);
    while (!rest.empty() && static_cast<int>(out.lines.size()) < lines) {
        const Line line = FirstLine(rest, size, width, splitWords, measure);
        if (line.consumed == 0) {
            return false;
        }
        out.lines.emplace_back(Trim(line.text));
        rest = Trim(rest.substr(line.consumed));
    }
    return rest.empty();
}

} // namespace

LabelLayout LayoutLabel(std::string_view text, int width, int height, const std::vector<int>& sizes,
                        const LabelMeasure& measure, const Hyphenator* hyphenator) {
    text = Trim(text);
    if (text.empty() || width <= 0) {
        return {};
    }
    int smallest = 0;
    int smallestLines = 0;
    // Whole words at a smaller size read better than split ones at a larger.
    for (const bool split : {false, true}) {
        if (split && hyphenator == nullptr) {
            break;
        }
        const Hyphenator* splitWords = split ? hyphenator : nullptr;
        for (const int size : sizes) {
            const int lineHeight = measure.LineHeight(size);
            const int lines = lineHeight > 0 ? std::min(kMaxLabelLines, height / lineHeight) : 0;
            if (lines == 0) {
                continue;
            }
            LabelLayout layout{size, {}, false};
            std::string_view rest;
            if (Wrap(text, size, width, lines, splitWords, measure, layout, rest)) {
                return layout;
            }
            smallest = size;
            smallestLines = lines;
        }
    }
    if (smallest == 0) {
        return {};
    }
    // Too long for every size: the smallest, with the last line elided.
    LabelLayout layout{smallest, {}, true};
    std::string_view rest;
    Wrap(text, smallest, width, smallestLines - 1, hyphenator, measure, layout, rest);
    const std::size_t n = FittingPrefix(rest, smallest, width, true, measure);
    layout.lines.emplace_back(Trim(rest.substr(0, n)));
    return layout;
}

} // namespace vorlan
