// The record in one SQLite file: WAL, synchronous=FULL (a committed run
// survives a power cut), a busy timeout for the other windows and scripts on
// the same record, the file marked as ours (application_id) with its schema
// version (user_version). All of this backend's SQL is in SqliteRecordStore.cpp
// and SqliteSchema.cpp.
#pragma once

#include "records/RecordStore.h"

#include <memory>
#include <string>

struct sqlite3;

namespace vorlan {

// How long a write waits for another writer before it says Locked.
inline constexpr int kSqliteBusyTimeoutMs = 10000;

class SqliteRecordStore final : public RecordStore {
public:
    // Refuses a file that is a link, another user's, not a database, not
    // ours, damaged or newer, without writing to it; creates a missing one.
    static std::unique_ptr<SqliteRecordStore> Open(const std::string& path, RecordResult& result);
    ~SqliteRecordStore() override;

    const std::string& Name() const override { return path_; }
    RecordResult BeginRun(RunRecord& run) override;
    RecordResult UpdateRun(const RunRecord& run) override;
    RecordResult RunsInProgress(const std::string& host, std::vector<RunRecord>& out) override;
    RecordResult ReadRuns(const RunQuery& query,
                          const std::function<bool(const RunRecord&)>& each) override;
    RecordResult CountOrder(const std::string& order, OrderCounts& out) override;
    RecordResult LastOrder(std::string& order) override;
    RecordResult ImportRuns(const std::vector<RunRecord>& runs, int& added) override;
    RecordResult ReadNote(const std::string& name, std::string& value) override;
    RecordResult WriteNote(const std::string& name, const std::string& value) override;
    RecordResult CreateBatch(BatchRecord& batch) override;
    RecordResult OpenBatches(const std::string& order, std::vector<BatchRecord>& out) override;
    RecordResult ReadBatch(std::int64_t id, BatchRecord& out) override;
    RecordResult ClaimBatch(std::int64_t id, const ProcessIdentity& me,
                            const ProcessIdentity& expected, std::int64_t nowUtcMs) override;
    RecordResult TouchBatch(std::int64_t id, const ProcessIdentity& me,
                            std::int64_t nowUtcMs) override;
    RecordResult CloseBatch(std::int64_t id, const ProcessIdentity& me, BatchState state) override;

private:
    SqliteRecordStore(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
    RecordResult Fail(int code) const;

    sqlite3* db_;
    std::string path_;
};

// The current schema version and the file's mark, for the tests and the bench.
inline constexpr int kSqliteSchemaVersion = 1;
inline constexpr int kSqliteApplicationId = 0x56524C4E;

namespace sqlite {
// Checks the file at path before SQLite opens it (a link, another user's, not
// a database): Ok for a missing file or one that may be ours.
RecordResult CheckRecordFile(const std::string& path);
// Sets the pragmas and brings the schema to kSqliteSchemaVersion.
RecordResult PrepareSchema(sqlite3* db, const std::string& path);
} // namespace sqlite

} // namespace vorlan
