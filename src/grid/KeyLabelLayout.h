// How a key's name is fitted onto its cell: the largest font size at which it
// fits in at most two lines broken only at spaces, '_', '-' or '/'; failing
// that, the largest at which it fits with a word broken where the names'
// hyphenation patterns allow (see WordBreak.h); failing that, the smallest
// size with the rest elided. Fonts
// are measured by the caller, so every decision here is testable without them.
#pragma once

#include "hyphenation/Hyphenator.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

inline constexpr int kMaxLabelLines = 2;

class LabelMeasure {
public:
    virtual ~LabelMeasure() = default;
    // Height of one line at a font's pixel size.
    virtual int LineHeight(int pixelSize) const = 0;
    // Width of text (UTF-8) at the size, with the ellipsis appended
    // when `ellipsis`.
    virtual int Width(int pixelSize, std::string_view text, bool ellipsis) const = 0;
};

struct LabelLayout {
    int pixelSize = 0; // 0: not even one line fits, nothing is drawn
    std::vector<std::string> lines;
    bool elided = false; // the last line is drawn with an ellipsis after it

    friend bool operator==(const LabelLayout&, const LabelLayout&) = default;
};

// Lays text out in a width x height box, trying sizes (largest first); words
// are broken only by the hyphenator's patterns (none when nullptr).
LabelLayout LayoutLabel(std::string_view text, int width, int height, const std::vector<int>& sizes,
                        const LabelMeasure& measure, const Hyphenator* hyphenator);

} // namespace vorlan
