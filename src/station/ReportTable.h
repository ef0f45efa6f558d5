// The report's table laid out to its content: each column as wide as its
// texts where the page allows, else no narrower than its longest word, the
// texts wrapped at blanks (a word wider than its column broken between
// characters), never cut; the rows then split into pages. Widths come from
// the paint side through TextMeasurer.
#pragma once

#include "printing/TextFit.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// text in lines no wider than widthMm; an empty text gives one empty line.
std::vector<std::string> WrapText(std::string_view text, double widthMm, double fontPt,
                                  const TextMeasurer& measurer);

struct TableLayout {
    std::vector<double> widths;                               // of each column, padding in
    std::vector<std::vector<std::vector<std::string>>> lines; // [row][column] -> lines
    std::vector<double> heights;                              // of each row
};

// rows[0] is the heading. Each cell gets padMm on its left and right.
TableLayout LayOutTable(const std::vector<std::vector<std::string>>& rows, double widthMm,
                        double fontPt, double padMm, const TextMeasurer& measurer);

// The rows [first, end) of each page, given the rows' heights (the heading
// left out, it repeats on every page), the room of the first page and of the
// others. A page holds at least one row, however tall.
struct PageRows {
    int first = 0;
    int end = 0;
};
std::vector<PageRows> SplitIntoPages(const std::vector<double>& heights, double firstRoomMm,
                                     double roomMm);

} // namespace vorlan
