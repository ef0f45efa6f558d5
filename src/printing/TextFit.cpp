#include "printing/TextFit.h"

#include <algorithm>

namespace vorlan {
namespace {

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

// Where the UTF-8 character after the one at i starts.
std::size_t NextCharacter(std::string_view text, std::size_t i) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
        ++i;
    }
    return i;
}

// Greedy wrapping at `pt`; false when a word is too wide and breaking is not allowed.
bool Wrap(const std::vector<std::string_view>& words, double width, double pt,
          const TextMeasurer& m, bool breakWords, std::vector<std::string>& lines) {
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
        if (fits(word)) {
            line = word;
            continue;
        }
        if (!breakWords) {
            return false;
        }
        // Break the word into the longest pieces that fit, at least one
        // character each, never inside a character's UTF-8 bytes.
        while (!word.empty()) {
            std::size_t n = NextCharacter(word, 0);
            while (n < word.size() && fits(word.substr(0, NextCharacter(word, n)))) {
                n = NextCharacter(word, n);
            }
            if (n == word.size()) {
                line = word;
                break;
            }
            lines.emplace_back(word.substr(0, n));
            word.remove_prefix(n);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return true;
}

} // namespace

FittedText FitText(std::string_view text, double widthMm, double heightMm,
                   const TextMeasurer& measurer, double maxPt) {
    FittedText result;
    const std::vector<std::string_view> words = Words(text);
    if (words.empty() || widthMm <= 0 || heightMm <= 0) {
        return result;
    }
    std::vector<std::string> lines;
    const auto tryAt = [&](double pt, bool breakWords) {
        if (!Wrap(words, widthMm, pt, measurer, breakWords, lines)) {
            return false;
        }
        return static_cast<double>(lines.size()) * measurer.LineHeightMm(pt) <= heightMm;
    };
    // Steps of about 4 %: fine enough that the next size would not fit much better.
    double found = 0;
    for (const bool breakWords : {false, true}) {
        const double floorPt = breakWords ? kSmallestPt : kMinUnbrokenPt;
        for (double pt = maxPt; pt >= floorPt; pt *= 0.96) {
            if (tryAt(pt, breakWords)) {
                found = pt;
                break;
            }
        }
        if (found > 0) {
            break;
        }
    }
    if (found == 0) {
        found = kSmallestPt;
        tryAt(found, true);
    }
    result.lines = lines;
    result.fontPt = found;
    for (const std::string& line : lines) {
        result.widthMm = std::max(result.widthMm, measurer.WidthMm(line, found));
    }
    result.heightMm = static_cast<double>(lines.size()) * measurer.LineHeightMm(found);
    return result;
}

} // namespace vorlan
