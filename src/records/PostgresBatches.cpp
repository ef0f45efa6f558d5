// The record's batches on the server: one open batch an order, its owner
// claimed and told alive in single statements, so two stations never both win.
#include "records/PostgresRecordStore.h"
#include "records/PostgresStatement.h"

namespace vorlan {
namespace {

using postgres::Params;
using postgres::Result;

constexpr std::string_view kBatchColumns =
    "id, order_ref, keyboards, test, layout_file, file_sha256, image_sha256, started, state, "
    "owner_host, owner_pid, owner_start, owner_seen_ms";

BatchRecord ReadBatchRow(const Result& r, int row) {
    BatchRecord b;
    b.id = r.Int(row, 0);
    b.order = r.Text(row, 1);
    b.count = static_cast<int>(r.Int(row, 2));
    b.test = BatchTestFromName(r.Text(row, 3)).value_or(BatchTest::None);
    b.layoutFile = r.Text(row, 4);
    b.fileSha256 = r.Text(row, 5);
    b.imageSha256 = r.Text(row, 6);
    b.started = r.Text(row, 7);
    b.state = BatchStateFromName(r.Text(row, 8)).value_or(BatchState::Ended);
    b.owner = {r.Text(row, 9), r.Int(row, 10), r.Int(row, 11)};
    b.ownerSeenUtcMs = r.Int(row, 12);
    return b;
}

} // namespace

RecordResult PostgresRecordStore::CreateBatch(BatchRecord& batch) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "INSERT INTO batches(order_ref, keyboards, test, layout_file, file_sha256, "
             "image_sha256, started, state, owner_host, owner_pid, owner_start, owner_seen_ms) "
             "VALUES($1, $2, $3, $4, $5, $6, $7, 'open', $8, $9, $10, $11) RETURNING id",
             Params()
                 .Add(batch.order)
                 .Add(batch.count)
                 .Add(BatchTestName(batch.test))
                 .Add(batch.layoutFile)
                 .Add(batch.fileSha256)
                 .Add(batch.imageSha256)
                 .Add(batch.started)
                 .Add(batch.owner.host)
                 .Add(batch.owner.pid)
                 .Add(batch.owner.start)
                 .Add(batch.ownerSeenUtcMs));
    if (!s.Ok()) {
        if (s.SqlState() == "23505") {
            return {RecordFailure::Exists, name_, batch.order};
        }
        return Fail(s.Get());
    }
    batch.id = s.Int(0, 0);
    batch.state = BatchState::Open;
    return {};
}

RecordResult PostgresRecordStore::OpenBatches(const std::string& order,
                                              std::vector<BatchRecord>& out) {
    out.clear();
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "SELECT " + std::string(kBatchColumns) +
                 " FROM batches WHERE state = 'open' AND ($1 = '' OR order_ref = $1) "
                 "ORDER BY id DESC",
             Params().Add(order));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    for (int row = 0; row < s.Rows(); ++row) {
        out.push_back(ReadBatchRow(s, row));
    }
    return {};
}

RecordResult PostgresRecordStore::ReadBatch(std::int64_t id, BatchRecord& out) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_, "SELECT " + std::string(kBatchColumns) + " FROM batches WHERE id = $1",
             Params().Add(id));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    if (s.Rows() == 0) {
        return {RecordFailure::NotFound, name_, "batch " + std::to_string(id)};
    }
    out = ReadBatchRow(s, 0);
    return {};
}

RecordResult PostgresRecordStore::ClaimBatch(std::int64_t id, const ProcessIdentity& me,
                                             const ProcessIdentity& expected,
                                             std::int64_t nowUtcMs) {
    if (RecordResult ready = Ready(); !ready.Ok()) {
        return ready;
    }
    Result s(conn_,
             "UPDATE batches SET owner_host = $2, owner_pid = $3, owner_start = $4, "
             "owner_seen_ms = $5 WHERE id = $1 AND state = 'open' AND ((owner_host = $6 "
             "AND owner_pid = $7 AND owner_start = $8) OR (owner_host = $2 AND "
             "owner_pid = $3 AND owner_start = $4) OR owner_host = '')",
             Params()
                 .Add(id)
                 .Add(me.host)
                 .Add(me.pid)
                 .Add(me.start)
                 .Add(nowUtcMs)
                 .Add(expected.host)
                 .Add(expected.pid)
                 .Add(expected.start));
    if (!s.Ok()) {
        return Fail(s.Get());
    }
    if (s.Changed() == 0) {
        BatchRecord now;
        if (RecordResult read = ReadBatch(id, now); !read.Ok()) {
            return read;
        }
        if (now.state != BatchState::Open) {
            return {RecordFailure::NotFound, name_, "batch " + std::to_string(id)};
        }
        return {RecordFailure::Held, name_,
                now.owner.host + ", process " + std::to_string(now.owner.pid)};
    }
    return {};
}

RecordResult PostgresRecordStore::TouchBatch(std::int64_t id, const ProcessIdentity& me,
                                             std::int64_t nowUtcMs) {
    return ClaimBatch(id, me, me, nowUtcMs);
}

RecordResult PostgresRecordStore::CloseBatch(std::int64_t id, const ProcessIdentity& me,
                                             BatchState state) {
    if (RecordResult held = ClaimBatch(id, me, me, 0); !held.Ok()) {
        return held;
    }
    Result s(conn_,
             "UPDATE batches SET state = $2, owner_host = '', owner_pid = 0, owner_start = 0 "
             "WHERE id = $1 AND owner_host = $3 AND owner_pid = $4",
             Params().Add(id).Add(BatchStateName(state)).Add(me.host).Add(me.pid));
    return s.Ok() ? RecordResult{} : Fail(s.Get());
}

} // namespace vorlan
