// A batch at the station through the real main window and key events only:
// the emulated keyboards arrive late, are taken away after each write, one
// fails and is retried, one is set aside; a crash in the middle is resumed;
// forty in German and Polish, with the report they read; Escape at each question.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "records/RecordLocation.h"
#include "records/RecordPolicy.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"
#include "records/ui/RecordsDialog.h"
#include "station/BatchReport.h"
#include "station/StationRules.h"
#include "station/ui/StationTools.h"
#include "station/ui/StationView.h"
#include "testing/KeyTestLayout.h"
#include "testing/MainWindowFixture.h"
#include "testing/PostgresServer.h"
#include "testing/ProgrammingTestSupport.h"
#include "verify/ui/KeyTestView.h"
#include "verify/ui/VerifyTools.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>
#include <unistd.h>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

using State = StationView::State;

// A loaded machine may show a dialog after the timer meant to fill it: its
// keys wait until it has the focus, so none goes to the window behind.
void WaitForModalFocus() {
    EXPECT_TRUE(QTest::qWaitFor([] {
        const QWidget* focus = QApplication::focusWidget();
        return focus && focus->window() == QApplication::activeModalWidget();
    }));
}

class StationTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        dialogs->reply = MessageResult::Yes;
        Open();
        // Unsaved: the batch asks to save it first.
        test::ProgramTestKeys(window->Editor().Document());
        window->Editor().Document().filePath =
            folder.filePath(QStringLiteral("shop.txt")).toStdString();
        window->Editor().Document().dirty = true;
    }
    void TearDown() override {
        window.reset();
        MainWindowTest::TearDown();
    }
    void Open() {
        window = std::make_unique<MainDialog>(dialogs);
        VerifyToolsOf(window.get())->SetLogPath(LogPath());
        tools = StationToolsOf(window.get());
        ASSERT_NE(tools, nullptr);
        tools->SetClock(std::make_shared<test::FakeClock>());
        tools->SetPollInterval(5);
        // Plugged in after two detections, taken away for one after each write;
        // the second keyboard's write fails at its tenth byte.
        EmulatorFaults faults;
        faults.late = 2;
        faults.away = 1;
        faults.failWriteAt = 1014 + 10;
        keyboard = std::make_shared<EmulatedKeyboard>(1, faults);
        ProgrammingDialogOf(window.get())->SetKeyboard(keyboard);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QString LogPath() const { return folder.filePath(QStringLiteral("log/programming.log")); }
    StationView* Station() const { return tools->Station(); }
    bool WaitFor(State state) {
        const bool reached =
            QTest::qWaitFor([&] { return Station() && Station()->CurrentState() == state; }, 10000);
        if (!reached && Station()) { // what the station says instead
            std::cerr << "station: " << Station()->StateLine()->text().toStdString() << '\n';
        }
        return reached;
    }
    void Key(int key) { QTest::keyClick(Station(), static_cast<Qt::Key>(key)); }
    // The keyboard under test types each of its keys.
    void TypeKeys() {
        ASSERT_TRUE(WaitFor(State::Testing));
        for (const std::vector<std::uint8_t>& codes : {std::vector<std::uint8_t>{0x1C},
                                                       {0x14, 0x21},
                                                       {0x0D},
                                                       {0x76},
                                                       {0x11, 0x0C},
                                                       {0xE0, 0x75}}) {
            ASSERT_TRUE(TypeSequence(codes, Station()));
            QTest::qWait(1); // the sequences' pauses come from the test's own timer
        }
    }
    // The record beside the log, as another program reads it.
    std::vector<RunRecord> Log() const {
        RecordResult opened;
        const std::unique_ptr<RecordStore> store = OpenRecordStore(RecordPath(), opened);
        EXPECT_TRUE(opened.Ok()) << opened.English();
        std::vector<RunRecord> runs;
        if (store) {
            store->ReadRuns({}, [&](const RunRecord& run) {
                runs.push_back(run);
                return true;
            });
        }
        return runs;
    }
    std::string RecordPath() const {
        return folder.filePath(QStringLiteral("log/records.db")).toStdString();
    }
    // Tools > Program a batch... by its shortcut; the dialog filled by keys.
    void StartBatch(const QString& count) {
        QTimer::singleShot(50, [count] {
            // A loaded machine may take longer than the timer to hand the dialog the focus.
            EXPECT_TRUE(QTest::qWaitFor([] {
                const QWidget* focus = QApplication::focusWidget();
                return focus && focus->window() == QApplication::activeModalWidget();
            }));
            // Blanks around the order go; the number is reached by its access key.
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" A-17 Boulangerie "));
            const QKeySequence field = QKeySequence::mnemonic(UiText(StringId::BatchCount));
            QTest::keyClick(QApplication::focusWidget(), field[0].key(), Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), count);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_NE(Station(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Station()));
    }
    QStringList LogFolder() const {
        return QFileInfo(LogPath()).dir().entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    std::vector<std::string> Places() const {
        std::vector<std::string> fields;
        for (const RunRecord& run : Log()) {
            fields.push_back(run.result.substr(0, 4) + " " + LogRunOf(run).batch);
        }
        return fields;
    }

    QTemporaryDir folder;
    QStringList& questions = dialogs->messages;
    std::unique_ptr<MainDialog> window;
    StationTools* tools = nullptr;
    std::shared_ptr<EmulatedKeyboard> keyboard;
};

