#include "station/ui/StationView.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"
#include "programming/CountingDriver.h"
#include "programming/EmulatedKeyboard.h"
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

// The keys a test still waits for, named as the grid names them; a long
// list ends in how many more.
QString KeysToPress(const std::vector<KeyCaption>& keys) {
    constexpr std::size_t kShown = 12;
    QStringList names;
    for (std::size_t i = 0; i < keys.size() && i < kShown; ++i) {
        const std::string& name = keys[i].name;
        // A name of up to 102 bytes would push the window off the screen at
        // this size; the grid shows no more of it either.
        constexpr qsizetype kLongest = 24;
        QString shown = FromLatin1Text(name);
        if (shown.size() > kLongest) {
            shown = shown.left(kLongest - 1) + QChar(0x2026);
        }
        names << (name.empty() ? UiText(StringId::KeyTestReportKey).arg(keys[i].slot) : shown);
    }
    const QString list = names.join(QStringLiteral(", "));
    return keys.size() > kShown ? UiText(StringId::StationMoreKeys)
                                      .arg(list)
                                      .arg(static_cast<int>(keys.size() - kShown))
                                : list;
}

} // namespace

StationView::StationView(Batch theBatch, const LayoutDocument& theDoc, KeyboardDriver& keyboard,
                         std::shared_ptr<PacingClock> theClock,
                         std::shared_ptr<RecordStore> theRecord, std::int64_t theBatchId,
                         QWidget* parent, CodeNaming theNaming)
    : QDialog(parent), naming(theNaming), batch(std::make_unique<Batch>(std::move(theBatch))),
      doc(std::make_unique<LayoutDocument>(theDoc)),
      driver(std::make_shared<CountingDriver>(
          std::shared_ptr<KeyboardDriver>(&keyboard, [](KeyboardDriver*) {}))),
      clock(theClock ? std::move(theClock)
                     : std::shared_ptr<PacingClock>(std::make_shared<SystemPacingClock>())),
      record(std::move(theRecord)), batchId(theBatchId), run(std::make_unique<RunRecord>()) {
    setObjectName(QStringLiteral("StationView"));
    // The keys are the station's, whatever has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(UiText(StringId::StationCaption) + QStringLiteral(" - ") +
                   Utf8(batch->Settings().order));
    auto* layout = new QVBoxLayout(this);
    // The order whole, wrapped if it must be: the title bar may cut it.
    orderLine = new QLabel(UiText(StringId::ReportOrder).arg(Utf8(batch->Settings().order)), this);
    orderLine->setObjectName(QStringLiteral("stationOrder"));
    orderLine->setWordWrap(true);
    orderLine->setTextFormat(Qt::PlainText);
    SetPointSize(orderLine, 16);
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
    keysLine = new QLabel(this);
    keysLine->setObjectName(QStringLiteral("stationKeys"));
    keysLine->setWordWrap(true);
    SetPointSize(keysLine, 16);
    rows = new QListWidget(this);
    rows->setObjectName(QStringLiteral("stationRows"));
    rows->setFocusPolicy(Qt::NoFocus);
    // An order goes on where it was: its keyboards already in the record are
    // this batch's first rows, and its counts are the record's.
    RunQuery query;
    query.anyOrder = false;
    query.order = batch->Settings().order;
    record->ReadRuns(query, [this](const RunRecord& r) {
        if (r.state == RunState::Finished || r.state == RunState::Interrupted) {
            AddRow(r.place, r.count, r.started, r.outcome.value_or(BatchOutcome::Failed));
        }
        return true;
    });
    OrderCounts counts;
    if (record->CountOrder(batch->Settings().order, counts).Ok()) {
        batch->SetCounts(counts);
    }
    BatchRecord row;
    if (record->ReadBatch(batchId, row).Ok()) {
        batchFileSha = row.fileSha256;
    }
    SetPointSize(rows, 16);
    reportButton = new QPushButton(
        UiText(StringId::StationReportButton)
            .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)),
        this);
    reportButton->setObjectName(QStringLiteral("stationReport"));
    reportButton->setFocusPolicy(Qt::NoFocus);
    connect(reportButton, &QPushButton::clicked, this, &StationView::ChooseReport);
    layout->addWidget(orderLine);
    layout->addWidget(placeLine);
    layout->addWidget(stateLine);
    layout->addWidget(bar);
    layout->addWidget(keysLine);
    layout->addWidget(rows, 1);
    layout->addWidget(reportButton, 0, Qt::AlignRight);
    FitScreen();

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
    // The record hears from the batch's owner, so no second window takes it.
    ownerTimer = new QTimer(this);
    ownerTimer->setInterval(static_cast<int>(kOwnerTouchMs));
    connect(ownerTimer, &QTimer::timeout, this, [this] {
        // Between keyboards only: a keyboard on the station is finished
        // first, and a paused station is not paused again.
        if (const RecordResult held = record->TouchBatch(batchId, CurrentProcess(), NowUtcMs());
            !held.Ok() && (state == State::Waiting || state == State::Passed)) {
            PauseFor(held);
        }
    });
    ownerTimer->start();
    Show(State::Waiting, UiText(StringId::StationWaiting));
    pollTimer->start();
}

