// A server's record with the station's own file behind it: a result the
// server cannot take because it went away is kept in that file and sent when
// the server answers again, so a keyboard already programmed is never lost
// from the record.
#pragma once

#include "records/RecordStore.h"

#include <memory>
#include <set>
#include <string>

namespace vorlan {

// A run's result the server could not take, kept in the station's local
// record under the server's name and the run's id there. A later result of
// the same run supersedes an earlier one.
RecordResult KeepResult(RecordStore& local, const std::string& server, const RunRecord& run);

// Sends the results kept for server that it has not had yet, oldest first,
// the last of each run only; sent counts those it took now. A result the
// server already holds (sent before, or the run ended there) is not sent
// again. Call it before settling dead runs, so a kept result is never taken
// for an interrupted run. left, when given, counts what is still to send.
RecordResult SendKeptResults(RecordStore& local, RecordStore& server, int& sent,
                             int* left = nullptr);

class KeepingRecordStore final : public RecordStore {
public:
    KeepingRecordStore(std::unique_ptr<RecordStore> server, std::string localPath);

    const std::string& Name() const override { return server_->Name(); }
    // Sends what is kept first: no new keyboard while a result still waits.
    RecordResult BeginRun(RunRecord& run) override;
    // Kept (with keptIn) when the server went away and the result is safe here.
    RecordResult UpdateRun(const RunRecord& run) override;
    RecordResult SendKept(int& sent) override;
    int KeptCount() const override { return pending_; }

    RecordResult RunsInProgress(const std::string& host, std::vector<RunRecord>& out) override {
        return server_->RunsInProgress(host, out);
    }
    RecordResult ReadRuns(const RunQuery& query,
                          const std::function<bool(const RunRecord&)>& each) override {
        return server_->ReadRuns(query, each);
    }
    RecordResult CountOrder(const std::string& order, OrderCounts& out) override {
        return server_->CountOrder(order, out);
    }
    RecordResult LastOrder(std::string& order) override { return server_->LastOrder(order); }
    RecordResult RecentOrders(int most, std::vector<std::string>& out) override {
        return server_->RecentOrders(most, out);
    }
    RecordResult ImportRuns(const std::vector<RunRecord>& runs, int& added) override {
        return server_->ImportRuns(runs, added);
    }
    RecordResult ReadNote(const std::string& name, std::string& value) override {
        return server_->ReadNote(name, value);
    }
    RecordResult WriteNote(const std::string& name, const std::string& value) override {
        return server_->WriteNote(name, value);
    }
    RecordResult CreateBatch(BatchRecord& batch) override { return server_->CreateBatch(batch); }
    RecordResult OpenBatches(const std::string& order, std::vector<BatchRecord>& out) override {
        return server_->OpenBatches(order, out);
    }
    RecordResult ReadBatch(std::int64_t id, BatchRecord& out) override {
        return server_->ReadBatch(id, out);
    }
    RecordResult ClaimBatch(std::int64_t id, const ProcessIdentity& me,
                            const ProcessIdentity& expected, std::int64_t nowUtcMs) override {
        return server_->ClaimBatch(id, me, expected, nowUtcMs);
    }
    RecordResult TouchBatch(std::int64_t id, const ProcessIdentity& me,
                            std::int64_t nowUtcMs) override {
        return server_->TouchBatch(id, me, nowUtcMs);
    }
    RecordResult CloseBatch(std::int64_t id, const ProcessIdentity& me, BatchState state) override {
        return server_->CloseBatch(id, me, state);
    }

private:
    // The local record, opened when first needed; made only to keep a result.
    RecordStore* Local(bool make, RecordResult& result);

    std::unique_ptr<RecordStore> server_;
    std::string localPath_;
    std::unique_ptr<RecordStore> local_;
    int pending_ = -1;                // runs not sent yet; not known until the first send
    std::set<std::int64_t> keptRuns_; // the server's ids of the runs kept by this store
};

} // namespace vorlan
