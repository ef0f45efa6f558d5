// A batch: one layout programmed into a number of keyboards for one order,
// each keyboard tested after programming. The core keeps the counts and the
// places; a keyboard counts towards the number only when it passed.
#pragma once

#include "records/BatchField.h"
#include "records/RecordTypes.h"
#include "verify/ProgrammingLog.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// A keyboard's end as its log line tells it: set aside, passed when the whole
// image was sent and the key test did not fail, failed otherwise.
BatchOutcome OutcomeOf(const ProgrammingRun& run, const BatchMark& mark);

// A line of the log that belongs to an order, with its mark.
struct LoggedKeyboard {
    const ProgrammingRun* run = nullptr;
    BatchMark mark;
};
// The lines of runs that belong to order, in the log's order.
std::vector<LoggedKeyboard> KeyboardsOfOrder(const std::vector<ProgrammingRun>& runs,
                                             std::string_view order);

struct BatchSettings {
    std::string order;
    int count = 1;
    BatchTest test = BatchTest::None;
    std::string layoutFile;
    std::string imageSha256;

    friend bool operator==(const BatchSettings&, const BatchSettings&) = default;
};

class Batch {
public:
    explicit Batch(BatchSettings settings);

    const BatchSettings& Settings() const { return settings_; }
    // The place the next keyboard takes: one after the keyboards passed.
    int Place() const { return passed_ + 1; }
    int Passed() const { return passed_; }
    int Failed() const { return failed_; }
    int SetAside() const { return setAside_; }
    bool Complete() const { return passed_ >= settings_.count; }

    // The field of the keyboard now at Place().
    BatchMark MarkFor(KeyTestOutcome test, bool setAside) const;
    // Counts a keyboard's logged line.
    void Count(BatchOutcome outcome);

    // The counts of the order's keyboards in the record, so a batch resumed
    // goes on where it was.
    void SetCounts(const OrderCounts& counts) {
        passed_ = counts.passed;
        failed_ = counts.failed;
        setAside_ = counts.setAside;
    }
    // The counts of the lines of this order already in the log, so a batch
    // stopped by a crash goes on where it was.
    void CountLog(const std::vector<ProgrammingRun>& runs);

private:
    BatchSettings settings_;
    int passed_ = 0;
    int failed_ = 0;
    int setAside_ = 0;
};

// The place the next keyboard of this order takes according to the log (one
// after those passed), for a script's run that names only the order.
int NextPlaceInLog(const std::vector<ProgrammingRun>& runs, std::string_view order);

} // namespace vorlan
