// The values of the record of runs and batches, as every backend stores them
// and every reader (the log, the report, the station) takes them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

// The test after each keyboard of a batch.
enum class BatchTest { None, ProgrammedKeys, EveryKey };

std::string_view BatchTestName(BatchTest test); // "none", "programmed-keys", "every-key"
std::optional<BatchTest> BatchTestFromName(std::string_view name);

// What a keyboard's key test came to.
enum class KeyTestOutcome { NotRun, NotChosen, Passed, Failed };

std::string_view KeyTestName(KeyTestOutcome outcome); // "not-run", "none", "passed", "failed"
std::optional<KeyTestOutcome> KeyTestFromName(std::string_view name);

// A keyboard's end in a batch.
enum class BatchOutcome { Passed, Failed, SetAside };

std::string_view OutcomeName(BatchOutcome outcome); // "passed", "failed", "set-aside"
std::optional<BatchOutcome> OutcomeFromName(std::string_view name);

// Where a run stands. A run is a row before the keyboard is touched
// (Running); Programmed once the bytes are known and a key test is still to
// come; Finished with its verdict; Interrupted when its process died first.
enum class RunState { Running, Programmed, Finished, Interrupted };

std::string_view RunStateName(RunState state);
std::optional<RunState> RunStateFromName(std::string_view name);

// The result of a run whose process died before it could say.
inline constexpr std::string_view kInterruptedResult = "interrupted (bytes written not known)";

// A process as the record knows it: its host, its id and when it started
// (so an id the system gave again to another process is not taken for it).
struct ProcessIdentity {
    std::string host;
    std::int64_t pid = 0;
    std::int64_t start = 0; // the system's own measure; 0 where none is known

    friend bool operator==(const ProcessIdentity&, const ProcessIdentity&) = default;
};

struct RunRecord {
    std::int64_t id = 0; // given by the store

    // Known before the keyboard is touched.
    ProcessIdentity process;
    std::string user;
    std::string started;           // "YYYY-MM-DD HH:MM:SS", local time
    std::int64_t startedUtcMs = 0; // for ordering across stations and time zones
    std::string layoutGiven;       // as the user named it
    std::string layoutResolved;    // the absolute file, or as given when none
    std::string fileSha256;        // the layout file's bytes; empty for an unsaved layout
    std::string imageSha256;       // the image sent; empty when none
    int keyboardType = -1;         // -1: not known
    std::int64_t bytesPlanned = 0;
    bool emulated = false;
    std::string order;        // empty outside a batch
    std::int64_t batchId = 0; // 0: no batch row (a script's run of an order, an old log)
    int place = 0;            // given by the store inside the run's first transaction
    int count = 0;            // the batch's number of keyboards; 0 when not known

    // Known after the run.
    RunState state = RunState::Running;
    std::int64_t bytesWritten = 0;
    std::int64_t durationMs = 0;
    std::string result; // "done", the error, "cancelled after N bytes", kInterruptedResult
    KeyTestOutcome keyTest = KeyTestOutcome::NotRun;
    bool setAside = false;
    std::optional<BatchOutcome> outcome; // of a finished run of an order

    // A run read from an old text log: its line, which makes importing idempotent.
    std::string importKey;
};

enum class BatchState { Open, Complete, Ended };

std::string_view BatchStateName(BatchState state); // "open", "complete", "ended"
std::optional<BatchState> BatchStateFromName(std::string_view name);

struct BatchRecord {
    std::int64_t id = 0;
    std::string order;
    int count = 1;
    BatchTest test = BatchTest::None;
    std::string layoutFile;
    std::string fileSha256;
    std::string imageSha256;
    std::string started; // local time, as runs have it
    BatchState state = BatchState::Open;
    // The process that runs the batch; an empty host when none does.
    ProcessIdentity owner;
    std::int64_t ownerSeenUtcMs = 0;
};

// The keyboards of an order so far, for the station's counts and resume.
struct OrderCounts {
    int passed = 0;
    int failed = 0;
    int setAside = 0;
    int inProgress = 0; // running or waiting for their key test

    friend bool operator==(const OrderCounts&, const OrderCounts&) = default;
};

} // namespace vorlan