TEST_F(StationTest, ABatchOfFiveWithARetryAndOneSetAside) {
    StartBatch(QStringLiteral("5"));
    EXPECT_EQ(questions.size(), 1) << "the layout is saved first";
    EXPECT_FALSE(window->Editor().Document().dirty);
    TypeKeys();                          // keyboard 1
    ASSERT_TRUE(WaitFor(State::Failed)); // keyboard 2 breaks off at its tenth byte
    Key(Qt::Key_R);
    TypeKeys();
    // Keyboard 3 sends a key the layout does not have: set aside.
    ASSERT_TRUE(WaitFor(State::Testing));
    ASSERT_TRUE(TypeSequence({0x07}, Station())); // F12
    ASSERT_TRUE(WaitFor(State::Failed));
    Key(Qt::Key_S);
    for (int k = 0; k < 3; ++k) {
        TypeKeys();
    }
    ASSERT_TRUE(WaitFor(State::Complete));
    EXPECT_EQ(Places(), (std::vector<std::string>{
                            "done A-17 Boulangerie 1/5 test=passed",
                            "Keyb A-17 Boulangerie 2/5",
                            "done A-17 Boulangerie 2/5 test=passed",
                            "done A-17 Boulangerie 3/5 test=failed set-aside",
                            "done A-17 Boulangerie 3/5 test=passed",
                            "done A-17 Boulangerie 4/5 test=passed",
                            "done A-17 Boulangerie 5/5 test=passed",
                        }));
    EXPECT_EQ(Station()->Rows()->count(), 7);
    for (const QString& file : LogFolder()) {
        EXPECT_TRUE(file.startsWith(QStringLiteral("records.db"))) << file.toStdString();
    }
    RecordResult opened;
    const std::unique_ptr<RecordStore> store = OpenRecordStore(RecordPath(), opened);
    ASSERT_TRUE(store);
    RecordResult read;
    const BatchReport report = ReportFromRecord(*store, "A-17 Boulangerie", read);
    EXPECT_EQ(std::tuple(report.passed, report.failed, report.setAside), std::tuple(5, 1, 1));
    std::vector<BatchRecord> open;
    ASSERT_TRUE(store->OpenBatches({}, open).Ok());
    EXPECT_TRUE(open.empty()) << "a complete batch is closed in the record";
    Key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Station() == nullptr; }));
}

