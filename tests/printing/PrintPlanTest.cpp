#include "hyphenation/HyphenationChoice.h"
#include "keyboards/PcLayouts.h"
#include "printing/LegendPlan.h"
#include "printing/PrintPages.h"
#include "printing/SheetPlan.h"
#include "testing/PrintTestLayouts.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace vorlan {
namespace {

using test::FixedMeasurer;
using test::FullLayout;

TEST(TextFitTest, WrapsShrinksBreaksByTheDictionaryAndNeverOverflows) {
    const FixedMeasurer m;
    struct Case {
        std::string text;
        double width, height;
        double expectPt; // 0: only check that it fits
        int expectLines;
        const char* language = "en"; // whose patterns break words
        std::vector<std::string> expectText = {};
    } cases[] = {
        {"Esc", 12.8, 12.8, kMaxLegendPt, 1},
        {"Page Down", 12.8, 12.8, kMaxLegendPt, 1},
        {"Page Down", 5, 12.8, kMaxLegendPt, 2}, // two lines rather than one small one
        {"", 12.8, 12.8, 0, 0},
        {"   ", 12.8, 12.8, 0, 0},
        {"Supercalifragilisticexpialidocious", 12.8, 12.8, 0, 0},
        {std::string(102, 'W'), 12.8, 12.8, 0, 0},
        {"Croissant", 2.0, 12.8, 0, 2, "fr", {"Crois-", "sant"}},
        {"Fleischpflanzerl", 3.0, 12.8, 0, 3, "de", {"Fleisch-", "pflan-", "zerl"}}, // larger
        {"Schweinsbraten", 2.5, 12.8, 0, 2, "de", {"Schweins-", "braten"}},
        {"Kiełbasa", 1.5, 12.8, 0, 2, "pl", {"Kieł-", "basa"}},
        {"Schweinsbraten", 2.5, 12.8, 0, 1, "none", {"Schweinsbraten"}}, // smaller, whole
        {"a b c d e f g h i j k l m n o p q r s t u v w x y z 0 1 2 3 4 5 6 7 8 9", 12.8, 4, 0, 0},
    };
    for (const Case& c : cases) {
        const std::shared_ptr<const Hyphenator> h = HyphenatorFor(c.language);
        const FittedText fit = FitText(c.text, c.width, c.height, m, kMaxLegendPt, h.get());
        SCOPED_TRACE(std::string(c.language) + " " + c.text);
        if (c.expectPt > 0) {
            EXPECT_DOUBLE_EQ(c.expectPt, fit.fontPt);
        }
        if (c.expectLines > 0 || c.text.find_first_not_of(' ') == std::string::npos) {
            EXPECT_EQ(c.expectLines, static_cast<int>(fit.lines.size()));
        }
        if (!c.expectText.empty()) {
            EXPECT_EQ(c.expectText, fit.lines);
        }
        EXPECT_LE(fit.widthMm, c.width);
        EXPECT_LE(fit.heightMm, c.height);
        std::string letters, joined;
        for (const char ch : c.text) {
            if (ch != ' ') {
                letters += ch;
            }
        }
        for (std::size_t i = 0; i < fit.lines.size(); ++i) {
            std::string line = fit.lines[i];
            if (line.ends_with('-')) { // a broken word, where its patterns allow
                line.pop_back();
                ASSERT_LT(i + 1, fit.lines.size());
                const std::string next = fit.lines[i + 1];
                const std::string part = line.substr(line.rfind(' ') + 1);
                const std::string word = part + next.substr(0, next.find(' '));
                ASSERT_NE(nullptr, h);
                const std::vector<std::size_t> points = h->Points(word);
                EXPECT_NE(points.end(), std::find(points.begin(), points.end(), part.size()))
                    << word;
            }
            std::erase(line, ' ');
            joined += line;
        }
        EXPECT_EQ(letters, joined) << "no character lost";
    }
    // A word is only broken when it cannot stand whole at a readable size,
    // and one no pattern breaks is set smaller, whole.
    EXPECT_EQ(1u, FitText("Supercalifragilisticexpialidocious", 12.8, 12.8, m).lines.size());
    EXPECT_EQ(1u, FitText(std::string(102, 'W'), 12.8, 12.8, m).lines.size());
}

TEST(LegendPlanTest, KeyboardArrangementKeepsThePitchAndTheSizes) {
    const FixedMeasurer m;
    const LayoutDocument doc = FullLayout();
    LegendOptions o;
    const LegendPlan plan = PlanLegends(doc, o, "shop.txt", m);
    ASSERT_FALSE(plan.error);
    ASSERT_EQ(2u, plan.pages.size()); // one block per A4 page, below the strip on page 1
    EXPECT_TRUE(plan.pages[0].calibration);
    EXPECT_FALSE(plan.pages[1].calibration);
    const CalibrationStrip& strip = *plan.pages[0].calibration;
    EXPECT_DOUBLE_EQ(100, strip.base.x2 - strip.base.x1);
    EXPECT_EQ(101u, strip.ticks.size());
    EXPECT_DOUBLE_EQ(14, strip.keySquare.width);

    std::map<int, MmRect> boxes;
    std::map<int, int> pageOf;
    for (std::size_t p = 0; p < plan.pages.size(); ++p) {
        for (const Legend& l : plan.pages[p].legends) {
            boxes[l.slot] = l.box;
            pageOf[l.slot] = static_cast<int>(p);
            EXPECT_TRUE(o.page.Printable().Contains(l.box)) << l.slot;
            EXPECT_GE(l.box.y, plan.pages[p].header.Bottom());
            if (p == 0) {
                EXPECT_GE(l.box.y, strip.keySquare.Bottom());
            }
        }
    }
    // 112 cells, joins count once (1 + 1 + 3 partner cells), key 7 has no name.
    EXPECT_EQ(112u - 5 - 1, boxes.size());
    EXPECT_FALSE(boxes.count(7));
    EXPECT_FALSE(boxes.count(4));
    struct Size {
        int slot;
        double w, h;
    } sizes[] = {{1, 14, 14}, {3, 33.05, 14}, {20, 14, 33.05}, {60, 33.05, 33.05}};
    for (const Size& s : sizes) {
        EXPECT_NEAR(s.w, boxes[s.slot].width, 1e-9) << s.slot;
        EXPECT_NEAR(s.h, boxes[s.slot].height, 1e-9) << s.slot;
    }
    // Neighbours: right, below, right of a double, and within block 1.
    EXPECT_NEAR(19.05, boxes[2].x - boxes[1].x, 1e-9);
    EXPECT_NEAR(19.05, boxes[9].y - boxes[1].y, 1e-9);
    EXPECT_NEAR(2 * 19.05, boxes[5].x - boxes[3].x, 1e-9);
    EXPECT_NEAR(19.05, boxes[58].x - boxes[57].x, 1e-9);
    EXPECT_EQ(0, pageOf[56]);
    EXPECT_EQ(1, pageOf[57]);
    // Four corners, two marks each, per legend.
    EXPECT_EQ(8 * plan.pages[0].legends.size(), plan.pages[0].cutMarks.size());
}

TEST(LegendPlanTest, TheRulersNoteNeverRunsIntoTheSquare) {
    const FixedMeasurer m;
    const LayoutDocument doc = FullLayout();
    // Wide margins leave no room beside the ruler: the square goes below.
    for (const double margin : {10.0, 40.0, 43.0, 47.0, 50.0}) {
        LegendOptions o;
        o.page.marginMm = margin;
        const LegendPlan plan = PlanLegends(doc, o, "shop.txt", m);
        ASSERT_FALSE(plan.error) << margin;
        const CalibrationStrip& strip = *plan.pages.at(0).calibration;
        EXPECT_FALSE(strip.note.Overlaps(strip.keySquare)) << margin;
        EXPECT_TRUE(o.page.Printable().Contains(strip.note)) << margin;
        EXPECT_TRUE(o.page.Printable().Contains(strip.keySquare)) << margin;
    }
}

TEST(LegendPlanTest, OptionsChangeWhatIsPlanned) {
    const FixedMeasurer m;
    const LayoutDocument doc = FullLayout();
    const auto count = [](const LegendPlan& plan) {
        std::size_t n = 0;
        for (const LegendPage& p : plan.pages) {
            n += p.legends.size();
        }
        return n;
    };
    LegendOptions o;
    o.blankLegends = true;
    EXPECT_EQ(112u - 5, count(PlanLegends(doc, o, "", m)));
    o = {};
    o.cutMarks = false;
    for (const LegendPage& p : PlanLegends(doc, o, "", m).pages) {
        EXPECT_TRUE(p.cutMarks.empty());
    }
    // Landscape-wide paper takes both blocks side by side.
    o = {};
    o.page.widthMm = 340;
    EXPECT_EQ(1u, PlanLegends(doc, o, "", m).pages.size());
    // A block without names takes no page of its own with only the header.
    LayoutDocument leftOnly = doc;
    for (int k = kBlockKeys + 1; k <= kMaxKeys; ++k) {
        leftOnly.keys[static_cast<std::size_t>(k)].name = "";
    }
    o = {};
    EXPECT_EQ(1u, PlanLegends(leftOnly, o, "", m).pages.size());
    o.blankLegends = true;
    EXPECT_EQ(2u, PlanLegends(leftOnly, o, "", m).pages.size());
    // A legend as large as the pitch leaves no room for marks between keys.
    o = {};
    o.legendWidthMm = o.legendHeightMm = o.pitchMm;
    EXPECT_TRUE(PlanLegends(doc, o, "", m).pages[0].cutMarks.empty());
}

// Short names, long ones that hold the size down (key 9 fits two steps below
// the largest, in two lines), a double key, and a word too long for that size.
TEST(LegendPlanTest, LegendsShareOneTypeSizeButForNamesThatCannotHaveIt) {
    const FixedMeasurer m;
    LayoutDocument doc = FullLayout(56);
    doc.keys[1].name = "Tarte";
    doc.keys[3].name = "Baguette tradition";
    doc.keys[9].name = "Pain au chocolat aux amandes";
    doc.keys[10].name = std::string(100, 'M');
    LegendOptions o;
    const LegendPlan plan = PlanLegends(doc, o, "", m);
    EXPECT_DOUBLE_EQ(kMaxLegendPt * 0.96 * 0.96, plan.typePt);
    for (const Legend& l : plan.pages.at(0).legends) {
        EXPECT_EQ(l.slot == 10, l.text.fontPt < plan.typePt) << l.slot;
        EXPECT_LE(l.text.fontPt, plan.typePt) << l.slot;
    }
    ASSERT_EQ(1u, plan.smaller.size());
    EXPECT_EQ(10, plan.smaller[0].slot);
    o.typeSizeMm = 0.5;
    EXPECT_EQ(StringId::LegendBadTypeSize, PlanLegends(doc, o, "", m).error);
}

TEST(LegendPlanTest, PackedLegendsNeitherOverlapNorLeaveThePage) {
    const FixedMeasurer m;
    for (const PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
        LegendOptions o;
        o.packed = true;
        o.page = StandardPage(paper);
        const LegendPlan plan = PlanLegends(FullLayout(), o, "", m);
        ASSERT_FALSE(plan.error);
        std::size_t total = 0;
        for (const LegendPage& page : plan.pages) {
            total += page.legends.size();
            for (std::size_t i = 0; i < page.legends.size(); ++i) {
                const MmRect& a = page.legends[i].box;
                EXPECT_TRUE(o.page.Printable().Contains(a));
                for (std::size_t j = i + 1; j < page.legends.size(); ++j) {
                    EXPECT_FALSE(a.Overlaps(page.legends[j].box));
                }
                for (const MmLine& mark : page.cutMarks) {
                    const MmRect markBox{std::min(mark.x1, mark.x2), std::min(mark.y1, mark.y2),
                                         std::abs(mark.x2 - mark.x1) + 1e-3,
                                         std::abs(mark.y2 - mark.y1) + 1e-3};
                    EXPECT_FALSE(markBox.Overlaps(a)) << "a mark runs into a legend";
                }
            }
        }
        EXPECT_EQ(106u, total);
        EXPECT_LE(plan.pages.size(), 2u);
    }
}

TEST(LegendPlanTest, RefusesOptionsItCannotPrint) {
    const FixedMeasurer m;
    struct Case {
        double pitch, w, h, pageW, margin;
        std::optional<StringId> error;
    } cases[] = {
        {19.05, 14, 14, 210, 10, std::nullopt},
        {4, 3, 3, 210, 10, StringId::LegendBadPitch},
        {19.05, 20, 14, 210, 10, StringId::LegendBadSize},
        {19.05, 14, 2, 210, 10, StringId::LegendBadSize},
        {19.05, 14, 14, 100, 10, StringId::LegendPageTooSmall},
        {19.05, 14, 14, 210, -1, StringId::LegendPageTooSmall},
        {60, 60, 60, 135, 10, StringId::LegendsDoNotFit}, // a quad is 120 mm wide
    };
    for (const Case& c : cases) {
        LegendOptions o;
        o.pitchMm = c.pitch;
        o.legendWidthMm = c.w;
        o.legendHeightMm = c.h;
        o.page.widthMm = c.pageW;
        o.page.marginMm = c.margin;
        for (const bool packed : {false, true}) {
            o.packed = packed;
            const LegendPlan plan = PlanLegends(FullLayout(), o, "", m);
            EXPECT_EQ(c.error, plan.error) << c.pitch << " " << c.w << " " << c.pageW;
            EXPECT_EQ(c.error.has_value(), plan.pages.empty());
        }
    }
}

TEST(PageGeometryTest, ParsesSizesAndPaperNames) {
    EXPECT_EQ(PaperSize::Letter, ParsePaperName("letter"));
    EXPECT_EQ(PaperSize::A4, ParsePaperName("A4"));
    EXPECT_FALSE(ParsePaperName("A5"));
    const auto size = ParseMmSize("14.5X12");
    ASSERT_TRUE(size);
    EXPECT_DOUBLE_EQ(14.5, size->width);
    EXPECT_DOUBLE_EQ(12, size->height);
    for (const char* bad : {"14", "x14", "14x", "14x-1", "14x0", "ax4", "14x14mm"}) {
        EXPECT_FALSE(ParseMmSize(bad)) << bad;
    }
    EXPECT_FALSE(ParseMm("nan"));
    EXPECT_FALSE(ParseMm(""));
}

TEST(SheetPlanTest, GridSettingsAndTableOverPages) {
    const FixedMeasurer m;
    LayoutDocument doc = FullLayout();
    doc.keys[1].SetGroupKey(true);
    doc.keys[2].SetMode(KeyMode::Mode3);
    doc.keys[3].SetMode(KeyMode::Unnamed); // only a file gives it: no fourth mode exists
    // Header words longer than the narrow columns were made for (a translation).
    const SheetPlan plan =
        PlanSheet(doc, StandardPage(PaperSize::A4), "shop.txt", m, [](StringId id, int) {
            return id == StringId::SheetColFlags ? std::string("Attributs de la touche")
                                                 : EnglishWords(id);
        });
    ASSERT_FALSE(plan.error);
    ASSERT_EQ(2u, plan.pages.size());
    const auto& flagsHeader = plan.pages[0].rows.at(0).cells.back();
    EXPECT_EQ(1u, flagsHeader.second.lines.size());
    EXPECT_LE(flagsHeader.first.Right(), plan.page.Printable().Right() + 1e-9);
    const SheetPage& first = plan.pages[0];
    // 112 cells, a double right, a double down and a quad drawn once each.
    EXPECT_EQ(112u - 1 - 1 - 3, first.grid.size());
    std::size_t listed = 0;
    for (const SheetPage& page : plan.pages) {
        ASSERT_FALSE(page.rows.empty());
        EXPECT_TRUE(page.rows.front().header);
        double y = 0;
        for (const SheetRow& row : page.rows) {
            EXPECT_GE(row.box.y, y);
            EXPECT_LE(row.box.Bottom(), plan.page.Printable().Bottom() + 1e-9);
            y = row.box.Bottom();
            listed += row.header ? 0 : 1;
        }
    }
    // Every key with codes or a name (key 7 has codes only), a joined key once.
    EXPECT_EQ(112u - 1 - 1 - 3, listed);
    const SheetRow& keyOne = first.rows[1];
    EXPECT_EQ("1", keyOne.cells[0].second.lines.at(0));
    EXPECT_EQ("G S", keyOne.cells[4].second.lines.at(0));
    EXPECT_FALSE(keyOne.cells[2].second.lines.empty());
    EXPECT_EQ("3", first.rows[2].cells[3].second.lines.at(0));
    EXPECT_EQ("4 (!)", first.rows[3].cells[3].second.lines.at(0));
    const std::vector<SheetText>& last = plan.pages.back().texts;
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(StringId::SheetModeOutOfRange, last.back().format);
    EXPECT_EQ("3", last.back().args.at(0).literal);
}

// Under a key's code names the sheet says what it types in the PC layout of
// the names, in the sheet's words; nothing for codes that are no text or a
// named key alone.
TEST(SheetPlanTest, TheCodesColumnSaysWhatAKeyTypes) {
    const FixedMeasurer m;
    LayoutDocument doc;
    doc.settings.keyCount = 56;
    doc.ResetToNew();
    const std::pair<int, KeyCodes> keys[] = {
        {1, {0x16, 0x2E, 0x3E, 0x3D, 0x25, 0x2E, 0x5A}}, // 158745 Enter
        {2, {0x1A, 0x35}},                               // US z y: QWERTZ swaps them
        {3, {0x04}},                                     // F3
        {4, {0x12}},                                     // Shift, nothing after it
    };
    for (const auto& [k, codes] : keys) {
        doc.MakeSlotSingle(k);
        doc.keys[static_cast<std::size_t>(k)].name = "K";
        doc.keys[static_cast<std::size_t>(k)].codes = codes;
    }
    const SheetPlan plan = PlanSheet(
        doc, StandardPage(PaperSize::A4), "", m,
        [](StringId id, int) {
            return id == StringId::KeyTypesText ? std::string("tippt %1") : EnglishWords(id);
        },
        keyboards::NamingFor("de"));
    ASSERT_FALSE(plan.error);
    const std::vector<SheetRow>& rows = plan.pages.at(0).rows;
    ASSERT_EQ(rows.size(), 5u);
    const auto codesCell = [&](std::size_t row) { return rows[row].cells.at(2).second.lines; };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(codesCell(1), (Lines{"1 5 8 7 4 5 Enter", "tippt 158745\u23CE"}));
    EXPECT_EQ(codesCell(2), (Lines{"Y Z", "tippt yz"}));
    EXPECT_EQ(codesCell(3), Lines{"F3"});
    EXPECT_EQ(codesCell(4), Lines{"Shift_left"});
    // The row is as high as its lines.
    EXPECT_GT(rows[1].box.height, rows[3].box.height + m.LineHeightMm(kSheetTablePt) - 1e-9);
}

TEST(PageGeometryTest, PageImagesStayWithinTheirBudgetAtTheHighestDpi) {
    for (const PaperSize paper : {PaperSize::A4, PaperSize::Letter}) {
        for (const bool grey : {true, false}) {
            const PageSetup page = StandardPage(paper);
            const int most = MaxPageImageDpi(page, grey);
            const auto bytes = [&](int dpi) {
                const double w = std::round(page.widthMm * dpi / 25.4);
                const double h = std::round(page.heightMm * dpi / 25.4);
                return w * h * (grey ? 1 : 4);
            };
            EXPECT_LE(bytes(most), kMaxPageImageBytes);
            EXPECT_GT(bytes(most + 3), kMaxPageImageBytes);
            // The usual resolutions stay allowed.
            EXPECT_GE(most, grey ? 1100 : 550);
        }
    }
}

TEST(SheetPlanTest, PrintsTheBlocksTheLayoutHasInsideEachSidesMargin) {
    const FixedMeasurer m;
    PageSetup landscape = StandardPage(PaperSize::Letter);
    std::swap(landscape.widthMm, landscape.heightMm);
    landscape.sides = MmMargins{30, 25, 15, 20};
    struct Case {
        int keyCount;
        PageSetup page;
        int lastSlot;   // the grid's highest cell
        double columns; // the grid frame's width in cells
    };
    for (const Case& c : {Case{56, StandardPage(PaperSize::A4), 56, 8},
                          Case{112, StandardPage(PaperSize::A4), 112, 16},
                          Case{56, landscape, 56, 8}, Case{112, landscape, 112, 16}}) {
        SCOPED_TRACE(c.keyCount);
        const SheetPlan plan = PlanSheet(FullLayout(c.keyCount), c.page, "", m);
        ASSERT_FALSE(plan.error);
        const SheetPage& first = plan.pages.front();
        int highest = 0;
        for (const SheetCell& cell : first.grid) {
            highest = std::max(highest, cell.slot);
            EXPECT_NE(SheetCellKind::Unavailable, cell.kind) << cell.slot;
            EXPECT_TRUE(first.gridFrame.Contains(cell.box)) << cell.slot;
        }
        EXPECT_EQ(c.lastSlot, highest);
        const double cell = first.grid.front().box.width;
        EXPECT_NEAR(c.columns * cell, first.gridFrame.width, 1e-9);
        const MmRect inside = c.page.Printable();
        EXPECT_NEAR(inside.x + inside.width / 2, first.gridFrame.x + first.gridFrame.width / 2,
                    1e-9);
        for (const SheetPage& page : plan.pages) {
            EXPECT_TRUE(inside.Contains(page.header));
            for (const SheetRow& row : page.rows) {
                EXPECT_TRUE(inside.Contains(row.box)) << row.box.y;
            }
        }
    }
}

TEST(PageFitTest, APageFitsWhenItsMarginsLeaveRoomForThePlan) {
    PageSetup a6{PaperSize::Custom, 105, 148, 10, {}};
    PageSetup sides = StandardPage(PaperSize::A4);
    sides.sides = MmMargins{60, 10, 40, 10}; // 110 mm left between them: just enough
    PageSetup tooWide = sides;
    tooWide.sides->right = 40.5;
    PageSetup negative = StandardPage(PaperSize::A4);
    negative.sides = MmMargins{-1, 10, 10, 10};
    struct Case {
        const char* name;
        PageSetup page;
        bool fits;
        MmSize printable;
    };
    for (const Case& c :
         {Case{"A4", StandardPage(PaperSize::A4), true, {190, 277}},
          Case{"A6", a6, false, {85, 128}},
          Case{"A4 at 100 mm", StandardPage(PaperSize::A4, 100), false, {10, 97}},
          Case{"A4 at 150 mm", StandardPage(PaperSize::A4, 150), false, {0, 0}},
          Case{"sides", sides, true, {110, 277}},
          Case{"sides too wide", tooWide, false, {109.5, 277}},
          Case{"negative", negative, false, {201, 277}},
          Case{"not a number", StandardPage(PaperSize::A4, std::nan("")), false, {0, 0}}}) {
        const PageFit fit = CheckPageFit(c.page);
        EXPECT_EQ(c.fits, fit.fits) << c.name;
        EXPECT_NEAR(c.printable.width, fit.printable.width, 1e-9) << c.name;
        EXPECT_NEAR(c.printable.height, fit.printable.height, 1e-9) << c.name;
        // The plans refuse exactly the pages that do not fit.
        LegendOptions options;
        options.page = c.page;
        EXPECT_EQ(!c.fits, CheckLegendOptions(options) == StringId::LegendPageTooSmall) << c.name;
        EXPECT_EQ(!c.fits, PlanSheet(FullLayout(56), c.page, "", FixedMeasurer()).error.has_value())
            << c.name;
    }
}

TEST(PageFitTest, APrintRangeTakesThePagesThereAre) {
    struct Case {
        int count, from, to;
        std::vector<int> pages;
    };
    for (const Case& c : {Case{3, 0, 0, {0, 1, 2}}, Case{3, 2, 3, {1, 2}}, Case{3, 2, 9, {1, 2}},
                          Case{3, 0, 2, {0, 1}}, Case{3, 3, 3, {2}}, Case{3, 4, 9, {}},
                          Case{3, 3, 2, {}}, Case{0, 0, 0, {}}}) {
        EXPECT_EQ(c.pages, PagesToPrint(c.count, c.from, c.to))
            << c.count << " " << c.from << ".." << c.to;
    }
}

TEST(PageFitTest, ExportSizeGrowsWithPixelsAndPages) {
    const PageSetup a4 = StandardPage(PaperSize::A4);
    const auto bytes = [&](int pages, ExportKind kind, int dpi) {
        return static_cast<double>(EstimateExportBytes(a4, pages, kind, dpi));
    };
    EXPECT_NEAR(4 * bytes(1, ExportKind::ColourImage, 300), bytes(1, ExportKind::ColourImage, 600),
                bytes(1, ExportKind::ColourImage, 600) * 0.01);
    EXPECT_NEAR(3 * bytes(1, ExportKind::GreyImage, 300), bytes(3, ExportKind::GreyImage, 300), 3);
    EXPECT_LT(bytes(1, ExportKind::GreyImage, 300), bytes(1, ExportKind::ColourImage, 300));
    EXPECT_EQ(0u, EstimateExportBytes(a4, 0, ExportKind::ColourImage, 300));
    // A usual export is not asked about; one of many pages at a high resolution is.
    EXPECT_LT(bytes(2, ExportKind::ColourImage, 300), kLargeExportBytes);
    EXPECT_GT(bytes(10, ExportKind::GreyImage, 1200), kLargeExportBytes);
    EXPECT_LT(bytes(100, ExportKind::Vector, 300), kLargeExportBytes);
}

} // namespace
} // namespace vorlan
