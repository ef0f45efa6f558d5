// What the station keeps in the record and reads back from it: the keyboard
// in progress recorded as failed, a batch paused for the record's reason,
// the batch closed, and the progress of every station on the batch.
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
#include <QTimer>
#include <algorithm>

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

void StationView::PauseFor(const RecordResult& why) {
    pollTimer->stop();
    Show(State::Failed, UiText(StringId::StationPaused).arg(UiMessageText(why.Message())));
    ShowError(this, UiMessageText(why.Message()));
}

void StationView::EndBatch(bool complete) {
    // Ending keeps every record: a keyboard in progress is kept with what it holds.
    FinishPending();
    record->CloseBatch(batchId, CurrentProcess(),
                       complete ? BatchState::Complete : BatchState::Ended);
    ownerTimer->stop();
    if (!complete) {
        accept();
    }
}

} // namespace vorlan