TEST_F(StationTest, ACrashDuringATestIsResumedAtTheNextStart) {
    StartBatch(QStringLiteral("2"));
    TypeKeys();
    ASSERT_TRUE(WaitFor(State::Failed));
    Key(Qt::Key_R);
    ASSERT_TRUE(WaitFor(State::Testing));
    window.reset(); // the program stops here, the keyboard half tested
    EXPECT_EQ(Log().size(), 3u) << "the keyboard half tested is kept with what it holds";
    questions.clear();
    Open();
    tools->OfferResume();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("A-17 Boulangerie, 1 of 2")))
        << questions[0].toStdString();
    TypeKeys();
    ASSERT_TRUE(WaitFor(State::Complete));
    EXPECT_EQ(Places(), (std::vector<std::string>{
                            "done A-17 Boulangerie 1/2 test=passed",
                            "Keyb A-17 Boulangerie 2/2",
                            "done A-17 Boulangerie 2/2 test=failed",
                            "done A-17 Boulangerie 2/2 test=passed",
                        }));
    EXPECT_EQ(Station()->Rows()->count(), 4) << "the resumed batch lists its keyboards so far";
}

class StationLanguageTest : public StationTest, public testing::WithParamInterface<const char*> {};

// Forty keyboards, one failure retried and one set aside, in the language
// by keys alone; the station fits the screen and its report reads whole.
// Run once as it is and once at 200 % on a 1920 x 1080 screen.
TEST_P(StationLanguageTest, FortyKeyboardsFromTheKeyboardAloneAndAReportThatReadsWhole) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("vorlan_") + QLatin1String(GetParam()),
                                QStringLiteral(VORLAN_TEST_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&translator);
    StartBatch(QStringLiteral("40"));
    EXPECT_TRUE(Station()->windowTitle().endsWith(QStringLiteral(" - A-17 Boulangerie")));
    const QRect screen = Station()->screen()->availableGeometry();
    const QRect frame = Station()->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width()
                                        << "x" << frame.height() << " on " << screen.width();
    EXPECT_TRUE(Station()->ReportButton()->isVisible());
    TypeKeys();
    ASSERT_TRUE(WaitFor(State::Failed)); // keyboard 2's write breaks off
    const QString found = UiText(StringId::StationFoundWritten).section(QLatin1Char(':'), 0, 0);
    EXPECT_TRUE(Station()->StateLine()->text().contains(found));
    EXPECT_TRUE(Station()->KeysLine()->isVisible());
    Key(Qt::Key_R); // programmed again as it answers
    TypeKeys();
    ASSERT_TRUE(WaitFor(State::Testing));
    EXPECT_FALSE(Station()->KeysLine()->isVisible()) << "keys are the keyboard's in the test";
    EXPECT_TRUE(Station()->StateLine()->text().contains(
        UiText(StringId::StationStillToPress).arg(QString())))
        << Station()->StateLine()->text().toStdString();
    ASSERT_TRUE(TypeSequence({0x07}, Station())); // F12: no key of the layout
    ASSERT_TRUE(WaitFor(State::Failed));
    EXPECT_TRUE(Station()->StateLine()->text().contains(QStringLiteral("(07)")) ||
                Station()->StateLine()->text().contains(QStringLiteral(" 07")));
    Key(Qt::Key_S);
    for (int k = 0; k < 38; ++k) {
        TypeKeys();
    }
    ASSERT_TRUE(WaitFor(State::Complete));
    EXPECT_FALSE(Station()->KeysLine()->isVisible());
    EXPECT_EQ(Station()->Rows()->count(), 42);
    for (const char* name : {"report.pdf", "report.csv"}) {
        dialogs->saveName = folder.filePath(QLatin1String(name));
        QTest::keyClick(Station(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_TRUE(QFile::exists(dialogs->saveName)) << name;
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), folder.filePath(QStringLiteral("report.pdf")),
                QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
    QFile csvFile(folder.filePath(QStringLiteral("report.csv")));
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(csvFile.readAll());
    const std::vector<RunRecord> runs = Log();
    QStringList whole{UiText(StringId::StationRowFailed), UiText(StringId::StationRowSetAside),
                      UiText(StringId::ReportColumnOutcome), UiText(StringId::LogColumnResult)};
    for (const RunRecord& run : runs) {
        QString result;
        for (const UiMessage& m : RunResultMessages(run.result)) {
            result +=
                UiText(m.id).section(QLatin1Char('%'), 0, 0) + QLatin1Char(' '); // up to a value
        }
        whole << result.trimmed();
    }
    for (const QString& cell : std::as_const(whole)) {
        EXPECT_TRUE(csv.contains(cell)) << cell.toStdString();
        for (const QString& word : cell.split(QLatin1Char(' '))) { // whole, though wrapped
            EXPECT_TRUE(pdf.contains(word)) << word.toStdString() << "\n" << pdf.toStdString();
        }
    }
    EXPECT_FALSE(pdf.contains(QChar(0x2026)) || pdf.contains(QStringLiteral("...")));
    EXPECT_FALSE(csv.contains(QStringLiteral(",done,")) || csv.contains(QStringLiteral(";done;")));
    EXPECT_EQ(pdf.count(QStringLiteral("A-17 Boulangerie")), 1) << "the order once, in full";
    Key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Station() == nullptr; }));
    QCoreApplication::removeTranslator(&translator);
}

