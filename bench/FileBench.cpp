// File work on a full 112-key 16scan layout: opening it as the File menu does
// (reset, read, rebuild), saving it and building its device image, next to
// the floor of merely reading the file's bytes into memory.
#include "BenchLayout.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace vorlan::bench {
namespace {

namespace fs = std::filesystem;

// A folder of its own for the run, removed at exit.
class BenchFolder {
public:
    BenchFolder() {
        path = fs::temp_directory_path() / ("vorlan-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
        layoutPath = (path / "layout-112-16scan.txt").string();
        std::ofstream(layoutPath, std::ios::binary)
            << BenchLayoutText(kMaxKeys, KeyboardVariant::SixteenScan);
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }

    fs::path path;
    std::string layoutPath;
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

void ReadFileBytes(benchmark::State& state) {
    const std::string& path = Folder().layoutPath;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(ReadFileBytes);

void ReadLayoutAndRebuild(benchmark::State& state) {
    LayoutDocument doc;
    for (auto _ : state) {
        doc.ResetToNew();
        doc.filePath = Folder().layoutPath;
        if (!ReadLayout(doc)) {
            state.SkipWithError("the layout file cannot be read");
            break;
        }
        doc.RebuildAfterLoad();
        benchmark::DoNotOptimize(doc.catalogCount);
    }
    if (doc.settings.keyCount != kMaxKeys || doc.catalogCount == 0) {
        state.SkipWithError("the layout was not read as a full 112-key layout");
    }
}
BENCHMARK(ReadLayoutAndRebuild);

void WriteLayoutFile(benchmark::State& state) {
    LayoutDocument doc;
    doc.filePath = Folder().layoutPath;
    ReadLayout(doc);
    doc.RebuildAfterLoad();
    doc.filePath = (Folder().path / "written.txt").string();
    for (auto _ : state) {
        doc.MarkDirty();
        if (!WriteLayout(doc, KeyboardVariant::SixteenScan)) {
            state.SkipWithError("the layout file cannot be written");
            break;
        }
    }
}
BENCHMARK(WriteLayoutFile);

void BuildImageFromFile(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(Folder().layoutPath, std::ios::binary);
        DeviceImage image;
        if (BuildDeviceImage(in, image) != ImageOk || image.bytes.size() != 2022) {
            state.SkipWithError("the device image was not built");
            break;
        }
        benchmark::DoNotOptimize(image.bytes.data());
    }
}
BENCHMARK(BuildImageFromFile);

} // namespace
} // namespace vorlan::bench

BENCHMARK_MAIN();
