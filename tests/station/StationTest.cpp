// A batch at the station through the real main window and key events only:
// the emulated keyboards arrive late, are taken away after each write, one
// fails and is retried, one is set aside; a crash in the middle is resumed.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "records/RecordPolicy.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"
#include "station/BatchReport.h"
#include "station/ui/StationTools.h"
#include "station/ui/StationView.h"
#include "testing/KeyTestLayout.h"
#include "testing/MainWindowFixture.h"
#include "testing/ProgrammingTestSupport.h"
#include "verify/ui/KeyTestView.h"
#include "verify/ui/VerifyTools.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

using State = StationView::State;

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
        return QTest::qWaitFor([&] { return Station() && Station()->CurrentState() == state; },
                               10000);
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
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A-17 Boulangerie"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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
        held.owner = {HostName(), static_cast<std::int64_t>(getppid()), 0};
        held.ownerSeenUtcMs = NowUtcMs();
        ASSERT_TRUE(store->CreateBatch(held).Ok());
    }
    questions.clear();
    QTimer::singleShot(50, [] {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A-17 Boulangerie"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Station(), nullptr);
    ASSERT_FALSE(questions.isEmpty());
    EXPECT_TRUE(questions.back().contains(QStringLiteral("process %1").arg(getppid())))
        << questions.back().toStdString();
    EXPECT_TRUE(Log().empty()) << "no keyboard was touched";
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

} // namespace
} // namespace vorlan