// No prefix: the suite's name names the private settings, and a slash would not do.
INSTANTIATE_TEST_SUITE_P(, StationLanguageTest, testing::Values("de", "pl"));

// A clock whose writes wait while held: the station stays in programming.
class HeldClock : public test::FakeClock {
public:
    std::atomic<bool> held{true};
    void SleepUntil(TimePoint deadline) override {
        while (held) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        FakeClock::SleepUntil(deadline);
    }
};

// Escape at each of the station's questions: No (the default where a Yes
// loses work) goes on, and each question says what becomes of the keyboard.
TEST_F(StationTest, EscapeAsksFirstAndSaysWhatBecomesOfTheKeyboard) {
    auto clock = std::make_shared<HeldClock>();
    const std::shared_ptr<void> release(nullptr, [&](void*) { clock->held = false; });
    tools->SetClock(clock);
    StartBatch(QStringLiteral("3"));
    ASSERT_TRUE(WaitFor(State::Programming));
    EXPECT_TRUE(Station()->KeysLine()->text().contains(UiText(StringId::StationKeysProgramming)));
    dialogs->reply = MessageResult::No;
    questions.clear();
    Key(Qt::Key_Escape);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], UiText(StringId::StationStopQuestion));
    EXPECT_EQ(dialogs->requests.back().defaultAnswer, DefaultAnswer::No);
    EXPECT_EQ(Station()->CurrentState(), State::Programming) << "No goes on";
    dialogs->reply = MessageResult::Yes;
    Key(Qt::Key_Escape);
    clock->held = false;
    ASSERT_TRUE(WaitFor(State::Failed)) << "Yes stops this keyboard, which fails";
    dialogs->reply = MessageResult::No;
    Key(Qt::Key_Escape);
    EXPECT_TRUE(questions.back().endsWith(UiText(StringId::StationEndFailed)));
    EXPECT_EQ(dialogs->requests.back().defaultAnswer, DefaultAnswer::No);
    EXPECT_EQ(Station()->CurrentState(), State::Failed);
    dialogs->reply = MessageResult::Yes; // ended: the failed keyboard is logged as such
    Key(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Station() == nullptr; }));
    ASSERT_EQ(Log().size(), 1u);
    EXPECT_NE(Log()[0].result, "done");
    EXPECT_EQ(Log()[0].place, 1);
    EXPECT_EQ(Log()[0].outcome, BatchOutcome::Failed);
}

