// The printed scale, measured: legends rendered to PDF, turned into pixels by
// poppler's pdftoppm and measured against the millimetres they claim.
#include "printing/PrintPages.h"
#include "printing/ui/PrintExport.h"
#include "testing/PrintTestLayouts.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

constexpr double kDpi = 600;
constexpr double kPxPerMm = kDpi / 25.4;
constexpr double kToleranceMm = 0.1;

class PrintRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        }
        ASSERT_TRUE(dir.isValid());
    }

    // The page (down to heightMm from its top edge, 0: all of it) in grey pixels.
    QImage Rasterise(const QString& pdf, int page, double dpi, double heightMm = 0) {
        const QString prefix = dir.filePath(QStringLiteral("page%1").arg(page));
        QStringList args = {
            QStringLiteral("-r"),   QString::number(dpi),          QStringLiteral("-gray"),
            QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
            QString::number(page),  QStringLiteral("-l"),          QString::number(page)};
        if (heightMm > 0) {
            args << QStringLiteral("-y") << QStringLiteral("0") << QStringLiteral("-H")
                 << QString::number(qRound(heightMm * dpi / 25.4));
        }
        QProcess::execute(QStringLiteral("pdftoppm"), args << pdf << prefix);
        return QImage(prefix + QStringLiteral(".png"));
    }

    QString WritePdf(const LegendPlan& plan) {
        const QString path = dir.filePath(QStringLiteral("legends.pdf"));
        const ExportResult r = ExportDocument(LegendDocument(plan), path, ExportFormat::Pdf);
        EXPECT_FALSE(r.error);
        return path;
    }

    QTemporaryDir dir;
    QtTextMeasurer measurer;
};

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Centres (in mm) of the dark runs along a row (or a column) between two points in mm.
std::vector<double> Runs(const QImage& image, double fixedMm, double fromMm, double toMm,
                         bool alongRow) {
    std::vector<double> centres;
    const int fixed = static_cast<int>(fixedMm * kPxPerMm);
    int start = -1;
    const int from = static_cast<int>(fromMm * kPxPerMm);
    const int to = static_cast<int>(toMm * kPxPerMm);
    for (int i = from; i <= to + 1; ++i) {
        const bool dark = i <= to && (alongRow ? Dark(image, i, fixed) : Dark(image, fixed, i));
        if (dark && start < 0) {
            start = i;
        } else if (!dark && start >= 0) {
            centres.push_back((start + i - 1) / 2.0 / kPxPerMm + 0.5 / kPxPerMm);
            start = -1;
        }
    }
    return centres;
}

const Legend* Find(const LegendPlan& plan, int slot) {
    for (const LegendPage& page : plan.pages) {
        for (const Legend& l : page.legends) {
            if (l.slot == slot) {
                return &l;
            }
        }
    }
    return nullptr;
}

TEST_F(PrintRenderTest, PdfKeepsPitchLegendSizeAndRuler) {
    const LegendPlan plan = PlanLegends(test::FullLayout(), LegendOptions{}, "scale.txt", measurer);
    // The strip and the first two rows of keys are enough, and keep the image small.
    const QImage page = Rasterise(WritePdf(plan), 1, kDpi, Find(plan, 9)->box.Bottom() + 5);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(210 * kPxPerMm, page.width(), 2) << "the page is A4 wide";

    const CalibrationStrip& strip = *plan.pages[0].calibration;
    // Only the centimetre ticks reach 3.75 mm below the ruler's edge.
    const auto ticks = Runs(page, strip.base.y1 + 3.75, strip.base.x1 - 2, strip.base.x2 + 2, true);
    ASSERT_EQ(11u, ticks.size());
    EXPECT_NEAR(kRulerMm, ticks.back() - ticks.front(), kToleranceMm);

    const Legend* one = Find(plan, 1);
    const Legend* two = Find(plan, 2);
    const Legend* nine = Find(plan, 9);
    ASSERT_TRUE(one && two && nine);
    const MmRect& b = one->box;
    // The frame, measured across the top and down the left of the legend.
    const auto across = Runs(page, b.y + 0.4, b.x - 0.3, b.Right() + 0.3, true);
    const auto down = Runs(page, b.x + 0.4, b.y - 0.3, b.Bottom() + 0.3, false);
    ASSERT_EQ(2u, across.size());
    ASSERT_EQ(2u, down.size());
    EXPECT_NEAR(14, across[1] - across[0], kToleranceMm);
    EXPECT_NEAR(14, down[1] - down[0], kToleranceMm);

    // Cut marks: the vertical ones above the first row, the horizontal ones left of the column.
    const double gap = 19.05 - 14;
    const double markMiddle = 0.5 + (gap / 2 - 0.75) / 2;
    const auto above = Runs(page, b.y - markMiddle, b.x - 1, two->box.Right() + 1, true);
    ASSERT_EQ(4u, above.size()); // left and right edge of keys 1 and 2
    EXPECT_NEAR(19.05, above[2] - above[0], kToleranceMm);
    EXPECT_NEAR(19.05, above[3] - above[1], kToleranceMm);
    EXPECT_NEAR(b.x, above[0], kToleranceMm);
    const auto left = Runs(page, b.x - markMiddle, b.y - 1, nine->box.Bottom() + 1, false);
    ASSERT_EQ(4u, left.size());
    EXPECT_NEAR(19.05, left[2] - left[0], kToleranceMm);
}

