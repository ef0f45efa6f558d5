#include "records/RecordText.h"

#include "common/FilePath.h"
#include "common/FileWriter.h"
#include "layout/LayoutFileCap.h"
#include "records/BatchField.h"
#include "records/KeepingRecordStore.h"
#include "records/RecordPolicy.h"
#include "verify/Sha256.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace vorlan {
namespace {

// A line longer than this is no line this program wrote.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

} // namespace

ProgrammingRun LogRunOf(const RunRecord& run) {
    ProgrammingRun line;
    line.dateTime = run.started;
    line.layoutFile = run.layoutResolved;
    line.imageSha256 = run.imageSha256;
    line.keyboardType = run.keyboardType;
    line.bytesWritten = static_cast<std::size_t>(run.bytesWritten);
    line.durationMs = run.durationMs;
    line.result = run.state == RunState::Running || run.state == RunState::Programmed
                      ? std::string("running")
                      : run.result;
    if (!run.order.empty()) {
        line.batch = FormatBatchField({run.order, run.place, run.count, run.keyTest, run.setAside});
    }
    return line;
}

std::string LogLineOf(const RunRecord& run) {
    return FormatLogLine(LogRunOf(run));
}

bool RunOfLogLine(std::string_view text, RunRecord& run) {
    const std::optional<ProgrammingRun> line = ParseLogLine(text);
    if (!line || line->dateTime.size() != 19) {
        return false;
    }
    run = {};
    run.started = line->dateTime;
    run.layoutGiven = line->layoutFile;
    run.layoutResolved = line->layoutFile;
    run.imageSha256 = line->imageSha256;
    run.keyboardType = line->keyboardType;
    run.bytesWritten = static_cast<std::int64_t>(line->bytesWritten);
    run.durationMs = line->durationMs;
    run.result = line->result;
    run.state =
        line->result.starts_with("interrupted") ? RunState::Interrupted : RunState::Finished;
    if (!line->batch.empty()) {
        const std::optional<BatchMark> mark = ParseBatchField(line->batch);
        if (!mark || !CheckOrder(mark->order).Ok()) {
            return false;
        }
        run.order = mark->order;
        run.place = mark->place;
        run.count = mark->count;
        run.keyTest = mark->test;
        run.setAside = mark->setAside;
        run.outcome = OutcomeOfRun(run);
    }
    return true;
}

RecordResult ImportTextLog(RecordStore& store, const std::string& path, TextLogImport& result) {
    result = {};
    const PathCheck check = CheckPlainFile(path);
    if (check != PathCheck::Plain) {
        return {check == PathCheck::NotPlain ? RecordFailure::Foreign : RecordFailure::CannotOpen,
                path, std::string(StringText(ReadFailureId(check)))};
    }
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        return {RecordFailure::CannotOpen, path, std::string(StringText(ReadFailureId(check)))};
    }
    std::vector<RunRecord> runs;
    std::map<std::string, int> seen; // how often each line text came so far
    std::string line;
    std::size_t number = 0;
    int added = 0;
    const auto flush = [&]() {
        int now = 0;
        RecordResult r = store.ImportRuns(runs, now);
        added += now;
        runs.clear();
        return r;
    };
    // Read in pieces of a bounded size: a log of any length, memory of one piece.
    while (true) {
        line.clear();
        bool ended = false;
        char c = 0;
        bool tooLong = false;
        while (in.get(c)) {
            if (c == '\n') {
                ended = true;
                break;
            }
            if (line.size() < kMaxLineBytes) {
                line.push_back(c);
            } else {
                tooLong = true;
            }
        }
        if (!ended && line.empty() && !tooLong) {
            break;
        }
        ++number;
        RunRecord run;
        // A last line without its line end may have been cut while written.
        if (tooLong || !ended || !RunOfLogLine(line, run)) {
            if (line.find_first_not_of(" \t\r") != std::string::npos || tooLong) {
                result.unreadable.emplace_back(number, line.substr(0, 200));
            }
            if (!ended) {
                break;
            }
            continue;
        }
        run.importKey = line + "#" + std::to_string(++seen[line]);
        runs.push_back(std::move(run));
        if (runs.size() >= 5000) {
            if (RecordResult r = flush(); !r.Ok()) {
                return r;
            }
        }
    }
    if (RecordResult r = flush(); !r.Ok()) {
        return r;
    }
    result.added = added;
    std::size_t total = 0;
    for (const auto& [text, n] : seen) {
        total += static_cast<std::size_t>(n);
    }
    result.known = static_cast<int>(total) - added;
    return {};
}

std::string DefaultRecordPath() {
    const std::string log = DefaultLogPath();
    if (log.empty()) {
        return {};
    }
    return Utf8FromPath(PathFromUtf8(log).parent_path() / PathFromUtf8(kRecordFileName));
}

std::unique_ptr<RecordStore> OpenRecordInItsFolder(const std::string& path, RecordResult& result) {
    // The data folder is made as the desktop program makes it; a server's
    // address names no folder here.
    if (const std::filesystem::path folder = PathFromUtf8(path).parent_path();
        !folder.empty() && !IsServerRecord(path)) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
    }
    return OpenRecordStore(path, result);
}

std::unique_ptr<RecordStore> OpenRecord(const std::string& path, const std::string& importOnce,
                                        RecordResult& result, TextLogImport* imported,
                                        const std::string& keepAt, int* keptSent) {
    std::unique_ptr<RecordStore> store = OpenRecordInItsFolder(path, result);
    if (!store) {
        return nullptr;
    }
    if (IsServerRecord(path) && !keepAt.empty() && !IsServerRecord(keepAt)) {
        store = std::make_unique<KeepingRecordStore>(std::move(store), keepAt);
        // Before settling: a result kept here is not an interrupted run.
        int sent = 0;
        if (result = store->SendKept(sent); !result.Ok()) {
            return nullptr;
        }
        if (keptSent != nullptr) {
            *keptSent = sent;
        }
    }
    if (result = SettleDeadRuns(*store); !result.Ok()) {
        return nullptr;
    }
    if (importOnce.empty()) {
        return store;
    }
    std::string done;
    if (result = store->ReadNote(std::string(kImportedDefaultLogNote), done); !result.Ok()) {
        return nullptr;
    }
    if (!done.empty()) {
        return store;
    }
    TextLogImport found;
    const RecordResult read = ImportTextLog(*store, importOnce, found);
    // No log yet is nothing to import; any other failure is said and tried again next time.
    if (!read.Ok() && read.failure != RecordFailure::CannotOpen) {
        result = read;
        return nullptr;
    }
    if (imported != nullptr) {
        *imported = found;
    }
    result = store->WriteNote(std::string(kImportedDefaultLogNote), read.Ok() ? importOnce : "-");
    return result.Ok() ? std::move(store) : nullptr;
}

std::string LayoutFileSha256(const std::string& path) {
    std::string bytes;
    if (ReadPlainFile(path, bytes, kMaxLayoutFileBytes) != PathCheck::Plain) {
        return {};
    }
    return Sha256Hex({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

bool IsRecordFile(const std::string& output, const std::string& recordPath) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path out = fs::weakly_canonical(fs::absolute(PathFromUtf8(output), error), error);
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const fs::path file = PathFromUtf8(recordPath + suffix);
        std::error_code e1;
        if (fs::weakly_canonical(fs::absolute(file, e1), e1) == out) {
            return true;
        }
        std::error_code e2;
        if (fs::exists(file, e2) && fs::exists(PathFromUtf8(output), e2) &&
            fs::equivalent(file, PathFromUtf8(output), e2)) {
            return true;
        }
    }
    return false;
}

} // namespace vorlan
