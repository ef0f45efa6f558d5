#include "records/KeepingRecordStore.h"

#include "common/FilePath.h"
#include "records/RecordText.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

namespace vorlan {
namespace {

std::string KeptPrefix(const std::string& server) {
    return "kept for " + server + " run ";
}

// How far the local record's kept results for server were sent: the last
// local row handled, so a long station history is not read again each time.
std::string SentNote(const std::string& server) {
    return "kept sent to " + server;
}

} // namespace

RecordResult KeepResult(RecordStore& local, const std::string& server, const RunRecord& run) {
    RunRecord kept = run;
    // The state is in the key: the run's end after its programmed state is a
    // result of its own, not one the local record already holds.
    kept.importKey =
        KeptPrefix(server) + std::to_string(run.id) + " " + std::string(RunStateName(run.state));
    kept.batchId = 0;
    int added = 0;
    return local.ImportRuns({kept}, added);
}

RecordResult SendKeptResults(RecordStore& local, RecordStore& server, int& sent, int* left) {
    sent = 0;
    const std::string prefix = KeptPrefix(server.Name());
    std::string mark;
    if (RecordResult read = local.ReadNote(SentNote(server.Name()), mark); !read.Ok()) {
        return read;
    }
    RunQuery query;
    query.afterId = std::strtoll(mark.c_str(), nullptr, 10);
    // The server's run id → its last kept result here and that row's id.
    std::map<std::int64_t, std::pair<std::int64_t, RunRecord>> last;
    std::int64_t seen = query.afterId;
    RecordResult read = local.ReadRuns(query, [&](const RunRecord& run) {
        seen = run.id;
        if (run.importKey.rfind(prefix, 0) == 0) {
            RunRecord copy = run;
            copy.id = std::strtoll(run.importKey.c_str() + prefix.size(), nullptr, 10);
            last[copy.id] = {run.id, std::move(copy)};
        }
        return true;
    });
    if (!read.Ok()) {
        return read;
    }
    std::vector<std::pair<std::int64_t, RunRecord>> order;
    for (auto& [serverId, kept] : last) {
        order.push_back(std::move(kept));
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    if (left != nullptr) {
        *left = static_cast<int>(order.size());
    }
    for (const auto& [localId, run] : order) {
        const RecordResult result = server.UpdateRun(run);
        // NotFound: the server holds this run's end already.
        if (!result.Ok() && result.failure != RecordFailure::NotFound) {
            return result;
        }
        if (result.Ok()) {
            ++sent;
        }
        if (left != nullptr) {
            --*left;
        }
        // Rows before this one that are not the last of a later run are done too.
        if (RecordResult noted = local.WriteNote(SentNote(server.Name()), std::to_string(localId));
            !noted.Ok()) {
            return noted;
        }
    }
    return local.WriteNote(SentNote(server.Name()), std::to_string(seen));
}

KeepingRecordStore::KeepingRecordStore(std::unique_ptr<RecordStore> server, std::string localPath)
    : server_(std::move(server)), localPath_(std::move(localPath)) {}

RecordStore* KeepingRecordStore::Local(bool make, RecordResult& result) {
    if (local_) {
        return local_.get();
    }
    std::error_code ignored;
    if (!make && !std::filesystem::exists(PathFromUtf8(localPath_), ignored)) {
        return nullptr;
    }
    local_ = OpenRecordInItsFolder(localPath_, result);
    return local_.get();
}

RecordResult KeepingRecordStore::SendKept(int& sent) {
    sent = 0;
    RecordResult opened;
    RecordStore* local = Local(false, opened);
    if (local == nullptr) {
        pending_ = 0;
        return opened;
    }
    int left = 0;
    RecordResult result = SendKeptResults(*local, *server_, sent, &left);
    pending_ = result.Ok() ? 0 : left;
    if (result.Ok()) {
        keptRuns_.clear();
    }
    return result;
}

RecordResult KeepingRecordStore::BeginRun(RunRecord& run) {
    if (pending_ != 0) {
        int sent = 0;
        if (RecordResult waiting = SendKept(sent); !waiting.Ok()) {
            return waiting;
        }
    }
    return server_->BeginRun(run);
}

RecordResult KeepingRecordStore::UpdateRun(const RunRecord& run) {
    const RecordResult result = server_->UpdateRun(run);
    if (result.failure != RecordFailure::Offline) {
        return result;
    }
    RecordResult opened;
    RecordStore* local = Local(true, opened);
    if (local == nullptr || !KeepResult(*local, server_->Name(), run).Ok()) {
        return result; // nowhere to keep it: the server's failure is what is said
    }
    // A run's end after its programmed state is still one keyboard waiting.
    if (keptRuns_.insert(run.id).second) {
        pending_ = std::max(pending_, 0) + 1;
    }
    RecordResult kept = result;
    kept.failure = RecordFailure::Kept;
    kept.keptIn = localPath_;
    return kept;
}

} // namespace vorlan
