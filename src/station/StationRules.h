// What the station decides without a window: whether an order reference can
// name a batch, which batches a report is offered for, how far a keyboard's
// key test is and which keys it still waits for.
#pragma once

#include "common/StringTable.h"
#include "common/UiMessage.h"
#include "records/RecordPolicy.h"
#include "station/Batch.h"
#include "verify/KeyTestSession.h"
#include "verify/ProgrammingLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// The reference as the batch keeps it: blanks around it taken away.
std::string TrimmedOrder(std::string_view text);
// Why a (trimmed) reference cannot name a batch: empty, a control character
// (it could never be read back from a line), or too long; nothing when it can.
std::optional<StringId> OrderProblem(std::string_view trimmed);

// The orders a report is offered for, each once: the current one first
// (when given), then the record's from the latest run back.
std::vector<std::string> OrdersToChoose(const std::vector<std::string>& newestFirst,
                                        std::string_view current);

struct TestProgress {
    int passed = 0;
    int required = 0;
    std::vector<int> missing; // indices into the plan's keys, in the plan's order
    bool Done() const { return passed == required; }
};
// The keys the batch's test asks for: every key, or the programmed keys that
// a key press can report.
TestProgress ProgressOf(const KeyTestSession& session, BatchTest test);

// A key as the grid names it: its name, or "key N" (English words) when it has none.
struct KeyCaption {
    int slot = 0;
    std::string name; // the layout's single-byte text
};
std::vector<KeyCaption> MissingKeys(const KeyTestSession& session, const TestProgress& progress);

// The codes of a sequence as bytes in hex: "E0 75".
std::string HexCodes(const std::vector<std::uint8_t>& codes);

// The batch's progress from every station: the order's counts in the record
// and how many stations (hosts) have runs of the batch.
struct SharedProgress {
    OrderCounts counts;
    int stations = 0;
};
RecordResult ReadSharedProgress(RecordStore& store, const std::string& order, std::int64_t batchId,
                                SharedProgress& out);

// The place line: "Keyboard 212 of 400", and how many stations share the
// batch once it is more than this one.
UiMessage PlaceMessage(int place, int count, int stations);

} // namespace vorlan
