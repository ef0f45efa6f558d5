#include "records/PostgresRecordStore.h"

#include "records/PostgresStatement.h"

#include <array>

namespace vorlan {
namespace {

using postgres::Params;
using postgres::Result;
using postgres::Transaction;

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
    "set_aside, outcome, import_key) VALUES($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, "
    "$13, $14, $15, $16, $17, $18, $19, $20, $21, $22, $23, $24, $25)";

// The advisory lock's first key for the places of an order; the second is
// the order's hash, the same on every station.
constexpr std::int32_t kPlacesLock = 0x56524C4E;

std::int32_t OrderHash(std::string_view order) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : order) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return static_cast<std::int32_t>(hash);
}

RunRecord ReadRun(const Result& r, int row) {
    RunRecord run;
    run.id = r.Int(row, 0);
    run.process = {r.Text(row, 1), r.Int(row, 2), r.Int(row, 3)};
    run.user = r.Text(row, 4);
    run.started = r.Text(row, 5);
    run.startedUtcMs = r.Int(row, 6);
    run.layoutGiven = r.Text(row, 7);
    run.layoutResolved = r.Text(row, 8);
    run.fileSha256 = r.Text(row, 9);
    run.imageSha256 = r.Text(row, 10);
    run.keyboardType = static_cast<int>(r.Int(row, 11));
    run.bytesPlanned = r.Int(row, 12);
    run.emulated = r.Int(row, 13) != 0;
    run.order = r.Text(row, 14);
    run.batchId = r.Int(row, 15);
    run.place = static_cast<int>(r.Int(row, 16));
    run.count = static_cast<int>(r.Int(row, 17));
    run.state = RunStateFromName(r.Text(row, 18)).value_or(RunState::Interrupted);
    run.bytesWritten = r.Int(row, 19);
    run.durationMs = r.Int(row, 20);
    run.result = r.Text(row, 21);
    run.keyTest = KeyTestFromName(r.Text(row, 22)).value_or(KeyTestOutcome::NotRun);
    run.setAside = r.Int(row, 23) != 0;
    if (!r.IsNull(row, 24)) {
        run.outcome = OutcomeFromName(r.Text(row, 24)).value_or(BatchOutcome::Failed);
    }
    run.importKey = r.Text(row, 25);
    return run;
}

Params RunParams(const RunRecord& run) {
    Params p;
    p.Add(run.process.host).Add(run.process.pid).Add(run.process.start);
    p.Add(run.user).Add(run.started).Add(run.startedUtcMs);
    p.Add(run.layoutGiven).Add(run.layoutResolved).Add(run.fileSha256);
    p.Add(run.imageSha256).Add(run.keyboardType).Add(run.bytesPlanned).Add(run.emulated);
    p.Add(run.order).AddOrNull(run.batchId > 0, run.batchId);
    p.Add(run.place).Add(run.count);
    p.Add(RunStateName(run.state)).Add(run.bytesWritten).Add(run.durationMs);
    p.Add(run.result).Add(KeyTestName(run.keyTest)).Add(run.setAside);
    p.AddOrNull(run.outcome.has_value(), run.outcome ? OutcomeName(*run.outcome) : "");
    p.AddOrNull(!run.importKey.empty(), run.importKey);
    return p;
}

// Until libpq's own settings say otherwise: a server that does not answer
// is given up after seconds, not after the system's TCP timeout of minutes.
constexpr std::array<const char*, 6> kKeywords{"connect_timeout",           "keepalives_idle",
                                               "keepalives_interval",       "keepalives_count",
                                               "fallback_application_name", "dbname"};

} // namespace

std::unique_ptr<PostgresRecordStore> PostgresRecordStore::Open(const std::string& location,
                                                               RecordResult& result) {
    const std::string name = LocationWithoutPassword(location);
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(location.c_str(), &error);
    if (options == nullptr) {
        result = {RecordFailure::CannotOpen, name, error != nullptr ? error : "out of memory"};
        PQfreemem(error);
        if (!result.detail.empty() && result.detail.back() == '\n') {
            result.detail.pop_back();
        }
        return nullptr;
    }
    bool password = false;
    for (const PQconninfoOption* o = options; o->keyword != nullptr; ++o) {
        password = password || (std::string_view(o->keyword) == "password" && o->val != nullptr &&
                                *o->val != '\0');
    }
    PQconninfoFree(options);
    // Anything on a command line or in the settings is read by others.
    if (password) {
        result = {RecordFailure::PasswordGiven, name, {}};
        return nullptr;
    }
    const std::array<const char*, 7> keywords{kKeywords[0], kKeywords[1], kKeywords[2],
                                              kKeywords[3], kKeywords[4], kKeywords[5],
                                              nullptr};
    const std::array<const char*, 7> values{"10",   "10", "5", "3", "vorlan", location.c_str(),
                                            nullptr};
    PGconn* conn = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (conn == nullptr || PQstatus(conn) != CONNECTION_OK) {
        result = postgres::Failure(conn, nullptr, name);
        const std::string& words = result.detail;
        if (conn != nullptr && PQconnectionNeedsPassword(conn)) {
            result.failure = RecordFailure::Refused;
        } else if (words.find("authentication failed") != std::string::npos ||
                   words.find("pg_hba.conf") != std::string::npos ||
                   (words.find("role \"") != std::string::npos &&
                    words.find("does not exist") != std::string::npos)) {
            result.failure = RecordFailure::Refused;
        } else if (words.find("database \"") != std::string::npos &&
                   words.find("does not exist") != std::string::npos) {
            result.failure = RecordFailure::NoDatabase;
        }
        PQfinish(conn);
        return nullptr;
    }
    result = postgres::PrepareSchema(conn, name);
    if (!result.Ok()) {
        PQfinish(conn);
        return nullptr;
    }
    return std::unique_ptr<PostgresRecordStore>(new PostgresRecordStore(conn, name));
}

