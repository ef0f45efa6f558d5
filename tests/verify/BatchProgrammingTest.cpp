// The batch loop of the main window: program, test, program the next
// keyboard, each run in the record beside the programming log.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"
#include "testing/KeyTestLayout.h"
#include "testing/MainWindowFixture.h"
#include "testing/ProgrammingTestSupport.h"
#include "verify/KeyTestSession.h"
#include "verify/ProgrammingLog.h"
#include "verify/Sha256.h"
#include "verify/ui/KeyTestView.h"
#include "verify/ui/ProgrammingLogWindow.h"
#include "verify/ui/VerifyTools.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

using namespace test;

class BatchProgrammingTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        keptCurrent = QDir::currentPath();
        QDir::setCurrent(folder.path());
        window = std::make_unique<MainDialog>(dialogs);
        tools = VerifyToolsOf(window.get());
        ASSERT_NE(tools, nullptr);
        tools->SetLogPath(folder.filePath(QStringLiteral("log/programming.log")));
        dialog = ProgrammingDialogOf(window.get());
        UseEmulator(1);
        ProgramTestKeys(window->Editor().Document());
        window->Editor().Document().filePath = "/layouts/shop.txt";
    }
    void TearDown() override {
        window.reset();
        MainWindowTest::TearDown();
        QDir::setCurrent(keptCurrent);
    }
    void UseEmulator(int type) {
        keyboard = std::make_shared<EmulatedKeyboard>(type);
        dialog->SetKeyboard(keyboard, std::make_shared<test::FakeClock>());
    }
    // Runs the programming command and every run it leads to.
    void ProgramAndFollow(int runs) {
        QSignalSpy finished(dialog, &ProgrammingDialog::RunFinished);
        window->findChild<QAction*>(QStringLiteral("actionProgramming"))->trigger();
        while (finished.count() < runs) {
            ASSERT_TRUE(finished.wait(20000));
        }
        QTest::qWait(20); // the dialog after the last run
    }
    QString RecordPath() const { return folder.filePath(QStringLiteral("log/records.db")); }
    // The record as another program reads it, each run as the log's line.
    std::vector<ProgrammingRun> Log() const {
        RecordResult opened;
        const std::unique_ptr<RecordStore> store =
            OpenRecordStore(RecordPath().toStdString(), opened);
        EXPECT_TRUE(store) << opened.English();
        std::vector<ProgrammingRun> runs;
        if (store) {
            store->ReadRuns({}, [&](const RunRecord& run) {
                runs.push_back(LogRunOf(run));
                return true;
            });
        }
        return runs;
    }

    QTemporaryDir folder;
    QString keptCurrent;
    std::unique_ptr<MainDialog> window;
    VerifyTools* tools = nullptr;
    ProgrammingDialog* dialog = nullptr;
    std::shared_ptr<EmulatedKeyboard> keyboard;
};

TEST_F(BatchProgrammingTest, ProgramsTestsAndProgramsTheNextKeyboardLoggingEachRun) {
    int doneDialogs = 0;
    int tested = 0;
    tools->runKeyTest = [&](KeyTestView& view) {
        for (int slot = 1; slot <= 6; ++slot) {
            view.ClickSlot(slot);
        }
        view.EndPendingSequence();
        tested = view.Session().TestedCount();
    };
    tools->runDoneDialog = [&](QDialog& done) {
        ++doneDialogs;
        EXPECT_TRUE(done.findChild<QLabel*>(QStringLiteral("doneText"))
                        ->text()
                        .contains(QString::number(doneDialogs)));
        if (doneDialogs == 1) {
            done.findChild<QPushButton*>(QStringLiteral("doneTest"))->click();
        }
        done.findChild<QPushButton*>(doneDialogs < 3 ? QStringLiteral("doneNext")
                                                     : QStringLiteral("doneClose"))
            ->click();
    };
    ProgramAndFollow(3);
    EXPECT_EQ(doneDialogs, 3);
    EXPECT_EQ(tested, 6);
    EXPECT_EQ(tools->KeyboardsDone(), 3);
    EXPECT_EQ(keyboard->TypeRequestCount(), 3) << "each keyboard's type is asked";
    EXPECT_TRUE(messages.isEmpty());

    const std::vector<ProgrammingRun> log = Log();
    ASSERT_EQ(log.size(), 3u);
    for (const ProgrammingRun& run : log) {
        EXPECT_EQ(run.layoutFile, "/layouts/shop.txt");
        EXPECT_EQ(run.imageSha256.size(), 64u);
        EXPECT_EQ(run.keyboardType, 1);
        EXPECT_EQ(run.bytesWritten, 1014u);
        EXPECT_EQ(run.result, "done");
    }
    window->findChild<QAction*>(QStringLiteral("actionProgrammingLog"))->trigger();
    auto* logWindow = window->findChild<ProgrammingLogWindow*>();
    ASSERT_NE(logWindow, nullptr);
    EXPECT_EQ(logWindow->CopyText().count(QLatin1Char('\n')), 3);
    EXPECT_TRUE(logWindow->CopyText().contains(QStringLiteral("/layouts/shop.txt")));
    for (const QString& file :
         QDir(folder.filePath(QStringLiteral("log"))).entryList(QDir::Files | QDir::Hidden)) {
        EXPECT_TRUE(file.startsWith(QStringLiteral("records.db"))) << file.toStdString();
    }
}

