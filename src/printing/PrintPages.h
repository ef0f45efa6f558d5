// What every printed or exported document decides before a page is drawn:
// whether its page leaves room for a plan, which of its pages a print range
// takes, and how large its files would be.
#pragma once

#include "printing/PageGeometry.h"

#include <cstdint>
#include <vector>

namespace vorlan {

// The least room inside the margins that legends (their 100 mm ruler) and
// the layout sheet are planned in.
inline constexpr MmSize kLeastPrintableMm{110, 60};

struct PageFit {
    bool fits = false;
    MmSize printable; // inside the margins; 0 where the margins leave nothing
    MmSize needed = kLeastPrintableMm;
};

// Fits when no margin is negative and the room inside them is at least
// kLeastPrintableMm.
PageFit CheckPageFit(const PageSetup& page);

// The 0-based pages of a document of pageCount pages that a print of
// fromPage..toPage (1-based, as print dialogs give them) takes: every page
// when both are 0, otherwise the range cut to the pages there are (empty
// when none of it exists).
std::vector<int> PagesToPrint(int pageCount, int fromPage = 0, int toPage = 0);

enum class ExportKind { Vector, GreyImage, ColourImage };

// Bytes the files of an export will take, about: a page image as its pixels
// at `dpi` compress in PNG (text, lines and flat cells on white shrink 40 to
// 60 times; kPngCompression stays on the safe side), a vector page as a small
// fixed size.
inline constexpr double kPngCompression = 25;
inline constexpr double kVectorPageBytes = 200.0 * 1024;
std::uint64_t EstimateExportBytes(const PageSetup& page, int pageCount, ExportKind kind, int dpi);

// Exports estimated above this ask first, naming the size.
inline constexpr std::uint64_t kLargeExportBytes = 50ull * 1000 * 1000;

} // namespace vorlan