StationView::~StationView() {
    stop = true;
    if (worker.joinable()) {
        worker.join();
        run->bytesWritten = static_cast<std::int64_t>(driver->BytesWritten());
        run->result =
            RunResultText(static_cast<int>(StringId::ProgrammingStopped), true,
                          driver->BytesWritten(), static_cast<std::size_t>(run->bytesPlanned));
    }
    // The program ends with the station open: the keyboard in progress is
    // kept with what it holds and the batch waits for the next start.
    FinishPending();
    ReleaseBatch(*record, batchId, CurrentProcess());
}

void StationView::SetPollInterval(int ms) {
    pollTimer->setInterval(ms);
}

// As large as the screen comfortably gives (read from two metres), never
// larger than it, and never smaller than its content.
void StationView::FitScreen() {
    const QScreen* on = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QSize room = on != nullptr ? on->availableGeometry().size() : QSize(1024, 768);
    // A small screen (or a large scale) is taken whole: the failure's lines need it.
    const QSize wanted(std::max(room.width() * 3 / 4, std::min(room.width(), 1000)),
                       std::max(room.height() * 4 / 5, std::min(room.height(), 700)));
    resize(wanted.expandedTo(minimumSizeHint()).boundedTo(room));
}

// Centred on the main window, a window as large as the screen may hang off
// its edge: moved back onto it, wholly where it fits.
void StationView::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    const QScreen* on = screen();
    if (on == nullptr) {
        return;
    }
    const QRect room = on->availableGeometry();
    // The frame is known only now: the window and its frame within the screen.
    const QSize frameSize = frameGeometry().size() - size();
    if (frameGeometry().width() > room.width() || frameGeometry().height() > room.height()) {
        resize((room.size() - frameSize).boundedTo(size()).expandedTo(minimumSizeHint()));
    }
    const QRect frame = frameGeometry();
    const int x = std::clamp(frame.left(), room.left(),
                             std::max(room.left(), room.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), room.top(),
                             std::max(room.top(), room.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) {
        move(x, y);
    }
}

void StationView::ShowKeys() {
    // Only while the keys mean what the line says: during the key test they
    // are the keyboard's, and a finished batch only closes.
    StringId keys = StringId::StationKeysWaiting;
    switch (state) {
    case State::Waiting:
    case State::Passed:
        break;
    case State::Failed:
        keys = StringId::StationKeys;
        break;
    case State::Programming:
        keys = StringId::StationKeysProgramming;
        break;
    case State::Paused:
        keys = StringId::StationKeysPaused;
        break;
    case State::Testing:
    case State::Complete:
        keysLine->hide();
        return;
    }
    keysLine->setText(UiText(keys));
    keysLine->show();
}

void StationView::Show(State next, const QString& text) {
    state = next;
    if (next == State::Waiting) {
        ReadShared();
    }
    ShowPlace();
    stateLine->setText(text);
    // Passed in green, failed in red, white on both; anything else as the window.
    QPalette palette = this->palette();
    const bool good = next == State::Passed || next == State::Complete;
    if (good || next == State::Failed || next == State::Paused) {
        palette.setColor(QPalette::Window,
                         good ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28));
        palette.setColor(QPalette::WindowText, Qt::white);
    }
    stateLine->setPalette(palette);
    bar->setVisible(next == State::Programming);
    ShowKeys();
    Q_EMIT StateChanged(next);
}

