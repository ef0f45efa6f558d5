// Copying one record's runs into another: a station's SQLite history joins
// the workshop's server, or a server's runs come home to a file.
#pragma once

#include "records/RecordStore.h"

#include <string>

namespace vorlan {

struct CopyCounts {
    int read = 0;       // finished runs of the source
    int added = 0;      // new in the target
    int known = 0;      // the target held them already
    int inProgress = 0; // left out: not finished in the source yet
};

// The key a copied run keeps, the same however often it is copied: a run
// already imported keeps its import key, any other is named by its station,
// process, start and id in the source.
std::string CopyKey(const RunRecord& run);

// Adds the finished runs of from that to does not hold yet (by CopyKey: a
// run copied in, or one of to's own that came back), in slices of one
// transaction each; copying again, or back, adds nothing. A copied
// run keeps its order and place but no batch row (the target's batches are
// its own).
RecordResult CopyRuns(RecordStore& from, RecordStore& to, CopyCounts& counts);

} // namespace vorlan
