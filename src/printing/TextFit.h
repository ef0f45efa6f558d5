// Fitting a key name into a box: wrapped at spaces and shrunk until it fits,
// words broken only when even a small size cannot hold them. The font's
// widths come from the paint side through TextMeasurer, so the rule itself
// stays testable without one.
#pragma once

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

// The largest size (at most maxPt) at which text fits widthMm x heightMm.
// Never gives lines that overflow the box unless a single character is wider
// than the box at the smallest size. An empty or blank text gives no lines.
FittedText FitText(std::string_view text, double widthMm, double heightMm,
                   const TextMeasurer& measurer, double maxPt = kMaxLegendPt);

} // namespace vorlan
