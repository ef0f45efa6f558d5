#include "records/RecordCopy.h"

#include <cstdlib>
#include <unordered_set>
#include <vector>

namespace vorlan {
namespace {

// Runs added in one transaction: a million-run history is never one commit
// nor one vector.
constexpr std::size_t kSlice = 1000;

} // namespace

std::string CopyKey(const RunRecord& run) {
    if (!run.importKey.empty()) {
        return run.importKey;
    }
    return "copy " + run.process.host + " " + std::to_string(run.process.pid) + " " +
           std::to_string(run.process.start) + " " + std::to_string(run.startedUtcMs) + " " +
           std::to_string(run.id);
}

RecordResult CopyRuns(RecordStore& from, RecordStore& to, CopyCounts& counts) {
    counts = {};
    // One connection cannot read and write two transactions at once.
    if (from.Name() == to.Name()) {
        return {RecordFailure::Other, to.Name(), "the record to copy to is the one copied from"};
    }
    // The keys of to's own runs: a run that went from to into from and comes
    // back has one of them, and the same file under another name has all.
    // The runs copied into to are known by their import key already.
    std::unordered_set<std::string> own;
    if (const RecordResult read = to.ReadRuns({},
                                              [&](const RunRecord& run) {
                                                  if (run.importKey.empty()) {
                                                      own.insert(CopyKey(run));
                                                  }
                                                  return true;
                                              });
        !read.Ok()) {
        return read;
    }
    std::vector<RunRecord> slice;
    RecordResult written;
    const auto flush = [&]() {
        int added = 0;
        written = to.ImportRuns(slice, added);
        counts.added += added;
        slice.clear();
        return written.Ok();
    };
    const RecordResult read = from.ReadRuns({}, [&](const RunRecord& run) {
        // A run still in progress has no end to copy; a later copy takes it.
        if (run.state == RunState::Running || run.state == RunState::Programmed) {
            ++counts.inProgress;
            return true;
        }
        // A result kept for a server is that server's run already.
        if (run.importKey.rfind("kept for ", 0) == 0) {
            return true;
        }
        ++counts.read;
        RunRecord copy = run;
        copy.importKey = CopyKey(run);
        if (own.count(copy.importKey) != 0) {
            return true;
        }
        copy.batchId = 0;
        copy.id = 0;
        slice.push_back(std::move(copy));
        return slice.size() < kSlice || flush();
    });
    if (!written.Ok()) {
        return written;
    }
    if (!read.Ok()) {
        return read;
    }
    if (!slice.empty()) {
        flush();
    }
    counts.known = counts.read - counts.added;
    return written;
}

} // namespace vorlan
