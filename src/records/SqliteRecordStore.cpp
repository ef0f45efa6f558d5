#include "records/SqliteRecordStore.h"

#include "records/SqliteStatement.h"

#include <algorithm>
#include <sqlite3.h>

namespace vorlan {
namespace {

using sqlite::Statement;
using sqlite::Transaction;

// The columns of a run as ReadRun takes them, in this order.
constexpr std::string_view kRunColumns =
    "id, station, pid, process_start, user_name, started, started_ms, layout_given, "
    "layout_resolved, file_sha256, image_sha256, keyboard_type, bytes_planned, emulated, "
    "order_ref, batch_id, place, keyboards, state, bytes_written, duration_ms, result, key_test, "
    "set_aside, outcome, import_key";

constexpr std::string_view kInsertRun =
    "INSERT INTO runs(station, pid, process_start, user_name, started, started_ms, layout_given, "
    "layout_resolved, file_sha256, image_sha256, keyboard_type, bytes_planned, emulated, "
    "order_ref, batch_id, place, keyboards, state, bytes_written, duration_ms, result, key_test, "
    "set_aside, outcome, import_key) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, "
    "?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24, ?25)";

constexpr std::string_view kBatchColumns =
    "id, order_ref, keyboards, test, layout_file, file_sha256, image_sha256, started, state, "
    "owner_host, owner_pid, owner_start, owner_seen_ms";

RunRecord ReadRun(const Statement& s) {
    RunRecord run;
    run.id = s.Int(0);
    run.process = {s.Text(1), s.Int(2), s.Int(3)};
    run.user = s.Text(4);
    run.started = s.Text(5);
    run.startedUtcMs = s.Int(6);
    run.layoutGiven = s.Text(7);
    run.layoutResolved = s.Text(8);
    run.fileSha256 = s.Text(9);
    run.imageSha256 = s.Text(10);
    run.keyboardType = static_cast<int>(s.Int(11));
    run.bytesPlanned = s.Int(12);
    run.emulated = s.Int(13) != 0;
    run.order = s.Text(14);
    run.batchId = s.Int(15);
    run.place = static_cast<int>(s.Int(16));
    run.count = static_cast<int>(s.Int(17));
    run.state = RunStateFromName(s.Text(18)).value_or(RunState::Interrupted);
    run.bytesWritten = s.Int(19);
    run.durationMs = s.Int(20);
    run.result = s.Text(21);
    run.keyTest = KeyTestFromName(s.Text(22)).value_or(KeyTestOutcome::NotRun);
    run.setAside = s.Int(23) != 0;
    if (!s.IsNull(24)) {
        run.outcome = OutcomeFromName(s.Text(24)).value_or(BatchOutcome::Failed);
    }
    run.importKey = s.Text(25);
    return run;
}

void BindRun(Statement& s, const RunRecord& run) {
    s.Bind(1, run.process.host).Bind(2, run.process.pid).Bind(3, run.process.start);
    s.Bind(4, run.user).Bind(5, run.started).Bind(6, run.startedUtcMs);
    s.Bind(7, run.layoutGiven).Bind(8, run.layoutResolved).Bind(9, run.fileSha256);
    s.Bind(10, run.imageSha256).Bind(11, std::int64_t{run.keyboardType});
    s.Bind(12, run.bytesPlanned).Bind(13, std::int64_t{run.emulated ? 1 : 0});
    s.Bind(14, run.order);
    if (run.batchId > 0) {
        s.Bind(15, run.batchId);
    } else {
        s.BindNull(15);
    }
    s.Bind(16, std::int64_t{run.place}).Bind(17, std::int64_t{run.count});
    s.Bind(18, RunStateName(run.state)).Bind(19, run.bytesWritten).Bind(20, run.durationMs);
    s.Bind(21, run.result).Bind(22, KeyTestName(run.keyTest));
    s.Bind(23, std::int64_t{run.setAside ? 1 : 0});
    if (run.outcome) {
        s.Bind(24, OutcomeName(*run.outcome));
    } else {
        s.BindNull(24);
    }
    if (run.importKey.empty()) {
        s.BindNull(25);
    } else {
        s.Bind(25, run.importKey);
    }
}

BatchRecord ReadBatchRow(const Statement& s) {
    BatchRecord b;
    b.id = s.Int(0);
    b.order = s.Text(1);
    b.count = static_cast<int>(s.Int(2));
    b.test = BatchTestFromName(s.Text(3)).value_or(BatchTest::None);
    b.layoutFile = s.Text(4);
    b.fileSha256 = s.Text(5);
    b.imageSha256 = s.Text(6);
    b.started = s.Text(7);
    b.state = BatchStateFromName(s.Text(8)).value_or(BatchState::Ended);
    b.owner = {s.Text(9), s.Int(10), s.Int(11)};
    b.ownerSeenUtcMs = s.Int(12);
    return b;
}

} // namespace

std::unique_ptr<SqliteRecordStore> SqliteRecordStore::Open(const std::string& path,
                                                           RecordResult& result) {
    result = sqlite::CheckRecordFile(path);
    if (!result.Ok()) {
        return nullptr;
    }
    sqlite3* db = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_FULLMUTEX;
    const int code = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (code != SQLITE_OK) {
        result = sqlite::Failure(db, code, path);
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    result = sqlite::PrepareSchema(db, path);
    if (!result.Ok()) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return std::unique_ptr<SqliteRecordStore>(new SqliteRecordStore(db, path));
}

SqliteRecordStore::~SqliteRecordStore() {
    sqlite3_close_v2(db_);
}

RecordResult SqliteRecordStore::Fail(int code) const {
    return sqlite::Failure(db_, code, path_);
}

RecordResult SqliteRecordStore::BeginRun(RunRecord& run) {
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    if (!run.order.empty()) {
        Statement batch(db_, "SELECT id, keyboards FROM batches WHERE state = 'open' AND "
                             "order_ref = ?1 AND (?2 = 0 OR id = ?2)");
        batch.Bind(1, run.order).Bind(2, run.batchId);
        if (batch.Step()) {
            run.batchId = batch.Int(0);
            run.count = static_cast<int>(batch.Int(1));
        } else if (batch.Failed()) {
            return Fail(batch.Code());
        } else if (run.batchId > 0) {
            return {RecordFailure::NotFound, path_, "batch " + std::to_string(run.batchId)};
        }
        // The first place no passed keyboard and none in progress holds.
        Statement taken(db_, "SELECT DISTINCT place FROM runs WHERE order_ref = ?1 AND place > 0 "
                             "AND (state IN ('running', 'programmed') OR outcome = 'passed') "
                             "ORDER BY place");
        taken.Bind(1, run.order);
        run.place = 1;
        while (taken.Step() && taken.Int(0) == run.place) {
            ++run.place;
        }
        if (taken.Failed()) {
            return Fail(taken.Code());
        }
        // A batch never takes more keyboards than its number.
        if (run.batchId > 0 && run.count > 0 && run.place > run.count) {
            return {RecordFailure::Full, path_, run.order};
        }
    }
    run.state = RunState::Running;
    run.outcome.reset();
    Statement insert(db_, kInsertRun);
    BindRun(insert, run);
    if (!insert.Run()) {
        return Fail(insert.Code());
    }
    run.id = sqlite3_last_insert_rowid(db_);
    const int code = t.Commit();
    if (code != SQLITE_OK) {
        run.id = 0;
        return Fail(code);
    }
    return {};
}

RecordResult SqliteRecordStore::UpdateRun(const RunRecord& run) {
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    Statement s(db_, "UPDATE runs SET state = ?2, bytes_written = ?3, duration_ms = ?4, "
                     "result = ?5, key_test = ?6, set_aside = ?7, outcome = ?8, keyboard_type = ?9 "
                     "WHERE id = ?1 AND state IN ('running', 'programmed')");
    s.Bind(1, run.id).Bind(2, RunStateName(run.state)).Bind(3, run.bytesWritten);
    s.Bind(4, run.durationMs).Bind(5, run.result).Bind(6, KeyTestName(run.keyTest));
    s.Bind(7, std::int64_t{run.setAside ? 1 : 0}).Bind(9, std::int64_t{run.keyboardType});
    if (run.outcome) {
        s.Bind(8, OutcomeName(*run.outcome));
    } else {
        s.BindNull(8);
    }
    if (!s.Run()) {
        return Fail(s.Code());
    }
    if (sqlite3_changes(db_) == 0) {
        return {RecordFailure::NotFound, path_, "run " + std::to_string(run.id)};
    }
    const int code = t.Commit();
    return code == SQLITE_OK ? RecordResult{} : Fail(code);
}

RecordResult SqliteRecordStore::RunsInProgress(const std::string& host,
                                               std::vector<RunRecord>& out) {
    out.clear();
    Statement s(db_, "SELECT " + std::string(kRunColumns) +
                         " FROM runs WHERE station = ?1 AND state IN ('running', 'programmed') "
                         "ORDER BY id");
    s.Bind(1, host);
    while (s.Step()) {
        out.push_back(ReadRun(s));
    }
    return s.Failed() ? Fail(s.Code()) : RecordResult{};
}

RecordResult SqliteRecordStore::ReadRuns(const RunQuery& query,
                                         const std::function<bool(const RunRecord&)>& each) {
    std::string sql = "SELECT " + std::string(kRunColumns) + " FROM runs WHERE id > ?3";
    if (!query.anyOrder) {
        sql += " AND order_ref = ?1";
    }
    if (query.batchId > 0) {
        sql += " AND batch_id = ?2";
    }
    sql += " ORDER BY id";
    // One read transaction, so a long report sees one state of the record.
    Statement begin(db_, "BEGIN");
    if (!begin.Run()) {
        return Fail(begin.Code());
    }
    Statement s(db_, sql);
    s.Bind(3, query.afterId);
    if (!query.anyOrder) {
        s.Bind(1, query.order);
    }
    if (query.batchId > 0) {
        s.Bind(2, query.batchId);
    }
    while (s.Step()) {
        if (!each(ReadRun(s))) {
            break;
        }
    }
    const RecordResult result = s.Failed() ? Fail(s.Code()) : RecordResult{};
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    return result;
}

RecordResult SqliteRecordStore::CountOrder(const std::string& order, OrderCounts& out) {
    out = {};
    Statement s(db_, "SELECT coalesce(outcome, ''), state, count(*) FROM runs WHERE "
                     "order_ref = ?1 GROUP BY 1, 2");
    s.Bind(1, order);
    while (s.Step()) {
        const int n = static_cast<int>(s.Int(2));
        const std::string outcome = s.Text(0);
        const std::string state = s.Text(1);
        if (state == "running" || state == "programmed") {
            out.inProgress += n;
        } else if (outcome == "passed") {
            out.passed += n;
        } else if (outcome == "set-aside") {
            out.setAside += n;
        } else {
            out.failed += n;
        }
    }
    return s.Failed() ? Fail(s.Code()) : RecordResult{};
}

RecordResult SqliteRecordStore::LastOrder(std::string& order) {
    order.clear();
    Statement s(db_, "SELECT order_ref FROM runs WHERE order_ref <> '' ORDER BY id DESC LIMIT 1");
    if (s.Step()) {
        order = s.Text(0);
    }
    return s.Failed() ? Fail(s.Code()) : RecordResult{};
}

RecordResult SqliteRecordStore::RecentOrders(int most, std::vector<std::string>& out) {
    out.clear();
    Statement s(db_, "SELECT order_ref FROM runs WHERE order_ref <> '' GROUP BY order_ref "
                     "ORDER BY MAX(id) DESC LIMIT ?1");
    s.Bind(1, static_cast<std::int64_t>(most));
    while (s.Step()) {
        out.push_back(s.Text(0));
    }
    return s.Failed() ? Fail(s.Code()) : RecordResult{};
}

RecordResult SqliteRecordStore::ImportRuns(const std::vector<RunRecord>& runs, int& added) {
    added = 0;
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    const std::string sql =
        std::string(kInsertRun).replace(0, 6, "INSERT OR IGNORE"); // "INSERT" → "INSERT OR IGNORE"
    for (const RunRecord& run : runs) {
        Statement insert(db_, sql);
        BindRun(insert, run);
        if (!insert.Run()) {
            return Fail(insert.Code());
        }
        added += sqlite3_changes(db_);
    }
    const int code = t.Commit();
    if (code != SQLITE_OK) {
        added = 0;
        return Fail(code);
    }
    return {};
}

RecordResult SqliteRecordStore::ReadNote(const std::string& name, std::string& value) {
    Statement s(db_, "SELECT value FROM notes WHERE name = ?1");
    s.Bind(1, name);
    value = s.Step() ? s.Text(0) : std::string();
    return s.Failed() ? Fail(s.Code()) : RecordResult{};
}

RecordResult SqliteRecordStore::WriteNote(const std::string& name, const std::string& value) {
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    Statement s(db_, "INSERT OR REPLACE INTO notes(name, value) VALUES(?1, ?2)");
    s.Bind(1, name).Bind(2, value);
    if (!s.Run()) {
        return Fail(s.Code());
    }
    const int code = t.Commit();
    return code == SQLITE_OK ? RecordResult{} : Fail(code);
}

RecordResult SqliteRecordStore::CreateBatch(BatchRecord& batch) {
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    Statement s(db_, "INSERT INTO batches(order_ref, keyboards, test, layout_file, file_sha256, "
                     "image_sha256, started, state, owner_host, owner_pid, owner_start, "
                     "owner_seen_ms) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, 'open', ?8, ?9, ?10, ?11)");
    s.Bind(1, batch.order).Bind(2, std::int64_t{batch.count}).Bind(3, BatchTestName(batch.test));
    s.Bind(4, batch.layoutFile).Bind(5, batch.fileSha256).Bind(6, batch.imageSha256);
    s.Bind(7, batch.started).Bind(8, batch.owner.host).Bind(9, batch.owner.pid);
    s.Bind(10, batch.owner.start).Bind(11, batch.ownerSeenUtcMs);
    if (!s.Run()) {
        if (s.Code() == SQLITE_CONSTRAINT_UNIQUE) {
            return {RecordFailure::Exists, path_, batch.order};
        }
        return Fail(s.Code());
    }
    batch.id = sqlite3_last_insert_rowid(db_);
    batch.state = BatchState::Open;
    const int code = t.Commit();
    return code == SQLITE_OK ? RecordResult{} : Fail(code);
}

RecordResult SqliteRecordStore::OpenBatches(const std::string& order,
                                            std::vector<BatchRecord>& out) {
    out.clear();
    Statement s(db_, "SELECT " + std::string(kBatchColumns) +
                         " FROM batches WHERE state = 'open' AND (?1 = '' OR order_ref = ?1) "
                         "ORDER BY id DESC");
    s.Bind(1, order);
    while (s.Step()) {
        out.push_back(ReadBatchRow(s));
    }
    return s.Failed() ? Fail(s.Code()) : RecordResult{};
}

RecordResult SqliteRecordStore::ReadBatch(std::int64_t id, BatchRecord& out) {
    Statement s(db_, "SELECT " + std::string(kBatchColumns) + " FROM batches WHERE id = ?1");
    s.Bind(1, id);
    if (s.Step()) {
        out = ReadBatchRow(s);
        return {};
    }
    return s.Failed() ? Fail(s.Code())
                      : RecordResult{RecordFailure::NotFound, path_, "batch " + std::to_string(id)};
}

RecordResult SqliteRecordStore::ClaimBatch(std::int64_t id, const ProcessIdentity& me,
                                           const ProcessIdentity& expected, std::int64_t nowUtcMs) {
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    Statement s(db_, "UPDATE batches SET owner_host = ?2, owner_pid = ?3, owner_start = ?4, "
                     "owner_seen_ms = ?5 WHERE id = ?1 AND state = 'open' AND ((owner_host = ?6 "
                     "AND owner_pid = ?7 AND owner_start = ?8) OR (owner_host = ?2 AND "
                     "owner_pid = ?3 AND owner_start = ?4) OR owner_host = '')");
    s.Bind(1, id).Bind(2, me.host).Bind(3, me.pid).Bind(4, me.start).Bind(5, nowUtcMs);
    s.Bind(6, expected.host).Bind(7, expected.pid).Bind(8, expected.start);
    if (!s.Run()) {
        return Fail(s.Code());
    }
    if (sqlite3_changes(db_) == 0) {
        BatchRecord now;
        if (RecordResult read = ReadBatch(id, now); !read.Ok()) {
            return read;
        }
        if (now.state != BatchState::Open) {
            return {RecordFailure::NotFound, path_, "batch " + std::to_string(id)};
        }
        return {RecordFailure::Held, path_,
                now.owner.host + ", process " + std::to_string(now.owner.pid)};
    }
    const int code = t.Commit();
    return code == SQLITE_OK ? RecordResult{} : Fail(code);
}

RecordResult SqliteRecordStore::TouchBatch(std::int64_t id, const ProcessIdentity& me,
                                           std::int64_t nowUtcMs) {
    return ClaimBatch(id, me, me, nowUtcMs);
}

RecordResult SqliteRecordStore::CloseBatch(std::int64_t id, const ProcessIdentity& me,
                                           BatchState state) {
    if (RecordResult held = ClaimBatch(id, me, me, 0); !held.Ok()) {
        return held;
    }
    Transaction t(db_);
    if (t.Code() != SQLITE_OK) {
        return Fail(t.Code());
    }
    Statement s(db_, "UPDATE batches SET state = ?2, owner_host = '', owner_pid = 0, "
                     "owner_start = 0 WHERE id = ?1 AND owner_host = ?3 AND owner_pid = ?4");
    s.Bind(1, id).Bind(2, BatchStateName(state)).Bind(3, me.host).Bind(4, me.pid);
    if (!s.Run()) {
        return Fail(s.Code());
    }
    const int code = t.Commit();
    return code == SQLITE_OK ? RecordResult{} : Fail(code);
}

} // namespace vorlan
