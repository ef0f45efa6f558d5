// Naming every code of a full 112-key layout of 16-code keys as a German PC
// types them, as the code fields, tooltips and sheet do. Floor: the same
// codes with the standard names.
#include "keyboards/PcLayouts.h"
#include "scancodes/ScanCodeTables.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace vorlan::bench {
namespace {

// Letters, signs, number pad and extended keys mixed, 112 x 16 codes.
std::vector<std::uint32_t> FullLayoutCodes() {
    static constexpr std::array<std::uint32_t, 20> kCodes = {
        0x1C, 0x35, 0x1A, 0x4C, 0x52, 0x0E, 0x4E, 0x55, 0x12, 0x71,
        0xE0, 0x75, 0x03, 0x29, 0x5A, 0x61, 0x41, 0x3A, 0x15, 0x69};
    std::vector<std::uint32_t> codes;
    for (int k = 0; k < 112; ++k) {
        for (int i = 0; i < 16; ++i) {
            codes.push_back(kCodes[static_cast<std::size_t>(k + i) % kCodes.size()]);
        }
    }
    return codes;
}

void Run(benchmark::State& state, const char* layout) {
    const std::vector<std::uint32_t> codes = FullLayoutCodes();
    const CodeNaming names = keyboards::NamingFor(layout);
    for (auto _ : state) {
        std::size_t length = 0;
        for (std::size_t key = 0; key < codes.size(); key += 16) {
            std::uint32_t previous = 0;
            for (std::size_t i = key; i < key + 16; ++i) {
                length += NameOfCode(codes[i], previous, names).size();
                previous = codes[i];
            }
        }
        benchmark::DoNotOptimize(length);
    }
}

void NameCodesInGermanLayout(benchmark::State& state) {
    Run(state, "de");
}
void NameCodesStandard(benchmark::State& state) {
    Run(state, "");
}

BENCHMARK(NameCodesInGermanLayout);
BENCHMARK(NameCodesStandard);

} // namespace
} // namespace vorlan::bench

BENCHMARK_MAIN();
