// The record on a PostgreSQL server, shared by the stations of a workshop.
// The schema and its migrations follow the SQLite record's version for
// version; places are given under a lock on the order, so stations never
// give two keyboards one place. The password is never part of the location:
// libpq takes it from ~/.pgpass, PGPASSWORD or a PGSERVICE entry, and TLS is
// as the location's (or PGSSLMODE's) sslmode says. All of this backend's SQL
// is in PostgresRecordStore.cpp and PostgresSchema.cpp.
#pragma once

#include "records/RecordStore.h"

#include <memory>
#include <string>
#include <string_view>

struct pg_conn;
struct pg_result;

namespace vorlan {

// How long a statement waits for another station's lock before it says Locked.
inline constexpr int kPostgresLockTimeoutMs = 10000;
// The mark in the record's own table: this program's record.
inline constexpr int kPostgresApplicationId = 0x56524C4E;

class PostgresRecordStore final : public RecordStore {
public:
    // Connects, checks the schema and brings an older one up to date in one
    // transaction; refuses a location that holds a password, another
    // program's database and a newer schema, without writing to them.
    static std::unique_ptr<PostgresRecordStore> Open(const std::string& location,
                                                     RecordResult& result);
    ~PostgresRecordStore() override;

    const std::string& Name() const override { return name_; }
    RecordResult BeginRun(RunRecord& run) override;
    RecordResult UpdateRun(const RunRecord& run) override;
    RecordResult RunsInProgress(const std::string& host, std::vector<RunRecord>& out) override;
    RecordResult ReadRuns(const RunQuery& query,
                          const std::function<bool(const RunRecord&)>& each) override;
    RecordResult CountOrder(const std::string& order, OrderCounts& out) override;
    RecordResult LastOrder(std::string& order) override;
    RecordResult RecentOrders(int most, std::vector<std::string>& out) override;
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
    PostgresRecordStore(pg_conn* conn, std::string name) : conn_(conn), name_(std::move(name)) {}
    // Connects again after the server went away; Offline while it stays away.
    RecordResult Ready();
    RecordResult Fail(const pg_result* result) const;

    pg_conn* conn_;
    std::string name_;
    RecordResult refused_; // once refused after a reconnection, for good
};

namespace postgres {
// Sets the session (UTF-8, lock timeout, durable commits), checks the
// schema and migrates it.
RecordResult PrepareSchema(pg_conn* conn, const std::string& name);
// The schema version the record on the server holds (0: none yet), for tests.
int SchemaVersion(pg_conn* conn);
} // namespace postgres

} // namespace vorlan
