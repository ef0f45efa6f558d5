// What the record decides the same way whatever stores it: who this process
// is, whether a run's or a batch's process is still alive, what a run a dead
// process left behind became, and which order references are accepted.
#pragma once

#include "records/RecordStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlan {

ProcessIdentity CurrentProcess();
// Whether the process of id runs on this host (false for another host's).
bool ProcessAlive(const ProcessIdentity& id);
std::string HostName(); // the station's name
std::string UserName();
std::int64_t NowUtcMs();

// An owner on another host that has not been seen for this long is gone.
inline constexpr std::int64_t kOwnerStaleMs = 2 * 60 * 1000;
// How often a batch's owner tells the record it is alive.
inline constexpr std::int64_t kOwnerTouchMs = 30 * 1000;

// Settles the runs of this host's dead processes: one that died before its
// bytes were known is interrupted (kInterruptedResult), one that died
// waiting for its key test failed it. settled counts them.
RecordResult SettleDeadRuns(RecordStore& store, int* settled = nullptr);

// Takes the batch for me unless a live process holds it; Held names the
// holder ("HOST, process PID") in detail.
RecordResult TakeBatch(RecordStore& store, std::int64_t batchId, const ProcessIdentity& me);

// Lets go of a batch me holds (a window closed without ending it).
RecordResult ReleaseBatch(RecordStore& store, std::int64_t batchId, const ProcessIdentity& me);

// An order reference: UTF-8, at most kMaxOrderBytes, no control character,
// not blank; BadOrder with the reason's English otherwise.
inline constexpr std::size_t kMaxOrderBytes = kMaxOrderBytesForMessage;
RecordResult CheckOrder(std::string_view order);

// The outcome of a run as its end tells it: set aside, passed when the whole
// image was sent ("done") and the key test did not fail, failed otherwise.
BatchOutcome OutcomeOfRun(const RunRecord& run);

} // namespace vorlan
