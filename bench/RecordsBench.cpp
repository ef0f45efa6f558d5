// The record: what a run's two commits (its row before the keyboard is
// touched, its end after) add to a keyboard on a record of a million runs,
// and the report of one order of a thousand keyboards out of that million.
// Each figure has its floor measured in the same run: the same statements
// without a commit to the disk, and one read of the order's rows.
#include "records/RecordPolicy.h"
#include "records/SqliteRecordStore.h"
#include "station/BatchReport.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlan::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 1000000;
constexpr int kOrderRuns = 1000;
const std::string kOrder = "PO 4711";

RunRecord SomeRun(int i) {
    RunRecord run;
    run.process = {"bench-station", 4242, 1};
    run.user = "bench";
    run.started = "2026-12-09 10:00:00";
    run.startedUtcMs = 1765274400000 + i;
    run.layoutGiven = "shop.txt";
    run.layoutResolved = "/srv/layouts/shop.txt";
    run.fileSha256 = std::string(64, 'f');
    run.imageSha256 = std::string(64, 'a');
    run.keyboardType = 1;
    run.bytesPlanned = run.bytesWritten = 1014;
    run.durationMs = 3300;
    run.state = RunState::Finished;
    run.result = "done";
    run.keyTest = KeyTestOutcome::Passed;
    // Every thousandth run is the order's, spread through the record.
    const bool ours = i % (kRuns / kOrderRuns) == 0;
    run.order = ours ? kOrder : "SO " + std::to_string(i / 40);
    run.place = ours ? i / (kRuns / kOrderRuns) + 1 : i % 40 + 1;
    run.count = ours ? kOrderRuns : 40;
    run.outcome = BatchOutcome::Passed;
    run.importKey = "bench " + std::to_string(i);
    return run;
}

// A record of a million runs, made once in a child process so its memory is
// not this process's.
const std::string& MillionRecord() {
    static const std::string path = [] {
        const std::string p = (fs::temp_directory_path() /
                               ("vorlan-bench-records-" + std::to_string(getpid()) + ".db"))
                                  .string();
        const pid_t child = fork();
        if (child == 0) {
            RecordResult opened;
            auto store = SqliteRecordStore::Open(p, opened);
            std::vector<RunRecord> runs;
            for (int i = 0; i < kRuns && store; ++i) {
                runs.push_back(SomeRun(i));
                if (runs.size() == 50000 || i + 1 == kRuns) {
                    int added = 0;
                    if (!store->ImportRuns(runs, added).Ok()) {
                        _exit(1);
                    }
                    runs.clear();
                }
            }
            _exit(store ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return p;
    }();
    return path;
}

struct Cleanup {
    ~Cleanup() {
        std::error_code ignored;
        for (const char* suffix : {"", "-wal", "-shm"}) {
            fs::remove(MillionRecord() + suffix, ignored);
        }
    }
};

void ReportOfOneOrderInAMillion(benchmark::State& state) {
    static const Cleanup cleanup;
    RecordResult opened;
    auto store = SqliteRecordStore::Open(MillionRecord(), opened);
    if (!store) {
        state.SkipWithError(opened.English().c_str());
        return;
    }
    for (auto _ : state) {
        RecordResult read;
        const BatchReport report = ReportFromRecord(*store, kOrder, read);
        if (!read.Ok() || report.rows.size() != kOrderRuns) {
            state.SkipWithError("the order's rows were not all read");
            break;
        }
        benchmark::DoNotOptimize(report.rows.data());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mib"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(ReportOfOneOrderInAMillion)->Unit(benchmark::kMillisecond);

// The floor: the order's rows read without building the report.
void ReadOneOrderInAMillion(benchmark::State& state) {
    RecordResult opened;
    auto store = SqliteRecordStore::Open(MillionRecord(), opened);
    if (!store) {
        state.SkipWithError(opened.English().c_str());
        return;
    }
    RunQuery query;
    query.anyOrder = false;
    query.order = kOrder;
    for (auto _ : state) {
        int n = 0;
        store->ReadRuns(query, [&n](const RunRecord&) { return ++n > 0; });
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(ReadOneOrderInAMillion)->Unit(benchmark::kMillisecond);

// A run's two commits on the million-run record, as vorlanctl and the
// station make them around each keyboard.
void RunsTwoCommits(benchmark::State& state) {
    RecordResult opened;
    auto store = SqliteRecordStore::Open(MillionRecord(), opened);
    if (!store) {
        state.SkipWithError(opened.English().c_str());
        return;
    }
    for (auto _ : state) {
        RunRecord run = SomeRun(1);
        run.process = CurrentProcess();
        run.order = "PO bench";
        run.importKey.clear();
        if (!store->BeginRun(run).Ok()) {
            state.SkipWithError("the run's row was not committed");
            break;
        }
        run.state = RunState::Finished;
        run.outcome = BatchOutcome::Passed;
        if (!store->UpdateRun(run).Ok()) {
            state.SkipWithError("the run's end was not committed");
            break;
        }
    }
}
BENCHMARK(RunsTwoCommits)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorlan::bench

BENCHMARK_MAIN();
