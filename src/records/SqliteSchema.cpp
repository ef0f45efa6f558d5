// Opening the SQLite record: the checks before SQLite sees the file, the
// pragmas, and the schema with its migrations.
#include "common/FilePath.h"
#include "records/SqliteRecordStore.h"
#include "records/SqliteStatement.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace {

// Each entry takes the schema from its index to the next version; the last
// one reaches kSqliteSchemaVersion. A version once released is never edited.
constexpr std::array<std::string_view, kSqliteSchemaVersion> kMigrations{{
    R"sql(
CREATE TABLE batches(
    id INTEGER PRIMARY KEY,
    order_ref TEXT NOT NULL,
    keyboards INTEGER NOT NULL,
    test TEXT NOT NULL,
    layout_file TEXT NOT NULL,
    file_sha256 TEXT NOT NULL,
    image_sha256 TEXT NOT NULL,
    started TEXT NOT NULL,
    state TEXT NOT NULL,
    owner_host TEXT NOT NULL DEFAULT '',
    owner_pid INTEGER NOT NULL DEFAULT 0,
    owner_start INTEGER NOT NULL DEFAULT 0,
    owner_seen_ms INTEGER NOT NULL DEFAULT 0);
CREATE UNIQUE INDEX one_open_batch_an_order ON batches(order_ref) WHERE state = 'open';
CREATE TABLE runs(
    id INTEGER PRIMARY KEY,
    station TEXT NOT NULL,
    pid INTEGER NOT NULL,
    process_start INTEGER NOT NULL,
    user_name TEXT NOT NULL,
    started TEXT NOT NULL,
    started_ms INTEGER NOT NULL,
    layout_given TEXT NOT NULL,
    layout_resolved TEXT NOT NULL,
    file_sha256 TEXT NOT NULL,
    image_sha256 TEXT NOT NULL,
    keyboard_type INTEGER NOT NULL,
    bytes_planned INTEGER NOT NULL,
    emulated INTEGER NOT NULL,
    order_ref TEXT NOT NULL,
    batch_id INTEGER REFERENCES batches(id),
    place INTEGER NOT NULL,
    keyboards INTEGER NOT NULL,
    state TEXT NOT NULL,
    bytes_written INTEGER NOT NULL DEFAULT 0,
    duration_ms INTEGER NOT NULL DEFAULT 0,
    result TEXT NOT NULL DEFAULT '',
    key_test TEXT NOT NULL DEFAULT 'not-run',
    set_aside INTEGER NOT NULL DEFAULT 0,
    outcome TEXT,
    import_key TEXT UNIQUE);
CREATE INDEX runs_of_order ON runs(order_ref, id);
CREATE INDEX runs_of_batch ON runs(batch_id);
CREATE INDEX runs_in_progress ON runs(station) WHERE state IN ('running', 'programmed');
CREATE TABLE notes(name TEXT PRIMARY KEY, value TEXT NOT NULL);
)sql",
}};

bool Exec(sqlite3* db, std::string_view sql, int& code) {
    code = sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr);
    return code == SQLITE_OK;
}

std::int64_t PragmaInt(sqlite3* db, const char* sql, int& code) {
    sqlite::Statement s(db, sql);
    const std::int64_t value = s.Step() ? s.Int(0) : 0;
    code = s.Failed() ? s.Code() : SQLITE_OK;
    return value;
}

} // namespace

namespace sqlite {

RecordResult Failure(sqlite3* db, int code, const std::string& name) {
    const int system = db != nullptr ? sqlite3_system_errno(db) : 0;
    std::string detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    const int primary = code & 0xFF;
    RecordFailure failure = RecordFailure::Other;
    if (system == ENOSPC || primary == SQLITE_FULL) {
        failure = RecordFailure::DiskFull;
    } else if (system == EROFS || system == EACCES || system == EPERM ||
               primary == SQLITE_READONLY) {
        failure = RecordFailure::ReadOnly;
    } else if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        failure = RecordFailure::Locked;
    } else if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) {
        failure = RecordFailure::Damaged;
    } else if (primary == SQLITE_CANTOPEN) {
        failure = RecordFailure::CannotOpen;
    }
    if (system != 0 && failure != RecordFailure::Damaged) {
        detail += std::string(" (") + std::strerror(system) + ")";
    }
    return {failure, name, detail};
}

