#include "station/ui/StationView.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"
#include "programming/CountingDriver.h"
#include "programming/ProgrammingEngine.h"
#include "scancodes/ScanCodeCapture.h"
#include "scancodes/ui/KeyEventMapping.h"
#include "station/Batch.h"
#include "station/BatchStateFile.h"
#include "station/ui/ReportDocument.h"
#include "verify/KeyTestSession.h"
#include "verify/RunMarker.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <utility>

namespace vorlan {
namespace {

constexpr int kPollMs = 500; // about twice a second, as the driver's detection is cheap

void SetPointSize(QWidget* widget, int points, bool bold = false) {
    QFont font = widget->font();
    font.setPointSize(points);
    font.setBold(bold);
    widget->setFont(font);
}

QString Utf8(const std::string& text) {
    return FromUtf8Text(text);
}

} // namespace

StationView::StationView(Batch theBatch, const LayoutDocument& theDoc, KeyboardDriver& keyboard,
                         std::shared_ptr<PacingClock> theClock, QString theLogPath, QWidget* parent,
                         CodeNaming theNaming)
    : QDialog(parent), naming(theNaming), batch(std::make_unique<Batch>(std::move(theBatch))),
      doc(std::make_unique<LayoutDocument>(theDoc)),
      driver(std::make_shared<CountingDriver>(
          std::shared_ptr<KeyboardDriver>(&keyboard, [](KeyboardDriver*) {}))),
      clock(theClock ? std::move(theClock)
                     : std::shared_ptr<PacingClock>(std::make_shared<SystemPacingClock>())),
      logPath(std::move(theLogPath)), statePath(FromPath(BatchStatePathFor(ToPath(logPath)))),
      run(std::make_unique<ProgrammingRun>()) {
    setObjectName(QStringLiteral("StationView"));
    // The keys are the station's, whatever has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(UiText(StringId::StationCaption) + QStringLiteral(" - ") +
                   Utf8(batch->Settings().order));
    auto* layout = new QVBoxLayout(this);
    placeLine = new QLabel(this);
    placeLine->setObjectName(QStringLiteral("stationPlace"));
    SetPointSize(placeLine, 40, true);
    stateLine = new QLabel(this);
    stateLine->setObjectName(QStringLiteral("stationState"));
    stateLine->setWordWrap(true);
    stateLine->setAutoFillBackground(true);
    stateLine->setMargin(12);
    SetPointSize(stateLine, 28, true);
    bar = new QProgressBar(this);
    bar->setMinimumHeight(36);
    auto* keys = new QLabel(UiText(StringId::StationKeys), this);
    SetPointSize(keys, 16);
    rows = new QListWidget(this);
    rows->setObjectName(QStringLiteral("stationRows"));
    rows->setFocusPolicy(Qt::NoFocus);
    // An order goes on where it was: its keyboards already in the log are
    // this batch's first rows (after a crash, or a batch ended and begun again).
    const std::vector<ProgrammingRun> logged = ReadLogFile(ToPath(logPath));
    for (const LoggedKeyboard& k : KeyboardsOfOrder(logged, batch->Settings().order)) {
        AddRow(k.mark, k.run->dateTime, OutcomeOf(*k.run, k.mark));
    }
    SetPointSize(rows, 16);
    reportButton = new QPushButton(UiText(StringId::StationSaveReport), this);
    reportButton->setObjectName(QStringLiteral("stationReport"));
    reportButton->setFocusPolicy(Qt::NoFocus);
    connect(reportButton, &QPushButton::clicked, this, &StationView::ChooseReport);
    layout->addWidget(placeLine);
    layout->addWidget(stateLine);
    layout->addWidget(bar);
    layout->addWidget(keys);
    layout->addWidget(rows, 1);
    layout->addWidget(reportButton, 0, Qt::AlignRight);
    resize(1000, 700);

    pollTimer = new QTimer(this);
    pollTimer->setInterval(kPollMs);
    connect(pollTimer, &QTimer::timeout, this, &StationView::Poll);
    testTimer = new QTimer(this);
    testTimer->setInterval(100);
    connect(testTimer, &QTimer::timeout, this, [this] {
        if (test && test->Tick(testClock.elapsed())) {
            CheckTest();
        }
    });
    SaveState();
    Show(State::Waiting, UiText(StringId::StationWaiting));
    pollTimer->start();
}

StationView::~StationView() {
    stop = true;
    if (worker.joinable()) {
        worker.join();
    }
}

void StationView::SetPollInterval(int ms) {
    pollTimer->setInterval(ms);
}

void StationView::ShowPlace() {
    placeLine->setText(UiText(StringId::StationKeyboardOf)
                           .arg(std::min(batch->Place(), batch->Settings().count))
                           .arg(batch->Settings().count));
}

void StationView::Show(State next, const QString& text) {
    state = next;
    ShowPlace();
    stateLine->setText(text);
    // Passed in green, failed in red, white on both; anything else as the window.
    QPalette palette = this->palette();
    const bool good = next == State::Passed || next == State::Complete;
    if (good || next == State::Failed) {
        palette.setColor(QPalette::Window,
                         good ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28));
        palette.setColor(QPalette::WindowText, Qt::white);
    }
    stateLine->setPalette(palette);
    bar->setVisible(next == State::Programming);
    Q_EMIT StateChanged(next);
}

