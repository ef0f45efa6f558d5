// The key test's core on a full 112-key layout of 16-code keys: matching the
// sequence of one key press against it (the green tick must follow the press
// at once), and the check for keys that cannot be told apart. Floors: the
// same key found by comparing its codes with every key's in turn, and
// sorting the keys by their sequences.
#include "verify/CodeStreamMatcher.h"
#include "verify/KeyTestPlan.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <numeric>

namespace vorlan::bench {
namespace {

// Every key 16 codes long, all beginning alike, so the search goes deep.
KeyTestPlan FullPlan() {
    static constexpr std::array<std::uint8_t, 26> kLetters = {
        0x1C, 0x32, 0x21, 0x23, 0x24, 0x2B, 0x34, 0x33, 0x43, 0x3B, 0x42, 0x4B, 0x3A,
        0x31, 0x44, 0x4D, 0x15, 0x2D, 0x1B, 0x2C, 0x3C, 0x2A, 0x1D, 0x22, 0x35, 0x1A};
    KeyTestPlan plan;
    for (int k = 1; k <= 112; ++k) {
        TestKey key{k, "KEY" + std::to_string(k), {}};
        for (int i = 0; i < 16; ++i) {
            const int pick = i < 12 ? i : (k * (i + 3)) % 26;
            key.codes.push_back(
                kLetters[static_cast<std::size_t>(pick + (i >= 14 ? k / 26 : 0)) % 26]);
        }
        plan.keys.push_back(std::move(key));
    }
    plan.ambiguities = FindAmbiguities(plan.keys);
    return plan;
}

void MatchOneKey(benchmark::State& state) {
    const KeyTestPlan plan = FullPlan();
    CodeStreamMatcher matcher(plan);
    const CodeSequence& pressed = plan.keys[88].codes;
    std::vector<StreamEvent> events;
    std::int64_t now = 0;
    for (auto _ : state) {
        events.clear();
        now += 1000; // each press after a pause
        for (const std::uint8_t code : pressed) {
            matcher.Feed(code, now, events);
        }
        matcher.Flush(events);
        benchmark::DoNotOptimize(events.data());
    }
}
BENCHMARK(MatchOneKey);

void CompareWithEveryKey(benchmark::State& state) {
    const KeyTestPlan plan = FullPlan();
    const CodeSequence& pressed = plan.keys[88].codes;
    for (auto _ : state) {
        int found = -1;
        for (std::size_t k = 0; k < plan.keys.size(); ++k) {
            if (plan.keys[k].codes == pressed) {
                found = static_cast<int>(k);
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(CompareWithEveryKey);

void AmbiguityCheck(benchmark::State& state) {
    const KeyTestPlan plan = FullPlan();
    for (auto _ : state) {
        std::vector<Ambiguity> found = FindAmbiguities(plan.keys);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(AmbiguityCheck);

void SortKeysBySequence(benchmark::State& state) {
    const KeyTestPlan plan = FullPlan();
    for (auto _ : state) {
        std::vector<int> order(plan.keys.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(),
                  [&plan](int a, int b) { return plan.keys[a].codes < plan.keys[b].codes; });
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(SortKeysBySequence);

} // namespace
} // namespace vorlan::bench

BENCHMARK_MAIN();
