// A full redraw of the key grid: the key editor draws all 112 cells of a full
// layout into the main window's canvas, on the offscreen platform, with and
// without the keys' names.
#include "BenchLayout.h"
#include "app/GridViewActions.h"
#include "app/MainDialog.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyImages.h"
#include "layout/LayoutFile.h"

#include <QApplication>
#include <QPainter>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

namespace vorlan::bench {
namespace {

void RedrawFullGrid(benchmark::State& state, bool names) {
    MainDialog window;
    window.ViewActions().SetKeyNamesShown(names);
    KeyEditor& editor = window.Editor();
    editor.Start();
    LayoutDocument& doc = editor.Document();
    doc.ResetToNew();
    ParseLayout(doc, BenchLayoutText(kMaxKeys, KeyboardVariant::SixteenScan));
    doc.RebuildAfterLoad();
    window.show();
    QApplication::processEvents();
    if (doc.settings.keyCount != kMaxKeys) {
        state.SkipWithError("the layout was not read as a full 112-key layout");
        return;
    }
    for (auto _ : state) {
        editor.DrawGrid();
        benchmark::DoNotOptimize(window.Grid()->Canvas().constBits());
    }
    // The updates the redraws queued are painted once, outside the timing.
    QApplication::processEvents();
}
BENCHMARK_CAPTURE(RedrawFullGrid, Plain, false)->Unit(benchmark::kMicrosecond);
// The same with every key's name fitted and drawn over its image.
BENCHMARK_CAPTURE(RedrawFullGrid, WithNames, true)->Unit(benchmark::kMicrosecond);

// The floor: the same 112 cell images copied into a canvas of the same size
// through one painter, with nothing decided and nothing queued for painting.
void CopyCellImages(benchmark::State& state) {
    const QImage cell = RenderKeyImage(KeyImage::Single, 1.0);
    QImage canvas(KeyGridWidget::kColumns * KeyGridWidget::kCell,
                  KeyGridWidget::kRows * KeyGridWidget::kCell, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    for (auto _ : state) {
        QPainter p(&canvas);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int slot = 1; slot <= kMaxKeys; ++slot) {
            p.drawImage(KeyGridWidget::CanvasCellOrigin(slot), cell);
        }
        p.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(CopyCellImages)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vorlan::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Keep the user's settings out of reach of the window.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
    QCoreApplication::setApplicationName(QStringLiteral("vorlan_bench"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
