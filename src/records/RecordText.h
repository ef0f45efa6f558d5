// The record as text: a run as the programming log's line (the `text` form of
// `vorlanctl log` and the --log copy, so scripts that read the log go on
// reading it), an old text log read back for import, and the record's
// default place.
#pragma once

#include "records/RecordStore.h"
#include "verify/ProgrammingLog.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

ProgrammingRun LogRunOf(const RunRecord& run);
std::string LogLineOf(const RunRecord& run);

// An old log's line as a finished run of the record; false for a line this
// program never wrote (or one cut short).
bool RunOfLogLine(std::string_view line, RunRecord& run);

struct TextLogImport {
    int added = 0;
    int known = 0; // lines the record held already
    // The lines it could not read, numbered from 1; never guessed at.
    std::vector<std::pair<std::size_t, std::string>> unreadable;
};

// Imports the text log at path in one transaction: a line already imported
// (the same text, the same how-many-th of its kind) is not added again.
// A missing file is CannotOpen; one that is not plain, Foreign.
RecordResult ImportTextLog(RecordStore& store, const std::string& path, TextLogImport& result);

// The record beside the desktop program's log: <data>/Kelvane/vorlan/records.db.
inline constexpr std::string_view kRecordFileName = "records.db";
std::string DefaultRecordPath();
// The note the default record keeps once it has imported the default log.
inline constexpr std::string_view kImportedDefaultLogNote = "imported-default-log";

// OpenRecordStore with the record's folder made first (a server's address
// makes none).
std::unique_ptr<RecordStore> OpenRecordInItsFolder(const std::string& path, RecordResult& result);

// The record opened for use: the runs this host's dead processes left are
// settled, and when importOnce names a text log (the default record's
// programming.log beside it) that log is imported the first time, the file
// left as it was. imported says what that import found. A server's record
// with keepAt (the station's own record file) keeps there what the server
// cannot take while it is away; what was kept before is sent first, and
// keptSent counts it.
std::unique_ptr<RecordStore> OpenRecord(const std::string& path, const std::string& importOnce,
                                        RecordResult& result, TextLogImport* imported = nullptr,
                                        const std::string& keepAt = {}, int* keptSent = nullptr);

// The SHA-256 of a layout file's bytes (up to the layout readers' cap), so a
// run and its batch name exactly which file they programmed; empty when it
// cannot be read.
std::string LayoutFileSha256(const std::string& path);

// Whether writing to output would write to the record at recordPath or to one
// of the files SQLite keeps beside it (the same file under another name too).
bool IsRecordFile(const std::string& output, const std::string& recordPath);

} // namespace vorlan
