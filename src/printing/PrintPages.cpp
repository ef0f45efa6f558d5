#include "printing/PrintPages.h"

#include <algorithm>
#include <cmath>

namespace vorlan {

PageFit CheckPageFit(const PageSetup& page) {
    const MmMargins m = page.Margins();
    const MmRect p = page.Printable();
    PageFit fit;
    fit.printable = {std::max(0.0, p.width), std::max(0.0, p.height)};
    // Written so that a NaN from a hand-edited setting never fits.
    fit.fits = m.left >= 0 && m.top >= 0 && m.right >= 0 && m.bottom >= 0 &&
               p.width >= fit.needed.width && p.height >= fit.needed.height;
    return fit;
}

std::vector<int> PagesToPrint(int pageCount, int fromPage, int toPage) {
    int first = 1;
    int last = pageCount;
    if (fromPage > 0 || toPage > 0) {
        first = std::max(1, fromPage);
        last = toPage > 0 ? std::min(pageCount, toPage) : pageCount;
    }
    std::vector<int> pages;
    for (int i = first; i <= last; ++i) {
        pages.push_back(i - 1);
    }
    return pages;
}

std::uint64_t EstimateExportBytes(const PageSetup& page, int pageCount, ExportKind kind, int dpi) {
    if (pageCount <= 0) {
        return 0;
    }
    if (kind == ExportKind::Vector) {
        return static_cast<std::uint64_t>(kVectorPageBytes * pageCount);
    }
    const double pixels =
        std::round(page.widthMm * dpi / 25.4) * std::round(page.heightMm * dpi / 25.4);
    const double bytesPerPixel = kind == ExportKind::GreyImage ? 1 : 3;
    return static_cast<std::uint64_t>(pixels * bytesPerPixel / kPngCompression * pageCount);
}

} // namespace vorlan
