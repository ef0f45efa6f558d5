// The record of programming runs and batches: what each keyboard was given
// and what came of it. A store is one database (a file, or a server in a later
// backend); this interface is all the station, the command line and the log
// window know of it, so a second backend implements these calls alone and
// keeps its SQL to itself. Every call is one transaction: it happened whole
// and is on the disk when the call returns Ok, or it did not happen.
#pragma once

#include "common/UiMessage.h"
#include "records/RecordTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

enum class RecordFailure {
    None,
    CannotOpen, // the system refused (detail says why)
    ReadOnly,   // the file, its folder or the medium is read-only
    DiskFull,
    Locked,   // another program held the database past the busy timeout
    Damaged,  // not a readable database any more
    Foreign,  // a file that is not this program's record
    Newer,    // a record written by a newer version (schema above ours)
    NotOwned, // the file belongs to another user
    Link,     // the record or its journal is a link
    Held,     // a batch another live process runs
    Exists,   // an open batch of that order is already there
    NotFound, // no such run or batch (or it is no longer in progress)
    BadOrder, // an order reference that cannot be one
    Full,     // every place of the batch is passed or in progress
    // A record on a server:
    Offline,       // the server cannot be reached (or went away)
    Refused,       // the server refused the login
    NoDatabase,    // the server has no such database
    Older,         // an older schema the role may not bring up to date
    PasswordGiven, // a location that holds a password (others can read it)
    NoBackend,     // a server record in a build without that backend
    // Not stored on the server, which went away, but kept at this station
    // (keptIn) to be sent when it answers: nothing is lost.
    Kept,
    Other,
};

struct RecordResult {
    RecordFailure failure = RecordFailure::None;
    std::string name;     // the record (or the file) the failure is about
    std::string detail;   // the database's own words, or who holds a batch
    std::string keptIn{}; // Kept: the station's record that holds the result

    bool Ok() const { return failure == RecordFailure::None; }
    // "Cannot record to NAME: the disk is full." and the like.
    UiMessage Message() const;
    std::string English() const { return Message().English(); }
};

// Which runs a query reads, oldest first.
struct RunQuery {
    bool anyOrder = true;     // false: only the runs of order
    std::string order;        // empty with anyOrder false: runs outside every order
    std::int64_t batchId = 0; // non-zero: only the runs of this batch
    std::int64_t afterId = 0; // for readers that follow the record
};

// The longest order reference (bytes of UTF-8) the record takes.
inline constexpr std::size_t kMaxOrderBytesForMessage = 200;

class RecordStore {
public:
    virtual ~RecordStore() = default;

    // The record as messages name it (the file's path, a server's address).
    virtual const std::string& Name() const = 0;

    // The run's first transaction, before the keyboard is touched: inserts run
    // as Running and sets its id. A run of an order takes the order's open
    // batch (batchId, count) and its place there: the first place not held by
    // a passed keyboard or one in progress, so two keyboards never share one.
    virtual RecordResult BeginRun(RunRecord& run) = 0;
    // Records what a run came to: the keyboard type it answered, bytes,
    // duration, result, key test, state and outcome, of a run still in progress only (NotFound
    // otherwise).
    virtual RecordResult UpdateRun(const RunRecord& run) = 0;

    // The runs left Running or Programmed whose process is on host.
    virtual RecordResult RunsInProgress(const std::string& host, std::vector<RunRecord>& out) = 0;

    // Calls each for the runs of query, oldest first, until it returns false.
    virtual RecordResult ReadRuns(const RunQuery& query,
                                  const std::function<bool(const RunRecord&)>& each) = 0;
    virtual RecordResult CountOrder(const std::string& order, OrderCounts& out) = 0;
    // The order of the newest run that has one; empty when none has.
    virtual RecordResult LastOrder(std::string& order) = 0;
    // The orders of the runs, each once, newest (by its latest run) first, at most most.
    virtual RecordResult RecentOrders(int most, std::vector<std::string>& out) = 0;

    // Adds the runs whose importKey the record does not hold yet, in one
    // transaction; added counts them.
    virtual RecordResult ImportRuns(const std::vector<RunRecord>& runs, int& added) = 0;

    // Small facts the record keeps about itself ("the default log was
    // imported"); an empty value for a note never written.
    virtual RecordResult ReadNote(const std::string& name, std::string& value) = 0;
    virtual RecordResult WriteNote(const std::string& name, const std::string& value) = 0;

    // A new open batch owned by batch.owner; Exists when the order has one.
    virtual RecordResult CreateBatch(BatchRecord& batch) = 0;
    // The open batches, newest first (or only the one of order when given).
    virtual RecordResult OpenBatches(const std::string& order, std::vector<BatchRecord>& out) = 0;
    virtual RecordResult ReadBatch(std::int64_t id, BatchRecord& out) = 0;
    // Makes me the batch's owner when its owner is still expected (nobody,
    // me, or the holder the caller found dead): Held otherwise, with detail
    // naming the holder. One call, so two windows never both win.
    virtual RecordResult ClaimBatch(std::int64_t id, const ProcessIdentity& me,
                                    const ProcessIdentity& expected, std::int64_t nowUtcMs) = 0;
    // Tells the record the owner is alive (Held when me is not the owner).
    virtual RecordResult TouchBatch(std::int64_t id, const ProcessIdentity& me,
                                    std::int64_t nowUtcMs) = 0;
    // Ends or completes the batch and lets go of it; its runs stay.
    virtual RecordResult CloseBatch(std::int64_t id, const ProcessIdentity& me,
                                    BatchState state) = 0;

    // Sends what this station kept while the record could not take it (a
    // server that went away); sent counts what went now. Nothing to send for
    // a record that keeps nothing elsewhere.
    virtual RecordResult SendKept(int& sent) {
        sent = 0;
        return {};
    }
    // Results kept at this station and not sent yet.
    virtual int KeptCount() const { return 0; }
};

// The record at location: postgresql://... or postgres://... (a server,
// libpq's URI; the password from libpq's own means, never in it), or a file
// path (SQLite). Creates and migrates it as needed; a failure says why and
// leaves the record as it was.
std::unique_ptr<RecordStore> OpenRecordStore(const std::string& location, RecordResult& result);
// Whether location names a server record rather than a file.
bool IsServerRecord(std::string_view location);
// The location with any password taken out (user:password@, password=), for
// messages, the log and the settings.
std::string LocationWithoutPassword(std::string_view location);

} // namespace vorlan
