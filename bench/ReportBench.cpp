// The layout check and layout compare of a full 112-key 16scan file, next to
// the read + rebuild of the same file in the same run: the check is that read
// with its report and the warnings; the compare works on two layouts as the
// editor holds them.
#include "BenchLayout.h"
#include "layout/LayoutCheck.h"
#include "layout/LayoutDiff.h"
#include "layout/LayoutFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace vorlan::bench {
namespace {

namespace fs = std::filesystem;

class BenchFile {
public:
    BenchFile() {
        path = (fs::temp_directory_path() /
                ("vorlan-bench-report-" + std::to_string(::getpid()) + ".txt"))
                   .string();
        std::ofstream(path, std::ios::binary)
            << BenchLayoutText(kMaxKeys, KeyboardVariant::SixteenScan);
    }
    ~BenchFile() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    std::string path;
};

const std::string& LayoutPath() {
    static const BenchFile file;
    return file.path;
}

void ReadAndRebuild(benchmark::State& state) {
    LayoutDocument doc;
    for (auto _ : state) {
        doc.ResetToNew();
        doc.filePath = LayoutPath();
        if (!ReadLayout(doc)) {
            state.SkipWithError("the layout file cannot be read");
            break;
        }
        doc.RebuildAfterLoad();
        benchmark::DoNotOptimize(doc.catalogCount);
    }
}
BENCHMARK(ReadAndRebuild);

void CheckFile(benchmark::State& state) {
    LayoutDocument doc;
    for (auto _ : state) {
        if (!CheckLayoutFile(LayoutPath(), doc)) {
            state.SkipWithError("the layout file cannot be read");
            break;
        }
        benchmark::DoNotOptimize(doc.readReport.Notes().data());
    }
    if (doc.settings.keyCount != kMaxKeys) {
        state.SkipWithError("the layout was not read as a full 112-key layout");
    }
}
BENCHMARK(CheckFile);

void DiffTwoLayouts(benchmark::State& state) {
    LayoutDocument a;
    a.filePath = LayoutPath();
    ReadLayout(a);
    a.RebuildAfterLoad();
    LayoutDocument b = a;
    // A few differences of each kind, so the comparison reports as well.
    b.keys[5].name = "Other";
    b.keys[20].codes[3] = 77;
    b.keys[70].SetMode(KeyMode::Mode3);
    b.settings.keyDelay = 0;
    for (auto _ : state) {
        const std::vector<Difference> differences = DiffLayouts(a, b);
        benchmark::DoNotOptimize(differences.data());
    }
}
BENCHMARK(DiffTwoLayouts);

} // namespace
} // namespace vorlan::bench

BENCHMARK_MAIN();
