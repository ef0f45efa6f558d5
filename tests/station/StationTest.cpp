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
#include "station/BatchReport.h"
#include "station/BatchStateFile.h"
#include "station/StationRules.h"
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
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>
#include <thread>

namespace vorlan {
namespace {

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
    std::vector<ProgrammingRun> Log() const {
        QFile file(LogPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return ParseLog(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
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
        for (const ProgrammingRun& run : Log()) {
            fields.push_back(run.result.substr(0, 4) + " " + run.batch);
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
    EXPECT_EQ(LogFolder(), QStringList{QStringLiteral("programming.log")})
        << "a finished batch leaves no state, and each keyboard's run marker went with its line";
    const BatchReport report = ReportFromLog(Log(), "A-17 Boulangerie", "here");
    EXPECT_EQ(std::tuple(report.passed, report.failed, report.setAside), std::tuple(5, 1, 1));
    Key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Station() == nullptr; }));
}

TEST_F(StationTest, ACrashDuringATestIsResumedAtTheNextStart) {
    StartBatch(QStringLiteral("2"));
    TypeKeys();
    ASSERT_TRUE(WaitFor(State::Failed));
    Key(Qt::Key_R);
    ASSERT_TRUE(WaitFor(State::Testing));
    const QString statePath = Station()->StatePath();
    window.reset(); // the program stops here, the keyboard half tested
    EXPECT_EQ(LogFolder(),
              (QStringList{QFileInfo(statePath).fileName(), QStringLiteral("programming.log")}))
        << "the state file holds the keyboard's line, not a run marker too";
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
    const std::vector<ProgrammingRun> runs = Log();
    QStringList whole{UiText(StringId::StationRowFailed), UiText(StringId::StationRowSetAside),
                      UiText(StringId::ReportColumnOutcome), UiText(StringId::LogColumnResult)};
    for (const ProgrammingRun& run : runs) {
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
    EXPECT_EQ(ParseBatchField(Log()[0].batch)->place, 1);
}

} // namespace
} // namespace vorlan
