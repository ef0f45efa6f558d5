// The editing history on a full 112-key layout: one undo and one redo of a
// step that changes every key (the largest step there is), against the
// floor of copying the document once; and the memory 200 steps hold, of
// single-key edits and of steps that change every key, against 200 copies
// of the document (what a history of whole snapshots would hold).
#include "BenchLayout.h"
#include "history/LayoutHistory.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace vorlan::bench {
namespace {

std::unique_ptr<LayoutDocument> FullLayout() {
    auto doc = std::make_unique<LayoutDocument>();
    FillBenchLayout(*doc, kMaxKeys);
    return doc;
}

// Gives every key 1..112 the next mode: one step that touches all of them.
void ChangeEveryKey(LayoutDocument& doc, int round) {
    for (int k = 1; k <= kMaxKeys; ++k) {
        doc.keys[static_cast<std::size_t>(k)].SetMode(
            kOfferedModes[static_cast<std::size_t>(round % 3)]);
    }
}

void CopyDocument(benchmark::State& state) {
    const auto doc = FullLayout();
    auto copy = std::make_unique<LayoutDocument>();
    for (auto _ : state) {
        *copy = *doc;
        benchmark::DoNotOptimize(copy->keys.data());
    }
}
BENCHMARK(CopyDocument)->Unit(benchmark::kMicrosecond);

// Times only the undo (redo) of each pair; the other half puts it back.
void UndoOrRedo(benchmark::State& state, bool timeUndo) {
    const auto doc = FullLayout();
    LayoutHistory history(*doc);
    history.Begin({});
    ChangeEveryKey(*doc, 1);
    history.Commit(StringId::StepModeForAll, {});
    for (auto _ : state) {
        if (!timeUndo) {
            state.PauseTiming();
            history.Undo();
            state.ResumeTiming();
            history.Redo();
        } else {
            history.Undo();
            state.PauseTiming();
            history.Redo();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(doc->keys.data());
    }
    if (history.Position() != 1 || doc->keys[1].mode() != KeyMode::Mode2) {
        state.SkipWithError("the step did not come back");
    }
}
void UndoStep(benchmark::State& state) {
    UndoOrRedo(state, true);
}
void RedoStep(benchmark::State& state) {
    UndoOrRedo(state, false);
}
BENCHMARK(UndoStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(RedoStep)->Unit(benchmark::kMicrosecond);

// 200 steps into a fresh history; the bytes they hold go out as counters.
void HistoryMemory(benchmark::State& state, bool everyKey) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto doc = FullLayout();
        LayoutHistory history(*doc, 200);
        for (int i = 0; i < 200; ++i) {
            history.Begin({});
            if (everyKey) {
                ChangeEveryKey(*doc, i + 1);
            } else {
                doc->keys[static_cast<std::size_t>(1 + i % kMaxKeys)].name =
                    "Key " + std::to_string(i);
            }
            history.Commit(StringId::StepKeyName, {});
        }
        bytes = history.StepBytes();
    }
    state.counters["step_bytes"] = static_cast<double>(bytes);
    state.counters["snapshot_bytes"] = static_cast<double>(200 * sizeof(LayoutDocument));
}
void HistoryOf200KeyEdits(benchmark::State& state) {
    HistoryMemory(state, false);
}
void HistoryOf200FullSteps(benchmark::State& state) {
    HistoryMemory(state, true);
}
BENCHMARK(HistoryOf200KeyEdits)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HistoryOf200FullSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace vorlan::bench

BENCHMARK_MAIN();
