// Legends of a full 112-key layout: planned and drawn to PDF and into a
// 300 dpi page image, against a floor of the same number of plain rectangles
// with their names drawn on the same device.
#include "BenchLayout.h"
#include "printing/ui/PrintExport.h"
#include "printing/ui/PrintRenderer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace vorlan::bench {
namespace {

constexpr int kPngDpi = 300;

const LayoutDocument& Layout() {
    static const LayoutDocument doc = [] {
        LayoutDocument d;
        d.settings.keyCount = kMaxKeys;
        d.ResetToNew();
        FillBenchLayout(d, kMaxKeys);
        // The spans of the joined keys, as after opening the file: without
        // them no key has a legend.
        d.RebuildAfterLoad();
        return d;
    }();
    return doc;
}

// The device: a PDF in memory, or a page image at 300 dpi.
template <typename Draw> void OnPdf(const PageSetup& page, int pages, Draw draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QSizeF(page.widthMm, page.heightMm), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            writer.newPage();
        }
        draw(painter, i, 1200 / 25.4);
    }
    painter.end();
    benchmark::DoNotOptimize(buffer.data().size());
}

// The page image the export draws legends into (grey; see GreyOnly).
template <typename Draw> void OnImage(const PageSetup& page, int pages, Draw draw) {
    for (int i = 0; i < pages; ++i) {
        QImage image = BlankPageImage(page, kPngDpi, true);
        QPainter painter(&image);
        draw(painter, i, kPngDpi / 25.4);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// 112 cells, joined into 100 keys: with fewer legends the bench would draw
// less than a layout's worth.
constexpr std::size_t kBenchLegends = 100;

std::size_t LegendCount(const LegendPlan& plan) {
    std::size_t n = 0;
    for (const LegendPage& page : plan.pages) {
        n += page.legends.size();
    }
    return n;
}

bool PlannedInFull(benchmark::State& state, const LegendPlan& plan) {
    if (LegendCount(plan) != kBenchLegends) {
        state.SkipWithError(("planned " + std::to_string(LegendCount(plan)) + " legends, not " +
                             std::to_string(kBenchLegends))
                                .c_str());
        return false;
    }
    return true;
}

template <bool Pdf> void Legends(benchmark::State& state) {
    if (!PlannedInFull(state,
                       PlanLegends(Layout(), LegendOptions{}, "bench.txt", QtTextMeasurer()))) {
        return;
    }
    for (auto _ : state) {
        const QtTextMeasurer measurer;
        const LegendDocument doc(PlanLegends(Layout(), LegendOptions{}, "bench.txt", measurer));
        const auto draw = [&](QPainter& p, int i, double k) { doc.PaintPage(p, i, k); };
        if constexpr (Pdf) {
            OnPdf(doc.Page(), doc.PageCount(), draw);
        } else {
            OnImage(doc.Page(), doc.PageCount(), draw);
        }
    }
}

// The floor: each legend's rectangle and its name in one line, nothing fitted or planned.
template <bool Pdf> void Rectangles(benchmark::State& state) {
    const QtTextMeasurer measurer;
    const LegendPlan plan = PlanLegends(Layout(), LegendOptions{}, "bench.txt", measurer);
    if (!PlannedInFull(state, plan)) {
        return;
    }
    for (auto _ : state) {
        const auto draw = [&](QPainter& p, int i, double k) {
            p.setFont(PrintFont(10));
            for (const Legend& l : plan.pages[static_cast<std::size_t>(i)].legends) {
                const QRectF r(l.box.x * k, l.box.y * k, l.box.width * k, l.box.height * k);
                p.drawRect(r);
                p.drawText(r, Qt::AlignCenter,
                           QString::fromLatin1(
                               Layout().keys[static_cast<std::size_t>(l.slot)].name.c_str()));
            }
        };
        const int pages = static_cast<int>(plan.pages.size());
        if constexpr (Pdf) {
            OnPdf(plan.options.page, pages, draw);
        } else {
            OnImage(plan.options.page, pages, draw);
        }
    }
}

BENCHMARK(Legends<true>)->Name("LegendsToPdf")->Unit(benchmark::kMillisecond);
BENCHMARK(Rectangles<true>)->Name("RectanglesToPdf")->Unit(benchmark::kMillisecond);
BENCHMARK(Legends<false>)->Name("LegendsToImage300")->Unit(benchmark::kMillisecond);
BENCHMARK(Rectangles<false>)->Name("RectanglesToImage300")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorlan::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