void StationView::Poll() {
    if (state != State::Waiting && state != State::Passed) {
        return;
    }
    // Other stations move the batch on too: their progress, and a batch they completed or ended.
    if (constexpr int kPollsPerRead = 4; ++pollsSinceRead >= kPollsPerRead) {
        pollsSinceRead = 0;
        ReadShared();
        ShowPlace();
        if (FinishedElsewhere()) {
            return;
        }
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
    const std::string path = batch->Settings().layoutFile;
    // Every keyboard of a batch is programmed and tested with one plan.
    const std::string fileSha = LayoutFileSha256(path);
    if (fileSha != batchFileSha) {
        pollTimer->stop();
        Show(State::Failed, UiText(StringId::StationLayoutChanged).arg(Utf8(path)));
        if (AskYesNo(this, UiText(StringId::StationLayoutChanged).arg(Utf8(path)),
                     StringId::StationLayoutChanged)) {
            EndBatch(false);
        }
        return;
    }
    // The run is a row of the record before the keyboard is touched.
    *run = RunRecord{};
    run->process = CurrentProcess();
    run->user = UserName();
    run->started = LocalDateTime(std::chrono::system_clock::now());
    run->startedUtcMs = NowUtcMs();
    run->layoutGiven = path;
    run->layoutResolved = path;
    run->fileSha256 = fileSha;
    std::size_t imageSize = 0;
    run->imageSha256 = ImageSha256OfLayoutFile(path, &imageSize);
    run->bytesPlanned = static_cast<std::int64_t>(imageSize);
    run->emulated = dynamic_cast<EmulatedKeyboard*>(driver->Inner()) != nullptr;
    run->order = batch->Settings().order;
    run->batchId = batchId;
    if (const RecordResult begun = record->BeginRun(*run); !begun.Ok()) {
        *run = RunRecord{};
        // Full or gone: perhaps the other stations finished the batch.
        if (begun.failure == RecordFailure::Full || begun.failure == RecordFailure::NotFound) {
            ReadShared();
            if (FinishedElsewhere()) {
                return;
            }
        }
        PauseFor(begun);
        return;
    }
    ReadShared();
    Show(State::Programming, UiText(StringId::StationProgramming).arg(0));
    placeLine->setText(UiMessageText(PlaceMessage(run->place, batch->Settings().count, stations)));
    bar->setValue(0);
    driver->ResetCounts();
    stop = false;
    bytesSent = 0;
    bytesTotal = 0;
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
    if (askingStop) {
        endWaiting = std::pair(result, durationMs); // taken up after the answer
        return;
    }
    if (!worker.joinable()) {
        return; // the window was closed first and kept the run itself
    }
    worker.join();
    run->keyboardType = driver->AnsweredType();
    run->bytesWritten = static_cast<std::int64_t>(driver->BytesWritten());
    run->durationMs = durationMs;
    run->result = RunResultText(result, true, driver->BytesWritten(),
                                static_cast<std::size_t>(run->bytesPlanned));
    // What the keyboard holds is recorded before anything is asked of it.
    run->state = RunState::Programmed;
    runResult = result;
    AfterProgrammed();
}

void StationView::AfterProgrammed() {
    // A result kept at the station while the server is away goes on: the
    // verdict is kept too, and the station pauses before the next keyboard.
    if (const RecordResult recorded = record->UpdateRun(*run);
        !recorded.Ok() && recorded.failure != RecordFailure::Kept) {
        pausedAt = Step::Programmed;
        PauseFor(recorded);
        return;
    }
    if (run->result != "done") {
        pendingTest = KeyTestOutcome::NotRun;
        Show(State::Failed, UiText(StringId::StationFailed)
                                    .arg(runResult != 0 ? UiText(runResult) : Utf8(run->result)) +
                                QLatin1Char('\n') + FailureDetails());
        return;
    }
    if (batch->Settings().test == BatchTest::None) {
        Judge(KeyTestOutcome::NotChosen);
        return;
    }
    pendingTest = KeyTestOutcome::Failed; // what a crash during the test leaves
    test = std::make_unique<KeyTestSession>(MakeKeyTestPlan(*doc, naming));
    testClock.start();
    testTimer->start();
    CheckTest();
}

// What was found: the keyboard's type as it answered and the bytes it got.
QString StationView::FailureDetails() const {
    return UiText(StringId::StationFoundWritten)
        .arg(run->keyboardType < 0 ? UiText(StringId::StationNoKeyboardType)
                                   : QString::number(run->keyboardType))
        .arg(run->bytesWritten)
        .arg(run->bytesPlanned);
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
            const auto words = [](StringId id, int count) {
                return ToUtf8Text(count < 0 ? UiText(id) : UiText(id, count));
            };
            failReason =
                UiText(StringId::StationWrongCodes)
                    .arg(Utf8(TestLineText(line, naming, words)), Utf8(HexCodes(line.codes)));
            Judge(KeyTestOutcome::Failed);
            return;
        }
    }
    const TestProgress progress = ProgressOf(*test, batch->Settings().test);
    if (progress.Done()) {
        Judge(KeyTestOutcome::Passed);
        return;
    }
    QString text =
        UiText(StringId::StationTesting).arg(progress.passed).arg(progress.required) +
        QLatin1Char('\n') +
        UiText(StringId::StationStillToPress).arg(KeysToPress(MissingKeys(*test, progress)));
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
        Show(State::Failed, UiText(StringId::StationFailed).arg(failReason));
        return;
    }
    Decide(false);
}

} // namespace vorlan