PostgresRecordStore::~PostgresRecordStore() {
    PQfinish(conn_);
}

RecordResult PostgresRecordStore::Fail(const PGresult* result) const {
    return postgres::Failure(conn_, result, name_);
}

RecordResult PostgresRecordStore::Ready() {
    if (!refused_.Ok()) {
        return refused_;
    }
    if (PQstatus(conn_) == CONNECTION_OK) {
        return {};
    }
    PQreset(conn_);
    if (PQstatus(conn_) != CONNECTION_OK) {
        return Fail(nullptr);
    }
    // A new session: its settings again, and the schema checked again.
    RecordResult prepared = postgres::PrepareSchema(conn_, name_);
    // A server that came back with another record (or none) is not written to.
    if (!prepared.Ok() && prepared.failure != RecordFailure::Offline) {
        refused_ = prepared;
    }
    return prepared;
}

RecordResult PostgresRecordStore::BeginRun(RunRecord& run) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Transaction t(conn_);
    if (!t.Begin().Ok()) {
        return Fail(t.Begin().Get());
    }
    if (!run.order.empty()) {
        // One station at a time gives the order's places, until its commit.
        Result lock(
            conn_, "SELECT pg_advisory_xact_lock($1, $2)",
            Params().Add(std::int64_t{kPlacesLock}).Add(std::int64_t{OrderHash(run.order)}));
        if (!lock.Ok()) {
            return Fail(lock.Get());
        }
        Result batch(conn_,
                     "SELECT id, keyboards FROM batches WHERE state = 'open' AND order_ref = $1 "
                     "AND ($2::bigint = 0 OR id = $2::bigint) FOR UPDATE",
                     Params().Add(run.order).Add(run.batchId));
        if (!batch.Ok()) {
            return Fail(batch.Get());
        }
        if (batch.Rows() > 0) {
            run.batchId = batch.Int(0, 0);
            run.count = static_cast<int>(batch.Int(0, 1));
        } else if (run.batchId > 0) {
            return {RecordFailure::NotFound, name_, "batch " + std::to_string(run.batchId)};
        }
        // The first place no passed keyboard and none in progress holds.
        Result taken(conn_,
                     "SELECT DISTINCT place FROM runs WHERE order_ref = $1 AND place > 0 "
                     "AND (state IN ('running', 'programmed') OR outcome = 'passed') "
                     "ORDER BY place",
                     Params().Add(run.order));
        if (!taken.Ok()) {
            return Fail(taken.Get());
        }
        run.place = 1;
        for (int row = 0; row < taken.Rows() && taken.Int(row, 0) == run.place; ++row) {
            ++run.place;
        }
        if (run.batchId > 0 && run.count > 0 && run.place > run.count) {
            return {RecordFailure::Full, name_, run.order};
        }
    }
    run.state = RunState::Running;
    run.outcome.reset();
    Result insert(conn_, std::string(kInsertRun) + " RETURNING id", RunParams(run));
    if (!insert.Ok() || insert.Rows() != 1) {
        return Fail(insert.Get());
    }
    run.id = insert.Int(0, 0);
    if (std::optional<RecordResult> failed = t.Commit(name_)) {
        run.id = 0;
        return *failed;
    }
    return {};
}

RecordResult PostgresRecordStore::UpdateRun(const RunRecord& run) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "UPDATE runs SET state = $2, bytes_written = $3, duration_ms = $4, result = $5, "
             "key_test = $6, set_aside = $7, outcome = $8 "
             "WHERE id = $1 AND state IN ('running', 'programmed')",
             Params()
                 .Add(run.id)
                 .Add(RunStateName(run.state))
                 .Add(run.bytesWritten)
                 .Add(run.durationMs)
                 .Add(run.result)
                 .Add(KeyTestName(run.keyTest))
                 .Add(run.setAside)
                 .AddOrNull(run.outcome.has_value(), run.outcome ? OutcomeName(*run.outcome) : ""));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    if (s.Changed() == 0) {
        return {RecordFailure::NotFound, name_, "run " + std::to_string(run.id)};
    }
    return {};
}