TEST_F(PrintRenderTest, LongNamesStayInsideTheirLegends) {
    LayoutDocument doc = test::FullLayout(56);
    const char* names[] = {"Supercalifragilisticexpialidocious",
                           "Enter the amount and press this key twice to confirm the payment",
                           "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"
                           "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW",
                           "Ümlaut Größe"};
    for (int k = 1; k <= 56; ++k) {
        doc.keys[static_cast<std::size_t>(k)].name = names[k % 4];
    }
    doc.keys[5].name = "\xC4rger \xFC\xDF"; // Latin-1, as in the files
    LegendOptions o;
    o.cutMarks = false;
    o.frame = false;
    const LegendPlan plan = PlanLegends(doc, o, "long.txt", measurer);
    ASSERT_EQ(1u, plan.pages.size());
    const double dpi = 200;
    const double k = dpi / 25.4;
    const QImage page = Rasterise(WritePdf(plan), 1, dpi);
    ASSERT_FALSE(page.isNull());
    const double top = plan.pages[0].legends.front().box.y - 0.5;
    int outside = 0;
    int inside = 0;
    for (int y = static_cast<int>(top * k); y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (!Dark(page, x, y)) {
                continue;
            }
            const double mx = (x + 0.5) / k;
            const double my = (y + 0.5) / k;
            bool in = false;
            for (const Legend& l : plan.pages[0].legends) {
                in = in || (mx >= l.box.x + 0.3 && mx <= l.box.Right() - 0.3 &&
                            my >= l.box.y + 0.3 && my <= l.box.Bottom() - 0.3);
            }
            (in ? inside : outside) += 1;
        }
    }
    EXPECT_EQ(0, outside);
    EXPECT_LT(1000, inside) << "the names were drawn";
}

TEST_F(PrintRenderTest, ImageAndSvgFilesHaveTheSizeTheyClaim) {
    LegendOptions o;
    o.page = StandardPage(PaperSize::Letter);
    const LegendDocument doc(PlanLegends(test::FullLayout(), o, "size.txt", measurer));
    ASSERT_EQ(2, doc.PageCount());
    const int dpi = 150;
    const ExportResult png =
        ExportDocument(doc, dir.filePath(QStringLiteral("l.png")), ExportFormat::Png, dpi);
    ASSERT_FALSE(png.error);
    ASSERT_EQ(QStringList({dir.filePath(QStringLiteral("l-1.png")),
                           dir.filePath(QStringLiteral("l-2.png"))}),
              png.files);
    for (const QString& file : png.files) {
        const QImage image(file);
        EXPECT_EQ(qRound(215.9 / 25.4 * dpi), image.width());
        EXPECT_EQ(qRound(279.4 / 25.4 * dpi), image.height());
        EXPECT_NEAR(dpi / 0.0254, image.dotsPerMeterX(), 1);
        EXPECT_TRUE(image.isGrayscale()) << "legends are written as grey pages";
    }
    // The sheet's grid keeps its colours: the red key face is there.
    const ExportResult sheet = ExportDocument(
        SheetDocument(PlanSheet(test::FullLayout(56), StandardPage(PaperSize::A4), "", measurer)),
        dir.filePath(QStringLiteral("sheet.png")), ExportFormat::Png, 100);
    ASSERT_FALSE(sheet.error);
    const QImage sheetImage(sheet.files.front());
    EXPECT_FALSE(sheetImage.isGrayscale());
    int red = 0;
    for (int y = 0; y < sheetImage.height(); y += 2) {
        for (int x = 0; x < sheetImage.width(); x += 2) {
            red += sheetImage.pixel(x, y) == qRgb(255, 95, 73) ? 1 : 0;
        }
    }
    EXPECT_LT(100, red);
    if (SvgExportAvailable()) {
        const QString path = dir.filePath(QStringLiteral("sheet.svg"));
        const ExportResult svg =
            ExportDocument(SheetDocument(PlanSheet(test::FullLayout(56),
                                                   StandardPage(PaperSize::A4), "", measurer)),
                           path, ExportFormat::Svg);
        ASSERT_FALSE(svg.error);
        ASSERT_FALSE(svg.files.isEmpty());
        QFile file(svg.files.front());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const auto w = QRegularExpression(QStringLiteral("width=\"([0-9.]+)mm\"")).match(text);
        const auto h = QRegularExpression(QStringLiteral("height=\"([0-9.]+)mm\"")).match(text);
        ASSERT_TRUE(w.hasMatch() && h.hasMatch());
        EXPECT_NEAR(210, w.captured(1).toDouble(), 0.05);
        EXPECT_NEAR(297, h.captured(1).toDouble(), 0.05);
    }
    // A folder that does not exist is reported, not written as success.
    const QString nowhere = dir.filePath(QStringLiteral("missing/out.pdf"));
    for (const ExportFormat f : {ExportFormat::Pdf, ExportFormat::Png}) {
        const ExportResult r = ExportDocument(doc, nowhere, f);
        EXPECT_EQ(StringId::WriteFolderMissing, r.error);
        EXPECT_TRUE(r.files.isEmpty());
    }
    EXPECT_EQ(StringId::ExportBadDpi, ExportDocument(doc, nowhere, ExportFormat::Png, 5).error);
}

