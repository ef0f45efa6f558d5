// The station's keys and questions: what Enter, R, S, Escape and the report's
// key do in each state, and what is asked before a keyboard is left behind.
#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"
#include "programming/CountingDriver.h"
#include "programming/ProgrammingEngine.h"
#include "records/RecordPolicy.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"
#include "scancodes/ScanCodeCapture.h"
#include "scancodes/ui/KeyEventMapping.h"
#include "station/Batch.h"
#include "station/BatchReport.h"
#include "station/StationRules.h"
#include "station/ui/ReportDocument.h"
#include "station/ui/StationView.h"
#include "verify/KeyTestSession.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <utility>

namespace vorlan {

bool StationView::event(QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) {
        return QDialog::event(e);
    }
    auto* key = static_cast<QKeyEvent*>(e);
    if (e->type() == QEvent::ShortcutOverride) {
        // Every key is the station's: no menu shortcut of the window behind.
        e->accept();
        return true;
    }
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if (state != State::Testing && state != State::Programming && IsReportKey(*key)) {
        ChooseReport();
        return true;
    }
    switch (state) {
    case State::Testing:
        TakeTestKey(*key);
        break;
    case State::Programming:
        if (k == Qt::Key_Escape) {
            AskStop();
        }
        break;
    case State::Failed:
        if (enter || k == Qt::Key_S) {
            Decide(k == Qt::Key_S);
        } else if (k == Qt::Key_R) {
            // Retried when it answers, as the next keyboard is: one taken
            // away to be plugged in again is not written to meanwhile.
            Decide(false);
            keyboardStillThere = false;
            if (state == State::Waiting) {
                Poll();
            }
        } else if (k == Qt::Key_Escape) {
            Pause();
        }
        break;
    case State::Waiting:
    case State::Passed:
        if (enter) {
            keyboardStillThere = false;
            Poll();
        } else if (k == Qt::Key_Escape) {
            Pause();
        }
        break;
    case State::Paused:
        if (enter) {
            Retry();
        } else if (k == Qt::Key_Escape) {
            Pause();
        }
        break;
    case State::Complete:
        if (enter || k == Qt::Key_Escape) {
            accept();
        }
        break;
    }
    return true;
}

bool StationView::IsReportKey(const QKeyEvent& key) const {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (QKeySequence(key.key() | mods) == QKeySequence(QKeySequence::Save)) {
        return true;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(reportButton->text());
    return mods == Qt::AltModifier && !mnemonic.isEmpty() &&
           mnemonic[0].key() == static_cast<Qt::Key>(key.key());
}

void StationView::AskStop() {
    askingStop = true;
    const bool yes =
        AskYesNo(this, UiText(StringId::StationStopQuestion), StringId::StationStopQuestion);
    askingStop = false;
    if (yes) {
        stop = true;
    }
    if (endWaiting) {
        const auto [result, ms] = *endWaiting;
        endWaiting.reset();
        RunEnded(result, ms);
    }
}

void StationView::Pause() {
    pollTimer->stop();
    // What ending does to the keyboard on the station is said with the question.
    const bool inProgress = state == State::Failed || (state == State::Paused && run->id != 0);
    const StringId fate = inProgress               ? StringId::StationEndFailed
                          : state == State::Passed ? StringId::StationEndPassed
                                                   : StringId::StationEndNothing;
    const StringId question =
        joined ? StringId::StationLeaveQuestion : StringId::StationEndQuestion;
    if (AskYesNo(this,
                 UiText(question).arg(batch->Passed()).arg(batch->Settings().count) +
                     QLatin1Char(' ') + UiText(fate),
                 question)) {
        if (state == State::Failed) {
            Decide(false); // recorded as failed, as the question said
        }
        // A keyboard paused on its way into the record is kept as failed by the end.
        EndBatch(false);
        return;
    }
    // Paused by the record, the station waits for Enter to try it again.
    if (state != State::Paused) {
        pollTimer->start();
    }
}

void StationView::closeEvent(QCloseEvent* e) {
    stop = true;
    if (worker.joinable()) {
        worker.join();
        run->keyboardType = driver->AnsweredType();
        run->bytesWritten = static_cast<std::int64_t>(driver->BytesWritten());
        run->result =
            RunResultText(static_cast<int>(StringId::ProgrammingStopped), true,
                          driver->BytesWritten(), static_cast<std::size_t>(run->bytesPlanned));
    }
    pollTimer->stop();
    ownerTimer->stop();
    // Closed without ending: the batch stays open for the next start, and
    // the keyboard in progress is kept with what it holds.
    FinishPending();
    ReleaseBatch(*record, batchId, CurrentProcess());
    QDialog::closeEvent(e);
}

bool StationView::SaveReport(const QString& path) {
    RecordResult read;
    const BatchReport report = ReportFromRecord(*record, batch->Settings().order, read);
    return read.Ok() && WriteReportFile(report, path, {record->Name()});
}

void StationView::ChooseReport() {
    const std::optional<SaveNameAnswer> answer =
        DialogsFor(this).AskSaveName(this, {UiText(StringId::StationSaveReport), QString(),
                                            UiText(StringId::StationReportFilter)});
    const QString path = answer ? answer->path : QString();
    if (!path.isEmpty() && !SaveReport(path)) {
        ShowError(this, UiText(StringId::KeyTestSaveFailed).arg(path));
    }
}

} // namespace vorlan
