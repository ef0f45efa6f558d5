// The station's decisions without a window: which order can name a batch,
// which batches a report offers, the report's table laid out to its texts,
// and a keyboard left in progress when a batch ends.
#include "station/StationRules.h"

#include "station/BatchReport.h"
#include "station/ReportTable.h"
#include "testing/PrintTestLayouts.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>
#include <numeric>

namespace vorlan {
namespace {

TEST(StationRules, AnOrderIsTrimmedAndMustNameTheBatch) {
    const struct {
        std::string given;
        std::string kept;
        std::optional<StringId> problem;
    } cases[] = {
        {"  A-17 Boulangerie \t", "A-17 Boulangerie", std::nullopt},
        {"Fleischerei M\xC3\xBC"
         "ller / 14",
         "Fleischerei M\xC3\xBC"
         "ller / 14",
         std::nullopt},
        {"", "", StringId::BatchOrderRequired},
        {" \t  ", "", StringId::BatchOrderRequired},
        {"A\tB", "A\tB", StringId::BatchOrderControl},
        {"A\x7F", "A\x7F", StringId::BatchOrderControl},
        {"A\xC2\x85", "A\xC2\x85", StringId::BatchOrderControl}, // NEL, which the record refuses
        {std::string(kMaxOrderBytes, 'x'), std::string(kMaxOrderBytes, 'x'), std::nullopt},
        {std::string(kMaxOrderBytes + 1, 'x'), std::string(kMaxOrderBytes + 1, 'x'),
         StringId::BatchOrderTooLong},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimmedOrder(c.given), c.kept) << c.given;
        EXPECT_EQ(OrderProblem(TrimmedOrder(c.given)), c.problem) << c.given;
    }
}

TEST(StationRules, TheReportOffersTheCurrentBatchFirstThenTheLatest) {
    const std::vector<std::string> orders = {"B 2/x", "", "C-3", "A-1", "B 2/x"};
    EXPECT_EQ(OrdersToChoose(orders, ""), (std::vector<std::string>{"B 2/x", "C-3", "A-1"}));
    EXPECT_EQ(OrdersToChoose(orders, "A-1"), (std::vector<std::string>{"A-1", "B 2/x", "C-3"}));
    EXPECT_EQ(OrdersToChoose(orders, "new"),
              (std::vector<std::string>{"new", "B 2/x", "C-3", "A-1"}));
    EXPECT_TRUE(OrdersToChoose({}, "").empty());
}

// Every line fits its column, and the lines of each cell put together give
// its text whole.
void ExpectWhole(const TableLayout& t, const std::vector<std::vector<std::string>>& rows,
                 double pad, const TextMeasurer& m) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            std::string joined;
            for (const std::string& line : t.lines[r][c]) {
                EXPECT_LE(m.WidthMm(line, 10), t.widths[c] - 2 * pad + 1e-9) << line;
                joined += line;
            }
            std::string text = rows[r][c];
            std::erase(text, ' ');
            std::erase(joined, ' ');
            EXPECT_EQ(joined, text);
        }
    }
}

TEST(ReportTable, ColumnsTakeTheirTextsAndWrapOnlyWhenThePageIsNarrow) {
    const test::FixedMeasurer m; // 0.6 mm a character at 10 pt, lines 4 mm
    const std::vector<std::vector<std::string>> rows = {
        {"Place", "Result", "Outcome"},
        {"1/40", "done", "passed"},
        {"12/40", "Keyboard programming error. (after 9 bytes)", "nicht getestet"},
    };
    // Wide: every column as wide as its longest text, the room to spare shared.
    const TableLayout wide = LayOutTable(rows, 100, 10, 1, m);
    EXPECT_NEAR(std::accumulate(wide.widths.begin(), wide.widths.end(), 0.0), 100, 1e-9);
    EXPECT_NEAR(wide.widths[1] - wide.widths[0], static_cast<double>(rows[2][1].size() - 5) * 0.6,
                1e-9);
    EXPECT_EQ(wide.heights, (std::vector<double>{5, 5, 5}));
    ExpectWhole(wide, rows, 1, m);
    // Narrow: no column below its longest word, the long result wrapped.
    const TableLayout narrow = LayOutTable(rows, 30, 10, 1, m);
    EXPECT_GE(narrow.widths[2], 8 * 0.6 + 2); // "getestet"
    EXPECT_GT(narrow.lines[2][1].size(), 1u);
    EXPECT_EQ(narrow.heights[2], 4.0 * static_cast<double>(narrow.lines[2][1].size()) + 1);
    ExpectWhole(narrow, rows, 1, m);
    // Too narrow even for the words: they break between characters, UTF-8 kept whole.
    const std::vector<std::vector<std::string>> german = {{"Tastaturtypprüfung"}};
    const TableLayout tiny = LayOutTable(german, 5, 10, 0.5, m);
    ExpectWhole(tiny, german, 0.5, m);
    EXPECT_EQ(tiny.lines[0][0].size(), 3u);
}

TEST(ReportTable, RowsFillPagesAndATallRowStartsTheNext) {
    EXPECT_EQ(SplitIntoPages({}, 50, 100).size(), 1u);
    const auto pages = SplitIntoPages({10, 10, 10, 30, 10, 200, 10}, 25, 50);
    std::vector<std::pair<int, int>> ranges;
    for (const PageRows& p : pages) {
        ranges.emplace_back(p.first, p.end);
    }
    EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{0, 2}, {2, 5}, {5, 6}, {6, 7}}));
}

} // namespace
} // namespace vorlan