// A batch another live process runs is not taken: the window says who holds it.
TEST_F(StationTest, ABatchHeldByAnotherLiveProcessIsNotTaken) {
    RecordResult opened;
    fs::create_directories(fs::path(RecordPath()).parent_path());
    {
        const std::unique_ptr<RecordStore> store = OpenRecordStore(RecordPath(), opened);
        ASSERT_TRUE(store) << opened.English();
        BatchRecord held;
        held.order = "A-17 Boulangerie";
        held.count = 5;
        held.test = BatchTest::ProgrammedKeys;
        held.owner = {HostName(), static_cast<std::int64_t>(getppid()), 0};
        // Opened at another PC, where the layout is another file of the same bytes.
        window->Editor().OnFileSave();
        const std::string saved = window->Editor().Document().filePath;
        held.layoutFile = "/elsewhere/shop.txt";
        held.fileSha256 = LayoutFileSha256(saved);
        held.imageSha256 = ImageSha256OfLayoutFile(saved);
        ASSERT_FALSE(held.fileSha256.empty());
        held.ownerSeenUtcMs = NowUtcMs();
        ASSERT_TRUE(store->CreateBatch(held).Ok());
    }
    questions.clear();
    QTimer::singleShot(50, [] {
        WaitForModalFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A-17 Boulangerie"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Station(), nullptr);
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().contains(QStringLiteral("process %1").arg(getppid())))
        << questions.back().toStdString();
    EXPECT_TRUE(Log().empty()) << "no keyboard was touched";

    // Joined instead, by keys: refused while the window's layout is not the
    // batch's saved one, then a keyboard programmed beside its owner.
    const auto join = [&](bool choose) {
        QTimer::singleShot(50, [choose] {
            WaitForModalFocus();
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            ASSERT_EQ(dialog->objectName(), QStringLiteral("JoinBatchDialog"));
            const auto* list = dialog->findChild<QListWidget*>(QStringLiteral("joinBatches"));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->count(), 1);
            EXPECT_TRUE(
                list->item(0)->text().startsWith(QStringLiteral("A-17 Boulangerie — 0 of 5")))
                << list->item(0)->text().toStdString();
            QTest::keyClick(QApplication::focusWidget(), choose ? Qt::Key_Return : Qt::Key_Escape);
        });
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
    };
    questions.clear();
    window->Editor().Document().dirty = true;
    join(true);
    EXPECT_EQ(Station(), nullptr);
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().contains(QStringLiteral("/elsewhere/shop.txt")))
        << questions.back().toStdString();
    window->Editor().OnFileSave();
    join(false);
    EXPECT_EQ(Station(), nullptr) << "Escape joins nothing";
    join(true);
    ASSERT_NE(Station(), nullptr);
    EXPECT_TRUE(Station()->Joined());

    TypeKeys();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Log().size() == 1; }, 10000));
    EXPECT_EQ(Places(), (std::vector<std::string>{"done A-17 Boulangerie 1/5 test=passed"}));
    // Leaving asks in its own words and leaves the batch to its owner.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Station()->CurrentState() == State::Waiting; }));
    questions.clear();
    Key(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Station() == nullptr; }));
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().startsWith(QStringLiteral("Leave the batch?")))
        << questions.back().toStdString();
    std::vector<BatchRecord> open;
    const std::unique_ptr<RecordStore> store = OpenRecordStore(RecordPath(), opened);
    ASSERT_TRUE(store->OpenBatches({}, open).Ok());
    ASSERT_EQ(open.size(), 1u) << "still open for its own station";
    EXPECT_EQ(open[0].owner.pid, static_cast<std::int64_t>(getppid()));
}

// The layout file edited on disk during a batch: the next keyboard is not
// programmed, the batch asks and ends, and what was done stays recorded.
TEST_F(StationTest, ALayoutFileChangedDuringTheBatchStopsIt) {
    StartBatch(QStringLiteral("3"));
    TypeKeys(); // keyboard 1 passes
    {
        std::ofstream edit(window->Editor().Document().filePath, std::ios::app);
        edit << "\n";
    }
    questions.clear();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Station() == nullptr; }, 10000))
        << "the question was answered Yes: the batch ended";
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.front().contains(QStringLiteral("has changed")))
        << questions.front().toStdString();
    const std::vector<RunRecord> runs = Log();
    ASSERT_EQ(runs.size(), 1u) << "the changed file was not programmed";
    EXPECT_EQ(runs[0].outcome, BatchOutcome::Passed);
    RecordResult opened;
    const std::unique_ptr<RecordStore> store = OpenRecordStore(RecordPath(), opened);
    std::vector<BatchRecord> open;
    ASSERT_TRUE(store->OpenBatches({}, open).Ok());
    EXPECT_TRUE(open.empty());
}

