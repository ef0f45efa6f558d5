// Key legends as plain data: which key gets a label of which size, where it
// lies on which page, the cut marks around it and the calibration strip of
// the first page. Any renderer draws a plan as it is; it decides nothing.
#pragma once

#include "common/StringTable.h"
#include "printing/PageGeometry.h"
#include "printing/TextFit.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlan {

class LayoutDocument;

struct LegendOptions {
    double pitchMm = 19.05;    // distance between neighbouring keys
    double legendWidthMm = 14; // a single key's legend; joined keys grow by the pitch
    double legendHeightMm = 14;
    PageSetup page;            // A4 portrait, 10 mm margins
    bool packed = false;       // true: packed to save paper, false: as on the keyboard
    bool blankLegends = false; // keys without a name get an empty legend
    bool cutMarks = true;
    bool frame = true;
    double typeSizeMm = 0; // the legends' type size; 0: the largest all can have
    // The names' language for hyphenation (see hyphenation/HyphenationChoice.h):
    // "" the program's language, "none", or a language such as "de".
    std::string hyphenation;
};

// The type sizes a hand may choose.
inline constexpr double kMinTypeSizeMm = 1;
inline constexpr double kMaxTypeSizeMm = 10;

// The message id of the first problem with the options, if any.
std::optional<StringId> CheckLegendOptions(const LegendOptions& options);

struct Legend {
    int slot = 0; // the key's anchor, its top-left cell
    MmRect box;
    FittedText text; // lines are UTF-8, the name converted from its Latin-1 bytes
};

// A 100 mm ruler and a single key's square, to check that nothing was scaled.
struct CalibrationStrip {
    MmLine base;                                // the ruler, 100 mm long
    std::vector<MmLine> ticks;                  // every millimetre, longer every 5 and 10
    std::vector<std::pair<int, MmRect>> labels; // centimetre numbers 0..10
    MmRect keySquare;                           // legendWidth x legendHeight
    MmRect note;                                // where the explanation goes
};

inline constexpr double kRulerMm = 100;
inline constexpr double kHeaderMm = 6;

struct LegendPage {
    MmRect header; // file name and page number
    std::vector<Legend> legends;
    std::vector<MmLine> cutMarks;
    std::optional<CalibrationStrip> calibration;
};

// A legend that could not have the set's type size.
struct SmallerLegend {
    int slot = 0;
    std::string name; // UTF-8
    double fontPt = 0;
};

struct LegendPlan {
    LegendOptions options;
    std::string fileName; // shown in every header
    std::vector<LegendPage> pages;
    std::optional<StringId> error;      // set when no plan could be made; pages empty then
    double typePt = 0;                  // the size the legends share
    std::vector<SmallerLegend> smaller; // in the order of the pages
};

// Plans the legends of every key with a name (and the unnamed ones when
// blankLegends is on) on as many pages as they need.
LegendPlan PlanLegends(const LayoutDocument& doc, const LegendOptions& options,
                       std::string fileName, const TextMeasurer& measurer);

// The legend size of a key covering cols x rows cells.
MmRect LegendSize(const LegendOptions& options, int cols, int rows);

// Inner margin between a legend's edge and its text.
inline constexpr double kLegendPaddingMm = 0.6;

} // namespace vorlan
