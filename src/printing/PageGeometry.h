// Millimetre geometry shared by everything that is printed: rectangles, lines
// and the page a plan is made for. Paint devices only scale these to dots.
#pragma once

#include <optional>
#include <string_view>

namespace vorlan {

struct MmRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
    bool Contains(const MmRect& other, double slack = 1e-9) const {
        return other.x >= x - slack && other.y >= y - slack && other.Right() <= Right() + slack &&
               other.Bottom() <= Bottom() + slack;
    }
    bool Overlaps(const MmRect& other) const {
        return x < other.Right() && other.x < Right() && y < other.Bottom() && other.y < Bottom();
    }
};

struct MmLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

enum class PaperSize { A4, Letter, Custom };

struct MmMargins {
    double left = 10;
    double top = 10;
    double right = 10;
    double bottom = 10;
};

struct PageSetup {
    PaperSize paper = PaperSize::A4;
    double widthMm = 210; // as the sheet lies: a landscape page is wider than high
    double heightMm = 297;
    double marginMm = 10;
    // Each side's own margin, as a printer's page setup gives them; without
    // them marginMm is kept on every side.
    std::optional<MmMargins> sides;

    MmMargins Margins() const {
        return sides ? *sides : MmMargins{marginMm, marginMm, marginMm, marginMm};
    }
    MmRect Printable() const {
        const MmMargins m = Margins();
        return {m.left, m.top, widthMm - m.left - m.right, heightMm - m.top - m.bottom};
    }
};

// A4 or Letter, portrait, with the given margin.
PageSetup StandardPage(PaperSize paper, double marginMm = 10);

// "A4" or "Letter" (any letter case); nothing for other names.
std::optional<PaperSize> ParsePaperName(std::string_view name);

// "14x14", "14.5X12" or "14*14": width and height in millimetres, both above 0.
struct MmSize {
    double width = 0;
    double height = 0;
};
std::optional<MmSize> ParseMmSize(std::string_view text);
// A plain decimal number such as "19.05"; nothing for anything else.
std::optional<double> ParseMm(std::string_view text);

// A page image is held whole while it is drawn and encoded; this many bytes
// of it keep an export's peak memory well under 300 MB.
inline constexpr double kMaxPageImageBytes = 128.0 * 1024 * 1024;

// The highest resolution at which a page image of `page` (1 byte a pixel
// when grey, 4 in colour) stays within kMaxPageImageBytes.
int MaxPageImageDpi(const PageSetup& page, bool grey);

} // namespace vorlan
