#include "printing/TextFit.h"

#include "grid/WordBreak.h"

#include <algorithm>

namespace vorlan {
namespace {

// Steps of about 4 %: fine enough that the next size would not fit much better.
constexpr double kSizeStep = 0.96;

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

// Whole words only; broken where the hyphenation patterns allow; or, as the
// last resort for a box narrower than a letter at the smallest size, anywhere.
enum class Breaks { None, Hyphenated, Anywhere };

// Greedy wrapping at `pt`; false when a word is too wide and cannot be broken.
bool Wrap(const std::vector<std::string_view>& words, double width, double pt,
          const TextMeasurer& m, Breaks breaks, const Hyphenator* hyphenator,
          std::vector<std::string>& lines) {
    lines.clear();
    std::string line;
    const auto fits = [&](std::string_view s) { return m.WidthMm(s, pt) <= width; };
    for (std::string_view word : words) {
        const std::string joined =
            line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
            line.clear();
        }
        if (!fits(word) && breaks == Breaks::None) {
            return false;
        }
        while (!fits(word)) {
            std::size_t n = HyphenBreak(word, fits, hyphenator);
            if (n > 0) {
                lines.push_back(BrokenPart(word, n));
            } else if (breaks == Breaks::Anywhere) {
                // The longest piece that fits, at least one character, never
                // inside a character's UTF-8 bytes.
                n = NextCharacter(word, 0);
                while (n < word.size() && fits(word.substr(0, NextCharacter(word, n)))) {
                    n = NextCharacter(word, n);
                }
                lines.emplace_back(word.substr(0, n));
            } else {
                return false;
            }
            word.remove_prefix(n);
        }
        line = word;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return true;
}

FittedText Fitted(std::vector<std::string> lines, double pt, const TextMeasurer& m) {
    FittedText result;
    result.lines = std::move(lines);
    result.fontPt = pt;
    for (const std::string& line : result.lines) {
        result.widthMm = std::max(result.widthMm, m.WidthMm(line, pt));
    }
    result.heightMm = static_cast<double>(result.lines.size()) * m.LineHeightMm(pt);
    return result;
}

bool FitsWhole(const std::vector<std::string_view>& words, double width, double height, double pt,
               const TextMeasurer& m, std::vector<std::string>& lines) {
    return Wrap(words, width, pt, m, Breaks::None, nullptr, lines) &&
           static_cast<int>(lines.size()) <= kMaxSetLines &&
           static_cast<double>(lines.size()) * m.LineHeightMm(pt) <= height;
}

} // namespace

FittedText FitText(std::string_view text, double widthMm, double heightMm,
                   const TextMeasurer& measurer, double maxPt, const Hyphenator* hyphenator) {
    const std::vector<std::string_view> words = Words(text);
    if (words.empty() || widthMm <= 0 || heightMm <= 0) {
        return {};
    }
    std::vector<std::string> lines;
    const auto tryAt = [&](double pt, Breaks breaks) {
        if (!Wrap(words, widthMm, pt, measurer, breaks, hyphenator, lines)) {
            return false;
        }
        return static_cast<double>(lines.size()) * measurer.LineHeightMm(pt) <= heightMm;
    };
    for (const Breaks breaks : {Breaks::None, Breaks::Hyphenated}) {
        // A maxPt below the unbroken floor is still tried whole once.
        const double floorPt =
            breaks == Breaks::None ? std::min(kMinUnbrokenPt, maxPt) : kSmallestPt;
        for (double pt = maxPt; pt >= floorPt; pt *= kSizeStep) {
            if (tryAt(pt, breaks)) {
                return Fitted(lines, pt, measurer);
            }
        }
    }
    tryAt(kSmallestPt, Breaks::Anywhere);
    return Fitted(lines, kSmallestPt, measurer);
}

double SetSize(const std::vector<SetEntry>& texts, const TextMeasurer& measurer, double maxPt) {
    double set = maxPt;
    std::vector<std::string> lines;
    for (const SetEntry& t : texts) {
        const std::vector<std::string_view> words = Words(t.text);
        if (words.empty()) {
            continue;
        }
        // Fitting at a size means fitting at every smaller one, so each name
        // only needs the sizes below the set's so far.
        for (double pt = set; pt >= kMinUnbrokenPt; pt *= kSizeStep) {
            if (FitsWhole(words, t.widthMm, t.heightMm, pt, measurer, lines)) {
                set = pt;
                break;
            }
        }
    }
    return set;
}

FittedText FitInSet(std::string_view text, double widthMm, double heightMm, double setPt,
                    const TextMeasurer& measurer, const Hyphenator* hyphenator) {
    const std::vector<std::string_view> words = Words(text);
    std::vector<std::string> lines;
    if (!words.empty() && FitsWhole(words, widthMm, heightMm, setPt, measurer, lines)) {
        return Fitted(lines, setPt, measurer);
    }
    return FitText(text, widthMm, heightMm, measurer, setPt, hyphenator);
}

} // namespace vorlan