void StationView::Poll() {
    if (state != State::Waiting && state != State::Passed) {
        return;
    }
    const bool answers = DetectKeyboardType(*driver).Answered();
    if (keyboardStillThere) {
        // The keyboard just judged must go before the next one is programmed.
        if (!answers) {
            keyboardStillThere = false;
            Show(State::Waiting, UiText(StringId::StationWaiting));
        }
        return;
    }
    if (answers) {
        StartProgramming();
    }
}

void StationView::StartProgramming() {
    Show(State::Programming, UiText(StringId::StationProgramming).arg(0));
    bar->setValue(0);
    driver->ResetCounts();
    stop = false;
    bytesSent = 0;
    bytesTotal = 0;
    const std::string path = batch->Settings().layoutFile;
    // Killed while programming, this keyboard still gets its line in the log
    // ("interrupted", failed), at the window's next start; after the run the
    // batch's state file holds its line instead.
    ProgrammingRun planned;
    planned.dateTime = LocalDateTime(std::chrono::system_clock::now());
    planned.layoutFile = path;
    runImageSize = 0;
    planned.imageSha256 = ImageSha256OfLayoutFile(path, &runImageSize);
    runSha = planned.imageSha256;
    planned.batch = FormatBatchField(batch->MarkFor(KeyTestOutcome::NotRun, false));
    WriteRunMarker(ToPath(logPath), planned, runMarker);
    worker = std::thread([this, path] {
        const auto started = std::chrono::steady_clock::now();
        WriteProgress progress;
        progress.stop = &stop;
        progress.bytesTotal = &bytesTotal;
        progress.bytesSent = &bytesSent;
        progress.step = [this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const int total = bytesTotal;
                    const int percent = total > 0 ? bytesSent * 100 / total : 0;
                    bar->setValue(percent);
                    stateLine->setText(UiText(StringId::StationProgramming).arg(percent));
                },
                Qt::QueuedConnection);
        };
        const char* arguments[] = {"vorlan", path.c_str()};
        const int result = ProgrammingEngine(2, arguments, progress, *driver, *clock);
        const std::int64_t ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - started)
                                    .count();
        QMetaObject::invokeMethod(
            this, [this, result, ms] { RunEnded(result, ms); }, Qt::QueuedConnection);
    });
}

void StationView::RunEnded(int result, std::int64_t durationMs) {
    worker.join();
    *run = ProgrammingRun{};
    run->dateTime = LocalDateTime(std::chrono::system_clock::now());
    run->layoutFile = batch->Settings().layoutFile;
    run->imageSha256 = runSha; // of the file as this run read it
    run->keyboardType = driver->AnsweredType();
    run->bytesWritten = driver->BytesWritten();
    run->durationMs = durationMs;
    run->result = RunResultText(result, true, run->bytesWritten, runImageSize);
    if (run->result != "done") {
        pendingTest = KeyTestOutcome::NotRun;
        SaveState();
        DropRunMarker();
        Show(State::Failed,
             UiText(StringId::StationFailed).arg(result != 0 ? UiText(result) : Utf8(run->result)));
        return;
    }
    if (batch->Settings().test == BatchTest::None) {
        Judge(KeyTestOutcome::NotChosen);
        return;
    }
    pendingTest = KeyTestOutcome::Failed; // what a crash during the test leaves
    SaveState();
    DropRunMarker();
    test = std::make_unique<KeyTestSession>(MakeKeyTestPlan(*doc, naming));
    testClock.start();
    testTimer->start();
    CheckTest();
}

void StationView::TakeTestKey(const QKeyEvent& key) {
    const std::optional<KeyDownEvent> down = KeyDownFromEvent(key);
    if (!down || !test) {
        return;
    }
    bool changed = false;
    for (const CodeAndName& code : CodesOfKeyDown(*down, CodeNaming{})) {
        if (code.code != 0) {
            changed =
                test->Feed(static_cast<std::uint8_t>(code.code), testClock.elapsed()) || changed;
        }
    }
    if (changed) {
        CheckTest();
    }
}

void StationView::CheckTest() {
    const KeyTestPlan& plan = test->Plan();
    for (const TestLine& line : test->Lines()) {
        if (line.kind == StreamEvent::Kind::Unknown) {
            failReason = UiText(StringId::StationWrongKey).arg(Utf8(TestLineText(line, naming)));
            Judge(KeyTestOutcome::Failed);
            return;
        }
    }
    int required = 0;
    int passed = 0;
    for (int k = 0; k < test->KeyCount(); ++k) {
        const bool untypable =
            std::find(plan.untypable.begin(), plan.untypable.end(), k) != plan.untypable.end();
        if (untypable && batch->Settings().test == BatchTest::ProgrammedKeys) {
            continue;
        }
        ++required;
        passed += test->Result(k) == KeyResult::Passed ? 1 : 0;
    }
    if (passed == required) {
        Judge(KeyTestOutcome::Passed);
        return;
    }
    QString text = UiText(StringId::StationTesting).arg(passed).arg(required);
    if (batch->Settings().test == BatchTest::EveryKey && !plan.untypable.empty()) {
        text += QLatin1Char('\n') +
                UiText(StringId::StationUntestable, static_cast<int>(plan.untypable.size()));
    }
    Show(State::Testing, text);
}