TEST_F(PrintRenderTest, SheetOfAFullLayoutIsTwoPdfPages) {
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const ExportResult r =
        ExportDocument(SheetDocument(PlanSheet(test::FullLayout(), StandardPage(PaperSize::A4),
                                               "full.txt", measurer)),
                       path, ExportFormat::Pdf);
    ASSERT_FALSE(r.error);
    EXPECT_FALSE(Rasterise(path, 2, 50).isNull());
    EXPECT_TRUE(Rasterise(path, 3, 50).isNull());
}

TEST_F(PrintRenderTest, AnInkSavingSheetOutlinesItsCellsAndImagesStayWithinTheirEstimate) {
    const SheetPlan plan =
        PlanSheet(test::FullLayout(112), StandardPage(PaperSize::A4), "full.txt", measurer);
    constexpr int dpi = 100;
    struct Case {
        SheetInk ink;
        double leastDark, mostDark; // share of the grid's pixels
    };
    for (const Case& c : {Case{SheetInk::Colours, 0.9, 1}, Case{SheetInk::Saving, 0, 0.3}}) {
        const SheetDocument doc(plan, c.ink);
        EXPECT_EQ(c.ink == SheetInk::Saving, doc.GreyOnly());
        QImage page = BlankPageImage(plan.page, dpi, false);
        QPainter painter(&page);
        doc.PaintPage(painter, 0, dpi / 25.4);
        painter.end();
        const MmRect& grid = plan.pages.front().gridFrame;
        const QRect frame(qRound(grid.x * dpi / 25.4), qRound(grid.y * dpi / 25.4),
                          qRound(grid.width * dpi / 25.4), qRound(grid.height * dpi / 25.4));
        int dark = 0;
        for (int y = frame.top(); y <= frame.bottom(); ++y) {
            for (int x = frame.left(); x <= frame.right(); ++x) {
                dark += qGray(page.pixel(x, y)) < 160 ? 1 : 0;
            }
        }
        const double share = double(dark) / (frame.width() * frame.height());
        EXPECT_GE(share, c.leastDark) << int(c.ink);
        EXPECT_LE(share, c.mostDark) << int(c.ink);

        // What a PNG export is estimated to take is not less than it takes.
        const QString path = dir.filePath(QStringLiteral("ink%1.png").arg(int(c.ink)));
        const ExportResult png = ExportDocument(doc, path, ExportFormat::Png, 300);
        ASSERT_FALSE(png.error);
        qint64 written = 0;
        for (const QString& file : png.files) {
            written += QFileInfo(file).size();
        }
        const auto kind = doc.GreyOnly() ? ExportKind::GreyImage : ExportKind::ColourImage;
        EXPECT_LE(written, EstimateExportBytes(plan.page, doc.PageCount(), kind, 300));
    }
}

} // namespace
} // namespace vorlan