// The workshop's server stops while a keyboard waits for its verdict: the
// verdict is kept in the station's own record and said, the station pauses
// before the next keyboard, and Enter sends it once the server is back.
TEST_F(StationTest, AServerThatGoesAwayPausesTheStationAndLosesNoKeyboard) {
    test::PostgresServer& server = test::PostgresServer::Shared();
    if (!server.Running() && server.Why().empty()) {
        ASSERT_TRUE(server.Start());
    }
    if (!server.Running()) {
        GTEST_SKIP() << "no PostgreSQL server for the test: " << server.Why();
    }
    const std::string location = server.NewDatabase();
    KeepRecordSetting(QString::fromStdString(location));
    StartBatch(QStringLiteral("3"));
    TypeKeys();                          // keyboard 1 passes
    ASSERT_TRUE(WaitFor(State::Failed)); // keyboard 2 breaks off
    ASSERT_TRUE(server.Stop());
    questions.clear();
    Key(Qt::Key_Return);
    ASSERT_TRUE(WaitFor(State::Paused));
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().contains(QStringLiteral("is kept in ") +
                                          QString::fromStdString(RecordPath())))
        << questions.back().toStdString();
    EXPECT_TRUE(Station()->StateLine()->text().contains(QStringLiteral("cannot be reached")));
    EXPECT_EQ(Station()->Rows()->count(), 2) << "the kept verdict is counted";
    Key(Qt::Key_Return); // still away: still paused, nothing programmed
    EXPECT_EQ(Station()->CurrentState(), State::Paused);
    ASSERT_TRUE(server.Start());
    Key(Qt::Key_Return);
    ASSERT_TRUE(WaitFor(State::Waiting));
    EXPECT_TRUE(Station()->Rows()->item(2)->text().endsWith(QStringLiteral(": 1.")))
        << Station()->Rows()->item(2)->text().toStdString();
    Key(Qt::Key_Return); // the failed keyboard stays on the station: go on without waiting
    TypeKeys();
    TypeKeys();
    ASSERT_TRUE(WaitFor(State::Complete));
    RecordResult opened;
    const std::unique_ptr<RecordStore> store = OpenRecordStore(location, opened);
    ASSERT_TRUE(store) << opened.English();
    std::vector<std::string> places;
    store->ReadRuns({}, [&](const RunRecord& run) {
        places.push_back(run.result.substr(0, 4) + " " + LogRunOf(run).batch);
        return true;
    });
    EXPECT_EQ(places, (std::vector<std::string>{
                          "done A-17 Boulangerie 1/3 test=passed",
                          "Keyb A-17 Boulangerie 2/3",
                          "done A-17 Boulangerie 2/3 test=passed",
                          "done A-17 Boulangerie 3/3 test=passed",
                      }));
    KeepRecordSetting({});
}

