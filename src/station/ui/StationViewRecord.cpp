// What the station keeps in the record and reads back from it: each verdict
// and its row, the keyboard in progress recorded as failed, a batch paused
// for the record's reason and taken up again, the batch closed or left, and
// the progress of every station on the batch.
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "records/RecordPolicy.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"
#include "station/Batch.h"
#include "station/StationRules.h"
#include "station/ui/StationView.h"
#include "verify/KeyTestSession.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace vorlan {

void StationView::ShowPlace() {
    placeLine->setText(UiMessageText(PlaceMessage(std::min(batch->Place(), batch->Settings().count),
                                                  batch->Settings().count, stations)));
}

void StationView::ReadShared() {
    // Other stations' keyboards count too; a record that cannot say keeps the last counts.
    SharedProgress shared;
    if (ReadSharedProgress(*record, batch->Settings().order, batchId, shared).Ok()) {
        batch->SetCounts(shared.counts);
        stations = shared.stations;
    }
}

bool StationView::FinishPending() {
    if (run->id == 0) {
        return true;
    }
    testTimer->stop();
    test.reset();
    run->state = RunState::Finished;
    run->keyTest = pendingTest; // a test broken off counts as failed
    run->outcome = BatchOutcome::Failed;
    const RecordResult recorded = record->UpdateRun(*run);
    if (recorded.Ok()) {
        batch->Count(BatchOutcome::Failed);
        AddRow(run->place, run->count, run->started, BatchOutcome::Failed);
        *run = RunRecord{};
    }
    return recorded.Ok();
}

void StationView::AddRow(int place, int count, const std::string& dateTime, BatchOutcome outcome) {
    rows->addItem(FromUtf8Text(PlaceText(place, count) + "   " + dateTime + "   ") +
                  UiText(outcome == BatchOutcome::Passed     ? StringId::StationRowPassed
                         : outcome == BatchOutcome::SetAside ? StringId::StationRowSetAside
                                                             : StringId::StationRowFailed));
    rows->scrollToBottom();
}

void StationView::Decide(bool setAside) {
    run->state = RunState::Finished;
    run->keyTest = pendingTest;
    run->setAside = setAside;
    run->outcome = OutcomeOfRun(*run);
    // Counted and shown only once the record holds the verdict (or the
    // station keeps it for the server).
    const RecordResult recorded = record->UpdateRun(*run);
    const bool kept = recorded.failure == RecordFailure::Kept;
    if (!recorded.Ok() && !kept) {
        pausedAt = Step::Verdict;
        verdictSetAside = setAside;
        PauseFor(recorded);
        return;
    }
    const BatchOutcome outcome = *run->outcome;
    batch->Count(outcome);
    AddRow(run->place, run->count, run->started, outcome);
    pendingTest = KeyTestOutcome::NotRun;
    *run = RunRecord{};
    keyboardStillThere = true;
    if (kept) {
        PauseFor(recorded); // before the next keyboard, which the server must hold first
        return;
    }
    if (batch->Complete()) {
        pollTimer->stop();
        EndBatch(true);
        Show(State::Complete, UiText(StringId::StationComplete, batch->Passed()));
        return;
    }
    if (outcome == BatchOutcome::Passed) {
        Show(State::Passed, UiText(StringId::StationTakeAway));
    } else {
        Show(State::Waiting, UiText(StringId::StationWaiting));
    }
}

void StationView::SetJoined() {
    joined = true;
    ownerTimer->stop(); // the batch's owner is the station that opened it
}

void StationView::PauseFor(const RecordResult& why) {
    pollTimer->stop();
    // Read from two metres: the state says it short, the message whole.
    Show(State::Paused, why.failure == RecordFailure::Kept
                            ? UiText(StringId::StationPausedKept).arg(record->KeptCount())
                            : UiText(StringId::StationPaused).arg(UiMessageText(why.Message())));
    ShowError(this, UiMessageText(why.Message()));
}

void StationView::Retry() {
    int sent = 0;
    if (const RecordResult waiting = record->SendKept(sent); !waiting.Ok()) {
        PauseFor(waiting);
        return;
    }
    if (sent > 0) {
        rows->addItem(UiText(StringId::StationKeptSent).arg(sent));
        rows->scrollToBottom();
    }
    switch (std::exchange(pausedAt, Step::None)) {
    case Step::Programmed:
        AfterProgrammed();
        return;
    case Step::Verdict:
        Decide(verdictSetAside);
        return;
    case Step::None:
        break;
    }
    ReadShared();
    if (FinishedElsewhere()) {
        return;
    }
    Show(State::Waiting, UiText(StringId::StationWaiting));
    pollTimer->start();
}

bool StationView::FinishedElsewhere() {
    if (run->id != 0) {
        return false; // a keyboard of this station is still to be judged
    }
    BatchRecord row;
    const bool closed = record->ReadBatch(batchId, row).Ok() && row.state != BatchState::Open;
    if (!batch->Complete() && !closed) {
        return false;
    }
    pollTimer->stop();
    ownerTimer->stop();
    if (!closed) {
        record->CloseBatch(batchId, CurrentProcess(), BatchState::Complete);
    }
    const bool complete = batch->Complete() || row.state == BatchState::Complete;
    Show(State::Complete, complete ? UiText(StringId::StationComplete, batch->Passed())
                                   : UiText(StringId::StationEndedElsewhere));
    return true;
}

void StationView::EndBatch(bool complete) {
    // Ending keeps every record: a keyboard in progress is kept with what it holds.
    FinishPending();
    // A joining station leaves: the batch goes on at the others.
    if (!joined) {
        record->CloseBatch(batchId, CurrentProcess(),
                           complete ? BatchState::Complete : BatchState::Ended);
    }
    ownerTimer->stop();
    if (!complete) {
        accept();
    }
}

} // namespace vorlan