// A record that cannot take the run (here a folder where its file should
// be): the keyboard is not touched and the message says why; the log window
// says it too instead of an empty list.
TEST_F(BatchProgrammingTest, ARunTheRecordCannotTakeDoesNotStart) {
    ASSERT_TRUE(QDir().mkpath(RecordPath()));
    QSignalSpy started(dialog, &ProgrammingDialog::RunEnded);
    window->findChild<QAction*>(QStringLiteral("actionProgramming"))->trigger();
    QTest::qWait(50);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(keyboard->TypeRequestCount(), 0) << "the keyboard was not asked anything";
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(
        messages[0].startsWith(UiText(StringId::RecordRunRefused).section(QLatin1Char(':'), 0, 0)))
        << messages[0].toStdString();
    EXPECT_TRUE(window->isEnabled());
    tools->OpenLog();
    auto* logWindow = window->findChild<ProgrammingLogWindow*>();
    ASSERT_NE(logWindow, nullptr);
    EXPECT_TRUE(logWindow->CopyText().isEmpty());
    logWindow->close();
}

// A run that died without its line (the window killed, a power cut) left its
// marker beside the log: the window's next start logs it as interrupted.
TEST_F(BatchProgrammingTest, TheNextStartLogsARunThatDiedWithoutItsLine) {
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    ASSERT_TRUE(data.mkpath(QStringLiteral(".")));
    QFile log(data.filePath(QStringLiteral("programming.log")));
    log.remove();
    ProgrammingRun died;
    died.dateTime = "2026-12-01 10:00:00";
    died.layoutFile = "/layouts/shop.txt";
    died.result = "interrupted (bytes written not known)";
    // Process 0 is no program's: its run is over.
    QFile marker(data.filePath(QStringLiteral(".programming.log.run-0-0123456789abcdef")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write(QByteArray::fromStdString(FormatLogLine(died) + "\n"));
    marker.close();
    window.reset();
    window = std::make_unique<MainDialog>();
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().toStdString(), FormatLogLine(died) + "\n");
    EXPECT_FALSE(marker.exists());
    log.remove();
}

TEST_F(BatchProgrammingTest, AFailedRunIsLoggedWithItsMessageAndOffersNoNextKeyboard) {
    UseEmulator(2); // a double keyboard for a 56-key layout
    int doneDialogs = 0;
    tools->runDoneDialog = [&](QDialog&) { ++doneDialogs; };
    ProgramAndFollow(1);
    EXPECT_EQ(doneDialogs, 0);
    const std::vector<ProgrammingRun> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].result, "File format mismatch.");
    EXPECT_EQ(log[0].keyboardType, 2);
    EXPECT_EQ(log[0].bytesWritten, 0u);
}

// A run of a layout with unsaved changes names the file with "(unsaved
// changes)" and the digest of the image actually sent; so does the done
// window. A layout never saved is an "unsaved layout".
TEST_F(BatchProgrammingTest, TheLogNamesUnsavedChangesAndTheImageSent) {
    LayoutDocument& doc = window->Editor().Document();
    doc.MarkDirty();
    QString doneText;
    tools->runDoneDialog = [&](QDialog& done) {
        doneText = done.findChild<QLabel*>(QStringLiteral("doneText"))->text();
        done.reject();
    };
    ProgramAndFollow(1);
    std::vector<std::uint8_t> image;
    ASSERT_TRUE(ImageOfLayoutText(FormatLayout(doc, KeyboardVariant::SixteenScan), image));
    std::vector<ProgrammingRun> log = Log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].layoutFile, "/layouts/shop.txt (unsaved changes)");
    EXPECT_EQ(log[0].imageSha256, Sha256Hex(image));
    EXPECT_TRUE(doneText.endsWith(QStringLiteral("\nLayout: /layouts/shop.txt (unsaved changes)")))
        << doneText.toStdString();

    doc.filePath.clear();
    ProgramAndFollow(1);
    log = Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].layoutFile, "unsaved layout");
    EXPECT_TRUE(doneText.endsWith(QStringLiteral("\nLayout: unsaved layout")));
}

// The line is in the log while the error message is still on the screen, so
// a program killed then has still logged what reached the keyboard.
TEST_F(BatchProgrammingTest, AFailedRunIsLoggedBeforeItsMessageIsShown) {
    UseEmulator(2);
    std::size_t linesWhileShown = 0;
    dialogs->answer = [&](const MessageRequest&) {
        linesWhileShown = Log().size();
        return MessageResult::Ok;
    };
    ProgramAndFollow(1);
    EXPECT_EQ(linesWhileShown, 1u);
}

TEST_F(BatchProgrammingTest, ToolsMenuStandsBeforeHelp) {
    QStringList titles;
    for (QAction* a : window->menuBar()->actions()) {
        titles << a->text();
    }
    EXPECT_EQ(titles.indexOf(QStringLiteral("&Tools")) + 1,
              titles.indexOf(QStringLiteral("&Help")));
    EXPECT_EQ(tools->TestAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
}

} // namespace
} // namespace vorlan
