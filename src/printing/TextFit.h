// Fitting a key name into a box: wrapped at spaces and shrunk until it fits,
// words broken (where their language's patterns allow, see grid/WordBreak.h)
// only when even a small size cannot hold them. Names printed together share one size where they
// can. The font's widths come from the paint side through TextMeasurer, so the rule itself stays
// testable without one.
#pragma once

#include "hyphenation/Hyphenator.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Width in millimetres of one line of UTF-8 text at the given size in points.
    virtual double WidthMm(std::string_view text, double fontPt) const = 0;
    // Distance between the baselines of two lines at that size.
    virtual double LineHeightMm(double fontPt) const = 0;
};

struct FittedText {
    std::vector<std::string> lines;
    double fontPt = 0;
    double widthMm = 0;  // of the widest line
    double heightMm = 0; // of all lines
};

// Sizes tried, largest first; below kMinUnbrokenPt words may be broken.
inline constexpr double kMaxLegendPt = 14;
inline constexpr double kMinUnbrokenPt = 5;
inline constexpr double kSmallestPt = 0.5;
// Lines a name of a set may take at the set's size.
inline constexpr int kMaxSetLines = 3;
inline constexpr double kMmPerPt = 25.4 / 72;

// The largest size (at most maxPt) at which text fits widthMm x heightMm,
// words broken only where the hyphenator allows (never without one).
// Never gives lines that overflow the box unless a single character is wider
// than the box at the smallest size. An empty or blank text gives no lines.
FittedText FitText(std::string_view text, double widthMm, double heightMm,
                   const TextMeasurer& measurer, double maxPt = kMaxLegendPt,
                   const Hyphenator* hyphenator = nullptr);

struct SetEntry {
    std::string text;
    double widthMm = 0;
    double heightMm = 0;
};

// One size for names shown together: the largest (at most maxPt) at which
// every name fits its box in at most kMaxSetLines lines broken between words.
// Names that cannot fit so even at kMinUnbrokenPt do not hold the others
// down. maxPt when there is no name.
double SetSize(const std::vector<SetEntry>& texts, const TextMeasurer& measurer,
               double maxPt = kMaxLegendPt);

// The text at the set's size when it fits there, else as FitText fits it
// below that size.
FittedText FitInSet(std::string_view text, double widthMm, double heightMm, double setPt,
                    const TextMeasurer& measurer, const Hyphenator* hyphenator);

} // namespace vorlan