RecordResult PostgresRecordStore::RunsInProgress(const std::string& host,
                                                 std::vector<RunRecord>& out) {
    out.clear();
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "SELECT " + std::string(kRunColumns) +
                 " FROM runs WHERE station = $1 AND state IN ('running', 'programmed') ORDER BY id",
             Params().Add(host));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    for (int row = 0; row < s.Rows(); ++row) {
        out.push_back(ReadRun(s, row));
    }
    return {};
}

RecordResult PostgresRecordStore::ReadRuns(const RunQuery& query,
                                           const std::function<bool(const RunRecord&)>& each) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    // One snapshot for the whole read, fetched a slice at a time through a
    // cursor, so a long report sees one state and never holds it all.
    Transaction t(conn_, "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
    if (!t.Begin().Ok()) {
        return Fail(t.Begin().Get());
    }
    std::string sql = "DECLARE runs_read NO SCROLL CURSOR FOR SELECT " + std::string(kRunColumns) +
                      " FROM runs WHERE id > $1::bigint AND ($2::bigint = 0 OR order_ref = $3) AND "
                      "($4::bigint = 0 OR batch_id = $4::bigint) ORDER BY id";
    Result declare(conn_, sql,
                   Params()
                       .Add(query.afterId)
                       .Add(std::int64_t{query.anyOrder ? 0 : 1})
                       .Add(query.order)
                       .Add(query.batchId));
    if (!declare.Ok()) {
        return Fail(declare.Get());
    }
    for (;;) {
        Result slice(conn_, "FETCH 1000 FROM runs_read");
        if (!slice.Ok()) {
            return Fail(slice.Get());
        }
        for (int row = 0; row < slice.Rows(); ++row) {
            if (!each(ReadRun(slice, row))) {
                return {};
            }
        }
        if (slice.Rows() < 1000) {
            return {};
        }
    }
}

RecordResult PostgresRecordStore::CountOrder(const std::string& order, OrderCounts& out) {
    out = {};
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "SELECT coalesce(outcome, ''), state, count(*) FROM runs WHERE order_ref = $1 "
             "GROUP BY 1, 2",
             Params().Add(order));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    for (int row = 0; row < s.Rows(); ++row) {
        const int n = static_cast<int>(s.Int(row, 2));
        const std::string outcome = s.Text(row, 0);
        const std::string state = s.Text(row, 1);
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
    return {};
}

RecordResult PostgresRecordStore::RecentOrders(int most, std::vector<std::string>& out) {
    out.clear();
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "SELECT order_ref FROM runs WHERE order_ref <> '' GROUP BY order_ref "
             "ORDER BY MAX(id) DESC LIMIT $1",
             Params().Add(std::int64_t{most}));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    for (int r = 0; r < s.Rows(); ++r) {
        out.push_back(s.Text(r, 0));
    }
    return {};
}

RecordResult PostgresRecordStore::LastOrder(std::string& order) {
    order.clear();
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_, "SELECT order_ref FROM runs WHERE order_ref <> '' ORDER BY id DESC LIMIT 1");
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    if (s.Rows() > 0) {
        order = s.Text(0, 0);
    }
    return {};
}

RecordResult PostgresRecordStore::ImportRuns(const std::vector<RunRecord>& runs, int& added) {
    added = 0;
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Transaction t(conn_);
    if (!t.Begin().Ok()) {
        return Fail(t.Begin().Get());
    }
    const std::string sql = std::string(kInsertRun) + " ON CONFLICT DO NOTHING";
    int count = 0;
    for (const RunRecord& run : runs) {
        Result insert(conn_, sql, RunParams(run));
        if (!insert.Ok()) {
            return Fail(insert.Get());
        }
        count += insert.Changed();
    }
    if (std::optional<RecordResult> failed = t.Commit(name_)) {
        return *failed;
    }
    added = count;
    return {};
}

RecordResult PostgresRecordStore::ReadNote(const std::string& name, std::string& value) {
    value.clear();
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_, "SELECT value FROM notes WHERE name = $1", Params().Add(name));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    if (s.Rows() > 0) {
        value = s.Text(0, 0);
    }
    return {};
}

RecordResult PostgresRecordStore::WriteNote(const std::string& name, const std::string& value) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "INSERT INTO notes(name, value) VALUES($1, $2) ON CONFLICT (name) DO UPDATE SET "
             "value = excluded.value",
             Params().Add(name).Add(value));
    return s.Ok() ? RecordResult{} : Fail(s.Get());
}

} // namespace vorlan