RecordResult CheckRecordFile(const std::string& path) {
#ifndef _WIN32
    // The record and the files SQLite keeps beside it: none may be a link or
    // another user's, or a planted file would be written through or read as ours.
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const std::string file = path + suffix;
        struct stat st {};
        if (lstat(file.c_str(), &st) != 0) {
            if (errno == ENOENT) {
                continue;
            }
            return {RecordFailure::CannotOpen, file, std::strerror(errno)};
        }
        if (S_ISLNK(st.st_mode)) {
            return {RecordFailure::Link, file, {}};
        }
        if (!S_ISREG(st.st_mode)) {
            return {RecordFailure::Foreign, file, {}};
        }
        if (st.st_uid != geteuid()) {
            return {RecordFailure::NotOwned, file, {}};
        }
    }
#endif
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        return {};
    }
    char header[16] = {};
    in.read(header, sizeof header);
    const std::streamsize got = in.gcount();
    // An empty file is a record not yet begun (SQLite makes one so).
    if (got == 0) {
        return {};
    }
    if (got < 16 || std::memcmp(header, "SQLite format 3", 16) != 0) {
        return {RecordFailure::Foreign, path, {}};
    }
    return {};
}

RecordResult PrepareSchema(sqlite3* db, const std::string& path) {
    int code = SQLITE_OK;
    const auto fail = [&](int c) { return Failure(db, c, path); };
    sqlite3_busy_timeout(db, kSqliteBusyTimeoutMs);
    // Both read in one snapshot: a process making the record meanwhile must
    // not be seen half done (its tables without its mark), which would look
    // like another program's database.
    if (!Exec(db, "BEGIN", code)) {
        return fail(code);
    }
    const std::int64_t appId = PragmaInt(db, "PRAGMA application_id", code);
    const std::int64_t tables =
        code == SQLITE_OK ? PragmaInt(db, "SELECT count(*) FROM sqlite_master", code) : 0;
    const int read = code;
    Exec(db, "COMMIT", code);
    if (read != SQLITE_OK) {
        return fail(read);
    }
    // Another program's database, whatever it holds, is left alone.
    if (appId != kSqliteApplicationId && !(appId == 0 && tables == 0)) {
        return {RecordFailure::Foreign, path, {}};
    }
    // A newer program's record is refused before anything is written to it.
    if (PragmaInt(db, "PRAGMA user_version", code) > kSqliteSchemaVersion) {
        return {RecordFailure::Newer, path, {}};
    }
    // WAL: readers never wait for the writer; FULL: a commit is on the disk.
    {
        sqlite::Statement wal(db, "PRAGMA journal_mode=WAL");
        if (!wal.Step() || wal.Text(0) != "wal") {
            return wal.Failed() ? fail(wal.Code())
                                : RecordResult{RecordFailure::ReadOnly, path, "no WAL journal"};
        }
    }
    if (!Exec(db, "PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON", code)) {
        return fail(code);
    }
    if (PragmaInt(db, "PRAGMA user_version", code) == kSqliteSchemaVersion && code == SQLITE_OK) {
        return {};
    }
    sqlite::Transaction t(db);
    if (t.Code() != SQLITE_OK) {
        return fail(t.Code());
    }
    // Read again under the write lock: another process may have migrated meanwhile.
    std::int64_t version = PragmaInt(db, "PRAGMA user_version", code);
    if (code != SQLITE_OK) {
        return fail(code);
    }
    if (version > kSqliteSchemaVersion) {
        return {RecordFailure::Newer, path, "schema " + std::to_string(version)};
    }
    for (; version < kSqliteSchemaVersion; ++version) {
        if (!Exec(db, kMigrations[static_cast<std::size_t>(version)], code)) {
            return fail(code);
        }
    }
    const std::string mark = "PRAGMA application_id=" + std::to_string(kSqliteApplicationId) +
                             "; PRAGMA user_version=" + std::to_string(kSqliteSchemaVersion);
    if (!Exec(db, mark, code)) {
        return fail(code);
    }
    code = t.Commit();
    return code == SQLITE_OK ? RecordResult{} : fail(code);
}

} // namespace sqlite
} // namespace vorlan