void StationView::Judge(KeyTestOutcome outcome) {
    testTimer->stop();
    test.reset();
    pendingTest = outcome;
    if (outcome == KeyTestOutcome::Failed) {
        SaveState();
        Show(State::Failed, UiText(StringId::StationFailed).arg(failReason));
        return;
    }
    Decide(false);
}

void StationView::AddRow(const BatchMark& mark, const std::string& dateTime, BatchOutcome outcome) {
    rows->addItem(Utf8(PlaceText(mark.place, mark.count) + "   " + dateTime + "   ") +
                  UiText(outcome == BatchOutcome::Passed     ? StringId::StationRowPassed
                         : outcome == BatchOutcome::SetAside ? StringId::StationRowSetAside
                                                             : StringId::StationRowFailed));
    rows->scrollToBottom();
}

void StationView::Decide(bool setAside) {
    const BatchMark mark = batch->MarkFor(pendingTest, setAside);
    run->batch = FormatBatchField(mark);
    if (const FileWriteResult logged = AppendToLog(ToPath(logPath), *run); !logged.Ok()) {
        ShowError(this, UiText(StringId::LogWriteFailed).arg(logPath));
    }
    DropRunMarker();
    const BatchOutcome outcome = OutcomeOf(*run, mark);
    batch->Count(outcome);
    AddRow(mark, run->dateTime, outcome);
    pendingTest = KeyTestOutcome::NotRun;
    *run = ProgrammingRun{};
    keyboardStillThere = true;
    if (batch->Complete()) {
        RemoveBatchState(ToPath(statePath));
        savedState.clear();
        pollTimer->stop();
        Show(State::Complete, UiText(StringId::StationComplete, batch->Passed()));
        return;
    }
    SaveState();
    if (outcome == BatchOutcome::Passed) {
        Show(State::Passed, UiText(StringId::StationTakeAway));
    } else {
        Show(State::Waiting, UiText(StringId::StationWaiting));
    }
}

void StationView::LogPendingLine(const std::string& line) {
    if (const auto pending = ParseLogLine(line)) {
        *run = *pending;
        pendingTest = KeyTestOutcome::Failed;
        if (const auto mark = ParseBatchField(run->batch)) {
            pendingTest = mark->test == KeyTestOutcome::NotRun ? KeyTestOutcome::NotRun
                                                               : KeyTestOutcome::Failed;
        }
        Decide(false);
        keyboardStillThere = false;
        Show(State::Waiting, UiText(StringId::StationWaiting));
    }
}

void StationView::DropRunMarker() {
    RemoveRunMarker(runMarker);
    runMarker.clear();
}

void StationView::SaveState() {
    BatchStateFile file;
    file.settings = batch->Settings();
    if (!run->dateTime.empty()) {
        ProgrammingRun pending = *run;
        pending.batch = FormatBatchField(batch->MarkFor(pendingTest, false));
        file.pendingLine = FormatLogLine(pending);
    }
    // Unchanged since it was last made durable (a keyboard logged without a
    // test left no line pending): no second write on the way to the next one.
    std::string text = FormatBatchState(file);
    if (text == savedState) {
        return;
    }
    if (SaveBatchState(ToPath(statePath), file).Ok()) {
        savedState = std::move(text);
    }
}

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
    switch (state) {
    case State::Testing:
        TakeTestKey(*key);
        break;
    case State::Programming:
        if (k == Qt::Key_Escape) {
            stop = true;
        }
        break;
    case State::Failed:
        if (enter || k == Qt::Key_S) {
            Decide(k == Qt::Key_S);
        } else if (k == Qt::Key_R) {
            Decide(false);
            keyboardStillThere = false;
            StartProgramming();
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
    case State::Complete:
        if (enter || k == Qt::Key_Escape) {
            accept();
        }
        break;
    }
    return true;
}

void StationView::Pause() {
    pollTimer->stop();
    if (AskYesNo(
            this,
            UiText(StringId::StationEndQuestion).arg(batch->Passed()).arg(batch->Settings().count),
            StringId::StationEndQuestion)) {
        RemoveBatchState(ToPath(statePath));
        accept();
        return;
    }
    pollTimer->start();
}

void StationView::closeEvent(QCloseEvent* e) {
    stop = true;
    if (worker.joinable()) {
        worker.join();
    }
    pollTimer->stop();
    QDialog::closeEvent(e);
}

bool StationView::SaveReport(const QString& path) {
    return WriteReportFile(
        ReportFromLog(ReadLogFile(ToPath(logPath)), batch->Settings().order, StationName()), path,
        {ToPath(logPath)});
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
