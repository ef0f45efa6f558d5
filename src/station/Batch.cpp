#include "station/Batch.h"

#include "verify/TextEscaping.h"

#include <charconv>
#include <utility>

namespace vorlan {
BatchOutcome OutcomeOf(const ProgrammingRun& run, const BatchMark& mark) {
    if (mark.setAside) {
        return BatchOutcome::SetAside;
    }
    return run.result == "done" && mark.test != KeyTestOutcome::Failed ? BatchOutcome::Passed
                                                                       : BatchOutcome::Failed;
}

Batch::Batch(BatchSettings settings) : settings_(std::move(settings)) {}

BatchMark Batch::MarkFor(KeyTestOutcome test, bool setAside) const {
    BatchMark mark;
    mark.order = settings_.order;
    mark.place = Place();
    mark.count = settings_.count;
    mark.test = test;
    mark.setAside = setAside;
    return mark;
}

void Batch::Count(BatchOutcome outcome) {
    switch (outcome) {
    case BatchOutcome::Passed:
        ++passed_;
        break;
    case BatchOutcome::Failed:
        ++failed_;
        break;
    case BatchOutcome::SetAside:
        ++setAside_;
        break;
    }
}

std::vector<LoggedKeyboard> KeyboardsOfOrder(const std::vector<ProgrammingRun>& runs,
                                             std::string_view order) {
    const std::string wanted = OneLine(order);
    std::vector<LoggedKeyboard> found;
    for (const ProgrammingRun& run : runs) {
        if (const auto mark = ParseBatchField(run.batch); mark && mark->order == wanted) {
            found.push_back({&run, *mark});
        }
    }
    return found;
}

void Batch::CountLog(const std::vector<ProgrammingRun>& runs) {
    for (const LoggedKeyboard& k : KeyboardsOfOrder(runs, settings_.order)) {
        Count(OutcomeOf(*k.run, k.mark));
    }
}

int NextPlaceInLog(const std::vector<ProgrammingRun>& runs, std::string_view order) {
    Batch batch(BatchSettings{std::string(order), 1, BatchTest::None, {}, {}});
    batch.CountLog(runs);
    return batch.Place();
}

} // namespace vorlan
