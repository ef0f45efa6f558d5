#include "printing/LegendPlan.h"

#include "common/Text.h"
#include "grid/GridGeometry.h"
#include "hyphenation/HyphenationChoice.h"
#include "layout/LayoutDocument.h"
#include "printing/PrintPages.h"

#include <algorithm>
#include <cmath>

namespace vorlan {
namespace {

constexpr double kGapAfterHeaderMm = 2;
constexpr double kTileGapMm = 4;
constexpr double kMarkOffsetMm =
    0.5; // marks stop short of the corner, so none shows on a cut legend
constexpr double kMarkMaxMm = 3;
constexpr double kMarkMinMm = 0.5;
constexpr double kPackGapMinMm = 3;
constexpr double kEps = 1e-6;

// A key's cells on the screen grid (16 x 7, block 1 right of block 0).
struct KeyCells {
    int anchor = 0;
    int col = 0;
    int row = 0;
    int cols = 1;
    int rows = 1;
};

std::vector<KeyCells> KeysOf(const LayoutDocument& doc, bool blankLegends) {
    std::vector<KeyCells> keys;
    const int count = std::clamp(doc.settings.keyCount, 0, kMaxKeys);
    for (int s = 1; s <= count; ++s) {
        const KeySpan& span = doc.spans[static_cast<std::size_t>(s)];
        if (span.kind == SpanKind::Empty) {
            continue;
        }
        std::vector<int> cells{s};
        for (int i = 0; i < span.PartnerCount(); ++i) {
            cells.push_back(span.partners[static_cast<std::size_t>(i)]);
        }
        if (*std::min_element(cells.begin(), cells.end()) < s) {
            continue; // drawn with its anchor
        }
        KeyCells key{s, SlotColumn(s), SlotRow(s), 1, 1};
        bool inRange = true;
        int c0 = key.col, c1 = key.col, r0 = key.row, r1 = key.row;
        for (const int c : cells) {
            if (c < 1 || c > count) {
                inRange = false;
                break;
            }
            c0 = std::min(c0, SlotColumn(c));
            c1 = std::max(c1, SlotColumn(c));
            r0 = std::min(r0, SlotRow(c));
            r1 = std::max(r1, SlotRow(c));
        }
        // A join a file brought that is no rectangle on the grid keeps one cell.
        if (inRange && static_cast<int>(cells.size()) == (c1 - c0 + 1) * (r1 - r0 + 1)) {
            key = {s, c0, r0, c1 - c0 + 1, r1 - r0 + 1};
        }
        if (!blankLegends && doc.keys[static_cast<std::size_t>(s)].name.empty()) {
            continue;
        }
        keys.push_back(key);
    }
    return keys;
}

// Bands [begin, end) along one axis of n cells, each at most `fit` cells and
// cut only where no key crosses; empty when that is impossible.
std::vector<std::pair<int, int>> Bands(int n, int fit, const std::vector<bool>& legal,
                                       int preferredCut) {
    if (fit >= n) {
        return {{0, n}};
    }
    if (preferredCut > 0 && legal[static_cast<std::size_t>(preferredCut)] && preferredCut <= fit &&
        n - preferredCut <= fit) {
        return {{0, preferredCut}, {preferredCut, n}};
    }
    std::vector<std::pair<int, int>> bands;
    for (int start = 0; start < n;) {
        int end = std::min(n, start + fit);
        while (end > start && !legal[static_cast<std::size_t>(end)]) {
            --end;
        }
        if (end == start) {
            return {};
        }
        bands.emplace_back(start, end);
        start = end;
    }
    return bands;
}

std::vector<bool> LegalCuts(int n, const std::vector<KeyCells>& keys, bool columns) {
    std::vector<bool> legal(static_cast<std::size_t>(n) + 1, true);
    for (const KeyCells& k : keys) {
        const int from = columns ? k.col : k.row;
        const int span = columns ? k.cols : k.rows;
        for (int c = from + 1; c < from + span; ++c) {
            legal[static_cast<std::size_t>(c)] = false;
        }
    }
    return legal;
}

void AddCutMarks(const MmRect& b, double gapX, double gapY, std::vector<MmLine>& out) {
    const double lx = std::min(kMarkMaxMm, gapX / 2 - kMarkOffsetMm - 0.25);
    const double ly = std::min(kMarkMaxMm, gapY / 2 - kMarkOffsetMm - 0.25);
    const double o = kMarkOffsetMm;
    if (lx >= kMarkMinMm) {
        for (const double y : {b.y, b.Bottom()}) {
            out.push_back({b.x - o - lx, y, b.x - o, y});
            out.push_back({b.Right() + o, y, b.Right() + o + lx, y});
        }
    }
    if (ly >= kMarkMinMm) {
        for (const double x : {b.x, b.Right()}) {
            out.push_back({x, b.y - o - ly, x, b.y - o});
            out.push_back({x, b.Bottom() + o, x, b.Bottom() + o + ly});
        }
    }
}

CalibrationStrip MakeStrip(const MmRect& area, const LegendOptions& o) {
    CalibrationStrip strip;
    const double x0 = area.x + 3;
    const double y0 = area.y + 1;
    strip.base = {x0, y0, x0 + kRulerMm, y0};
    for (int i = 0; i <= static_cast<int>(kRulerMm); ++i) {
        const double len = i % 10 == 0 ? 4.5 : i % 5 == 0 ? 3 : 2;
        strip.ticks.push_back({x0 + i, y0, x0 + i, y0 + len});
        if (i % 10 == 0) {
            strip.labels.emplace_back(i / 10, MmRect{x0 + i - 3, y0 + 5, 6, 3.5});
        }
    }
    const double squareX = x0 + kRulerMm + 8;
    strip.note = {x0, y0 + 9.5, squareX - x0 - 2, 7.5}; // two lines
    if (squareX + o.legendWidthMm <= area.Right()) {
        strip.keySquare = {squareX, y0, o.legendWidthMm, o.legendHeightMm};
    } else {
        // No room beside the ruler: the square goes under the note, never on it.
        strip.note.width = area.Right() - x0;
        strip.keySquare = {x0, strip.note.Bottom() + 2, o.legendWidthMm, o.legendHeightMm};
    }
    return strip;
}

double StripBottom(const CalibrationStrip& s) {
    return std::max(s.note.Bottom(), s.keySquare.Bottom()) + 3;
}

} // namespace

MmRect LegendSize(const LegendOptions& o, int cols, int rows) {
    return {0, 0, o.legendWidthMm + (cols - 1) * o.pitchMm,
            o.legendHeightMm + (rows - 1) * o.pitchMm};
}

std::optional<StringId> CheckLegendOptions(const LegendOptions& o) {
    if (!(o.pitchMm >= 5 && o.pitchMm <= 60)) {
        return StringId::LegendBadPitch;
    }
    if (!(o.legendWidthMm >= 3 && o.legendHeightMm >= 3 && o.legendWidthMm <= o.pitchMm + kEps &&
          o.legendHeightMm <= o.pitchMm + kEps)) {
        return StringId::LegendBadSize;
    }
    if (o.typeSizeMm != 0 && !(o.typeSizeMm >= kMinTypeSizeMm && o.typeSizeMm <= kMaxTypeSizeMm)) {
        return StringId::LegendBadTypeSize;
    }
    if (!CheckPageFit(o.page).fits) {
        return StringId::LegendPageTooSmall;
    }
    return std::nullopt;
}

LegendPlan PlanLegends(const LayoutDocument& doc, const LegendOptions& options,
                       std::string fileName, const TextMeasurer& measurer) {
    LegendPlan plan;
    plan.options = options;
    plan.fileName = std::move(fileName);
    if ((plan.error = CheckLegendOptions(options))) {
        return plan;
    }
    const LegendOptions& o = options;
    const MmRect printable = o.page.Printable();
    const double contentTop = printable.y + kHeaderMm + kGapAfterHeaderMm;

    const auto newPage = [&] {
        LegendPage page;
        page.header = {printable.x, printable.y, printable.width, kHeaderMm};
        plan.pages.push_back(std::move(page));
        return contentTop;
    };
    double cursorY = newPage();
    const CalibrationStrip strip = MakeStrip({printable.x, cursorY, printable.width, 0}, o);
    plan.pages.back().calibration = strip;
    cursorY = StripBottom(strip);
    const double firstPageHeight = printable.Bottom() - cursorY;

    const std::vector<KeyCells> keys = KeysOf(doc, o.blankLegends);
    const double pad = kLegendPaddingMm;
    const std::shared_ptr<const Hyphenator> hyphenator = HyphenatorFor(o.hyphenation);
    const auto nameOf = [&](const KeyCells& k) {
        return Latin1ToUtf8(doc.keys[static_cast<std::size_t>(k.anchor)].name.str());
    };
    // One type size for the sheet: joined keys' larger legends give their
    // names room, not a larger type.
    plan.typePt = o.typeSizeMm / kMmPerPt;
    if (o.typeSizeMm == 0) {
        std::vector<SetEntry> names;
        for (const KeyCells& k : keys) {
            const MmRect size = LegendSize(o, k.cols, k.rows);
            names.push_back({nameOf(k), size.width - 2 * pad, size.height - 2 * pad});
        }
        plan.typePt = SetSize(names, measurer);
    }
    const auto place = [&](const KeyCells& k, double x, double y, double gapX, double gapY) {
        Legend legend;
        legend.slot = k.anchor;
        legend.box = LegendSize(o, k.cols, k.rows);
        legend.box.x = x;
        legend.box.y = y;
        const std::string name = nameOf(k);
        legend.text = FitInSet(name, legend.box.width - 2 * pad, legend.box.height - 2 * pad,
                               plan.typePt, measurer, hyphenator.get());
        if (!legend.text.lines.empty() && legend.text.fontPt < plan.typePt) {
            plan.smaller.push_back({k.anchor, name, legend.text.fontPt});
        }
        LegendPage& page = plan.pages.back();
        if (o.cutMarks) {
            AddCutMarks(legend.box, gapX, gapY, page.cutMarks);
        }
        page.legends.push_back(std::move(legend));
    };

    if (!o.packed) {
        const int gridCols = doc.settings.keyCount == kMaxKeys ? 16 : 8;
        const int fitCols = static_cast<int>(std::floor(printable.width / o.pitchMm + kEps));
        const int fitRows = static_cast<int>(std::floor(firstPageHeight / o.pitchMm + kEps));
        const auto colBands = Bands(gridCols, fitCols, LegalCuts(gridCols, keys, true), 8);
        const auto rowBands = Bands(kGridRows, fitRows, LegalCuts(kGridRows, keys, false), 0);
        if (colBands.empty() || rowBands.empty()) {
            plan.pages.clear();
            plan.error = StringId::LegendsDoNotFit;
            return plan;
        }
        const double gapX = o.pitchMm - o.legendWidthMm;
        const double gapY = o.pitchMm - o.legendHeightMm;
        bool firstTile = true;
        for (const auto& [c0, c1] : colBands) {
            for (const auto& [r0, r1] : rowBands) {
                // The bounds by value: older compilers capture no structured bindings.
                const auto inTile = [colFrom = c0, colTo = c1, rowFrom = r0,
                                     rowTo = r1](const KeyCells& k) {
                    return k.col >= colFrom && k.col < colTo && k.row >= rowFrom && k.row < rowTo;
                };
                // A part of the grid with nothing to print takes no room,
                // nor a page of its own with only the header.
                if (std::none_of(keys.begin(), keys.end(), inTile)) {
                    continue;
                }
                const double tileW = (c1 - c0) * o.pitchMm;
                const double tileH = (r1 - r0) * o.pitchMm;
                if (!firstTile) {
                    cursorY += kTileGapMm;
                }
                if (cursorY + tileH > printable.Bottom() + kEps) {
                    cursorY = newPage();
                }
                firstTile = false;
                const double tileX = printable.x + (printable.width - tileW) / 2;
                for (const KeyCells& k : keys) {
                    if (inTile(k)) {
                        place(k, tileX + (k.col - c0) * o.pitchMm + gapX / 2,
                              cursorY + (k.row - r0) * o.pitchMm + gapY / 2, gapX, gapY);
                    }
                }
                cursorY += tileH;
            }
        }
        return plan;
    }

    // Packed: shelves of legends, tallest first, each in a cell with room for its marks.
    const double gapX = std::max(kPackGapMinMm, o.pitchMm - o.legendWidthMm);
    const double gapY = std::max(kPackGapMinMm, o.pitchMm - o.legendHeightMm);
    std::vector<KeyCells> order = keys;
    std::stable_sort(order.begin(), order.end(), [](const KeyCells& a, const KeyCells& b) {
        return a.rows != b.rows ? a.rows > b.rows : a.cols > b.cols;
    });
    double cursorX = printable.x;
    double shelfH = 0;
    for (const KeyCells& k : order) {
        const MmRect size = LegendSize(o, k.cols, k.rows);
        const double cellW = size.width + gapX;
        const double cellH = size.height + gapY;
        if (cellW > printable.width + kEps || cellH > printable.height - kHeaderMm) {
            plan.pages.clear();
            plan.error = StringId::LegendsDoNotFit;
            return plan;
        }
        if (cursorX + cellW > printable.Right() + kEps) {
            cursorX = printable.x;
            cursorY += shelfH;
            shelfH = 0;
        }
        if (cursorY + cellH > printable.Bottom() + kEps) {
            cursorY = newPage();
            cursorX = printable.x;
            shelfH = 0;
        }
        place(k, cursorX + gapX / 2, cursorY + gapY / 2, gapX, gapY);
        cursorX += cellW;
        shelfH = std::max(shelfH, cellH);
    }
    return plan;
}

} // namespace vorlan
