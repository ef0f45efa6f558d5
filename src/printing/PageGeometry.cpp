#include "printing/PageGeometry.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace vorlan {

PageSetup StandardPage(PaperSize paper, double marginMm) {
    PageSetup page;
    page.paper = paper;
    page.marginMm = marginMm;
    if (paper == PaperSize::Letter) {
        page.widthMm = 215.9;
        page.heightMm = 279.4;
    }
    return page;
}

std::optional<PaperSize> ParsePaperName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "a4") {
        return PaperSize::A4;
    }
    if (lower == "letter") {
        return PaperSize::Letter;
    }
    return std::nullopt;
}

std::optional<double> ParseMm(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<MmSize> ParseMmSize(std::string_view text) {
    const std::size_t cross = text.find_first_of("xX*");
    if (cross == std::string_view::npos) {
        return std::nullopt;
    }
    const auto w = ParseMm(text.substr(0, cross));
    const auto h = ParseMm(text.substr(cross + 1));
    if (!w || !h || *w <= 0 || *h <= 0) {
        return std::nullopt;
    }
    return MmSize{*w, *h};
}

int MaxPageImageDpi(const PageSetup& page, bool grey) {
    const double squareInches = page.widthMm * page.heightMm / (25.4 * 25.4);
    const double bytesPerPixel = grey ? 1 : 4;
    if (squareInches <= 0) {
        return 0;
    }
    // Rounding of the pixel counts may add a row and a column: stay a dot below.
    return static_cast<int>(
               std::floor(std::sqrt(kMaxPageImageBytes / bytesPerPixel / squareInches))) -
           1;
}

} // namespace vorlan