// Tools > Records... by keys alone: a password refused in words and never
// kept, the connection test said, Esc keeping the last choice; the window's
// record is the one chosen.
TEST_F(StationTest, TheRecordIsChosenByKeysAndAPasswordIsNeverKept) {
    const auto records = [&](const std::function<void(RecordsDialog&)>& drive) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTimer::singleShot(50, [drive] {
            // A loaded machine may show the dialog after the timer.
            EXPECT_TRUE(QTest::qWaitFor([] {
                return qobject_cast<RecordsDialog*>(QApplication::activeModalWidget()) != nullptr;
            }));
            auto* dialog = qobject_cast<RecordsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ASSERT_TRUE(QTest::qWaitFor([dialog] {
                const QWidget* focus = QApplication::focusWidget();
                return focus && focus->window() == dialog;
            }));
            drive(*dialog);
        });
        QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, QKeySequence::mnemonic(UiText(StringId::MenuRecords))[0].key());
    };
    const auto press = [](RecordsDialog& dialog, StringId label) {
        QTest::keyClick(QApplication::focusWidget(), QKeySequence::mnemonic(UiText(label))[0].key(),
                        Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->window(), &dialog);
        // An access key clicks its button a moment later, as a mouse would.
        EXPECT_TRUE(QTest::qWaitFor([] {
            const auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
            return button == nullptr || !button->isDown();
        }));
    };
    const QString unreachable = QStringLiteral("postgresql://station@/none?host=") +
                                folder.filePath(QStringLiteral("no-server"));
    records([&](RecordsDialog& dialog) {
        press(dialog, StringId::RecordsOnServer);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(),
                         QStringLiteral(" postgresql://u:s3cret@h/db"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "a password is never accepted";
        EXPECT_TRUE(dialog.Said().contains(QStringLiteral("postgresql://u@h/db")))
            << dialog.Said().toStdString();
        EXPECT_FALSE(dialog.Said().contains(QStringLiteral("s3cret")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), unreachable);
        press(dialog, StringId::RecordsTest);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !dialog.Said().isEmpty() && !dialog.Testing(); }, 20000));
        EXPECT_TRUE(dialog.Said().contains(QStringLiteral("cannot be reached")))
            << dialog.Said().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(RecordSetting(), unreachable);
    // Esc keeps the server; the window's batches go to it and say why they cannot.
    records([&](RecordsDialog& dialog) {
        press(dialog, StringId::RecordsBesideLog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(RecordSetting(), unreachable);
    questions.clear();
    QTimer::singleShot(50, [] {
        WaitForModalFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A-18"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Station(), nullptr);
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().contains(QStringLiteral("cannot be reached")))
        << questions.back().toStdString();
    // Back to the file beside the log: its test says it can be used.
    records([&](RecordsDialog& dialog) {
        press(dialog, StringId::RecordsBesideLog);
        press(dialog, StringId::RecordsTest);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !dialog.Said().isEmpty() && !dialog.Testing(); }, 20000));
        EXPECT_TRUE(dialog.Said().contains(QStringLiteral("can be used")))
            << dialog.Said().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(RecordSetting(), QString());
    EXPECT_FALSE(QSettings().contains(QStringLiteral("records/location")));
}

// Another station's keyboard of the batch in the record: the place line says
// the batch's progress from both, and the record cannot be changed meanwhile.
TEST_F(StationTest, ThePlaceLineCountsTheKeyboardsOfEveryStation) {
    StartBatch(QStringLiteral("5"));
    RecordResult opened;
    const std::unique_ptr<RecordStore> store = OpenRecordStore(RecordPath(), opened);
    ASSERT_TRUE(store) << opened.English();
    RunRecord other;
    other.process = {"other-station", 4242, 1};
    other.order = "A-17 Boulangerie";
    ASSERT_TRUE(store->BeginRun(other).Ok());
    other.state = RunState::Finished;
    other.result = "done";
    other.keyTest = KeyTestOutcome::Passed;
    other.outcome = BatchOutcome::Passed;
    ASSERT_TRUE(store->UpdateRun(other).Ok());
    TypeKeys(); // this station's first keyboard passes
    const auto* place = Station()->findChild<QLabel*>(QStringLiteral("stationPlace"));
    ASSERT_NE(place, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return place->text() == QStringLiteral("Keyboard 3 of 5 — 2 stations"); }, 10000))
        << place->text().toStdString();
    questions.clear();
    tools->ChooseRecord();
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().contains(QStringLiteral("Close the station")));
    // This station's next keyboard fails and stays on it; the other station
    // passes the last three, and this one, waiting, says the batch is
    // complete and closes it in the record.
    ASSERT_TRUE(WaitFor(State::Failed));
    Key(Qt::Key_Return);
    for (int next = 3; next <= 5; ++next) {
        RunRecord more = other;
        more.id = 0;
        ASSERT_TRUE(store->BeginRun(more).Ok());
        EXPECT_EQ(more.place, next);
        more.state = RunState::Finished;
        more.outcome = BatchOutcome::Passed;
        ASSERT_TRUE(store->UpdateRun(more).Ok());
    }
    ASSERT_TRUE(WaitFor(State::Complete));
    std::vector<BatchRecord> open;
    ASSERT_TRUE(store->OpenBatches({}, open).Ok());
    EXPECT_TRUE(open.empty());
}

} // namespace
} // namespace vorlan
