#include "station/ReportTable.h"

#include <algorithm>
#include <numeric>

namespace vorlan {
namespace {

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(' ', at);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        if (end > at) {
            words.push_back(text.substr(at, end - at));
        }
        at = end + 1;
    }
    return words;
}

// The length of the first UTF-8 character of text.
std::size_t CharLength(std::string_view text) {
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
        ++n;
    }
    return n;
}

// A word too wide for a line, in pieces that fit (one character at least).
void BreakWord(std::string_view word, double widthMm, double pt, const TextMeasurer& m,
               std::vector<std::string>& lines) {
    std::string piece;
    while (!word.empty()) {
        const std::size_t n = CharLength(word);
        const std::string longer = piece + std::string(word.substr(0, n));
        if (!piece.empty() && m.WidthMm(longer, pt) > widthMm) {
            lines.push_back(std::move(piece));
            piece.clear();
            continue;
        }
        piece = longer;
        word.remove_prefix(n);
    }
    if (!piece.empty()) {
        lines.push_back(std::move(piece));
    }
}

double WidestWord(std::string_view text, double pt, const TextMeasurer& m) {
    double widest = 0;
    for (const std::string_view word : Words(text)) {
        widest = std::max(widest, m.WidthMm(word, pt));
    }
    return widest;
}

} // namespace

std::vector<std::string> WrapText(std::string_view text, double widthMm, double pt,
                                  const TextMeasurer& m) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::string_view word : Words(text)) {
        const std::string longer =
            line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (m.WidthMm(longer, pt) <= widthMm) {
            line = longer;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (m.WidthMm(word, pt) <= widthMm) {
            line = std::string(word);
        } else {
            BreakWord(word, widthMm, pt, m, lines);
            line = lines.back();
            lines.pop_back();
        }
    }
    if (!line.empty() || lines.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

TableLayout LayOutTable(const std::vector<std::vector<std::string>>& rows, double widthMm,
                        double pt, double padMm, const TextMeasurer& m) {
    TableLayout layout;
    const std::size_t columns = rows.empty() ? 0 : rows[0].size();
    std::vector<double> natural(columns, 0);
    std::vector<double> least(columns, 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < columns && c < row.size(); ++c) {
            natural[c] = std::max(natural[c], m.WidthMm(row[c], pt) + 2 * padMm);
            least[c] = std::max(least[c], WidestWord(row[c], pt, m) + 2 * padMm);
        }
    }
    const double naturalSum = std::accumulate(natural.begin(), natural.end(), 0.0);
    const double leastSum = std::accumulate(least.begin(), least.end(), 0.0);
    layout.widths = natural;
    if (naturalSum <= widthMm) {
        // Room to spare goes to every column alike, so the table spans the page.
        for (double& w : layout.widths) {
            w += (widthMm - naturalSum) / static_cast<double>(columns);
        }
    } else if (leastSum <= widthMm) {
        // Each column keeps its longest word; the rest of the room is shared
        // out so that columns wanting little (a date, a count) get all of it
        // and only the long texts wrap.
        layout.widths = least;
        std::vector<std::size_t> order(columns);
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return natural[a] - least[a] < natural[b] - least[b];
        });
        double room = widthMm - leastSum;
        for (std::size_t i = 0; i < columns; ++i) {
            const std::size_t c = order[i];
            const double share = room / static_cast<double>(columns - i);
            const double given = std::min(natural[c] - least[c], share);
            layout.widths[c] += given;
            room -= given;
        }
    } else {
        for (std::size_t c = 0; c < columns; ++c) {
            layout.widths[c] = least[c] * widthMm / leastSum; // words break
        }
    }
    const double lineMm = m.LineHeightMm(pt);
    for (const auto& row : rows) {
        std::vector<std::vector<std::string>> cells;
        std::size_t most = 1;
        for (std::size_t c = 0; c < columns; ++c) {
            const std::string_view text = c < row.size() ? std::string_view(row[c]) : "";
            cells.push_back(WrapText(text, layout.widths[c] - 2 * padMm, pt, m));
            most = std::max(most, cells.back().size());
        }
        layout.lines.push_back(std::move(cells));
        layout.heights.push_back(static_cast<double>(most) * lineMm + padMm);
    }
    return layout;
}

std::vector<PageRows> SplitIntoPages(const std::vector<double>& heights, double firstRoomMm,
                                     double roomMm) {
    std::vector<PageRows> pages;
    PageRows page;
    double used = 0;
    double room = firstRoomMm;
    for (int r = 0; r < static_cast<int>(heights.size()); ++r) {
        const double h = heights[static_cast<std::size_t>(r)];
        if (page.end > page.first && used + h > room) {
            pages.push_back(page);
            page = PageRows{r, r};
            used = 0;
            room = roomMm;
        }
        used += h;
        page.end = r + 1;
    }
    pages.push_back(page); // the first page even without rows
    return pages;
}

} // namespace vorlan
