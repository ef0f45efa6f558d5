// The programming run in the main window, with an emulated keyboard and a
// clock that never waits: the temporary file, the progress dialog and its
// worker, a stop by Escape or the close box, and the emulated keyboard named
// in the title (the engine's messages: ProgrammingFailureTest).
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "layout/ProgrammingFile.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "testing/ProgrammingRunFixture.h"
#include "testing/ProgrammingTestSupport.h"
#include "verify/ui/VerifyTools.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace vorlan {
namespace {

using namespace test;

TEST_F(ProgrammingRunTest, DialogHasItsCaptionBarAndButtons) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Programming..."));
    EXPECT_EQ(dialog->ProgressBar()->minimum(), 0);
    EXPECT_EQ(dialog->ProgressBar()->maximum(), 100);
    // The bar counts steps, not a share of the image: a 450-byte image fills
    // it before its write ends, so a "100%" would tell the user a lie.
    EXPECT_FALSE(dialog->ProgressBar()->isTextVisible());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->CancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_FALSE(dialog->CancelButton()->isEnabled());
    EXPECT_FALSE(dialog->OkButton()->isVisibleTo(dialog));

    // Bar and lines inside the frame, one below the other; Cancel alone at
    // the bottom right, below all of them, and nothing outside the window.
    const QRect frame = dialog->findChild<QWidget*>(QStringLiteral("runFrame"))->geometry();
    const QRect cancel = dialog->CancelButton()->geometry();
    QRect above = dialog->ProgressBar()->geometry();
    EXPECT_TRUE(frame.contains(above));
    for (const char* name : {"layoutLine", "keyboardLine", "bytesLine"}) {
        const QRect line = dialog->findChild<QLabel*>(QLatin1String(name))->geometry();
        EXPECT_GT(line.top(), above.bottom()) << name;
        EXPECT_TRUE(frame.contains(line)) << name;
        above = line;
    }
    EXPECT_GT(cancel.top(), frame.bottom());
    EXPECT_GT(cancel.left(), dialog->width() / 2);
    EXPECT_EQ(dialog->width() - cancel.right() - 1, frame.left());
    EXPECT_TRUE(dialog->rect().contains(cancel));
    const auto* escape = dialog->findChild<QLabel*>(QStringLiteral("escapeHint"));
    ASSERT_NE(escape, nullptr);
    EXPECT_TRUE(escape->text().startsWith(QStringLiteral("Escape stops the run")));
    EXPECT_LT(escape->geometry().bottom(), cancel.top());
}

TEST_F(ProgrammingRunTest, SuccessfulRunSendsTheImageOfTheLayoutAndLeavesNothingBehind) {
    Program(1, {28, 50});
    Program(2, {224, 117});
    Program(56, {41});
    Doc().filePath = "/somewhere/layout.txt";
    Doc().dirty = true;
    window->show();

    // The name the main window gives the layout, as its title shows it.
    window->setWindowFilePath(QStringLiteral("/somewhere/layout.txt"));
    QStringList lines;
    DuringRun during;
    // How many bar moves the window's thread had made when each byte was sent.
    std::atomic<int> barMoves{0};
    std::vector<int> movesAtByte;
    QObject::connect(dialog->ProgressBar(), &QProgressBar::valueChanged, dialog,
                     [&barMoves] { ++barMoves; });
    keyboard->SetAfterWrite([&](std::size_t count) {
        movesAtByte.push_back(barMoves.load());
        if (count == 1) {
            const std::string run = RunFile();
            // Private to the user: no one else reads the layout on its way.
            EXPECT_EQ(std::filesystem::status(run).permissions() & std::filesystem::perms::all,
                      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
            std::filesystem::copy_file(run, "kept.txt");
        }
        if (count == 300) {
            OnWindowThread([&] {
                during = {dialog->isVisible(),
                          dialog->isEnabled(),
                          window->isEnabled(),
                          dialog->CancelButton()->isVisible(),
                          dialog->CancelButton()->isEnabled(),
                          dialog->OkButton()->isVisible()};
                for (const char* name : {"layoutLine", "keyboardLine", "bytesLine"}) {
                    lines << dialog->findChild<QLabel*>(QLatin1String(name))->text();
                }
            });
        }
    });

    RunProgramming();

    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(during.dialogVisible);
    EXPECT_TRUE(during.dialogEnabled);
    EXPECT_FALSE(during.mainWindowEnabled);
    EXPECT_TRUE(during.cancelVisible);
    EXPECT_FALSE(during.cancelEnabled);
    EXPECT_FALSE(during.okVisible);
    // The window's lines mid-run: the layout, the keyboard, the bytes sent.
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Layout: /somewhere/layout.txt"));
    EXPECT_EQ(lines[1], QStringLiteral("Keyboard: single, 56 keys (type 1)"));
    const QRegularExpressionMatch bytes =
        QRegularExpression(QStringLiteral("^(\\d+) of 1014 bytes sent, about \\d+ s left$"))
            .match(lines[2]);
    ASSERT_TRUE(bytes.hasMatch()) << lines[2].toStdString();
    EXPECT_GT(bytes.captured(1).toInt(), 250);
    EXPECT_LE(bytes.captured(1).toInt(), 300);
    ExpectIdleAfterRun();
    EXPECT_EQ(Doc().filePath, "/somewhere/layout.txt");
    EXPECT_TRUE(Doc().dirty);

    const std::vector<std::uint8_t> image = ImageOfKeptFile();
    ASSERT_EQ(image.size(), 1014u);
    EXPECT_EQ(keyboard->Received(), image);
    DecodedImage decoded;
    ASSERT_TRUE(keyboard->ReceivedImage(LayoutType::Single16, decoded));

    // Every step was taken by the window before the write went on.
    const int size = static_cast<int>(image.size());
    const int step = ProgressStepOf(size);
    ASSERT_EQ(movesAtByte.size(), image.size());
    int announced = 0;
    for (int i = 0; i < size; ++i) {
        if ((size - i) % step == 0) {
            ++announced;
        }
        // The bar stops at 100, so later steps do not move it.
        ASSERT_EQ(movesAtByte[static_cast<std::size_t>(i)], std::min(announced, 100)) << i;
    }
    EXPECT_EQ(dialog->ProgressBar()->value(), 100);
}

TEST_F(ProgrammingRunTest, LayoutWithoutProgrammedKeyShowsTheWritersMessageAndStartsNoRun) {
    QSignalSpy finished(dialog, &ProgrammingDialog::RunFinished);
    ProgrammingAction()->trigger();

    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->isEnabled());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].request.text, QStringLiteral("The file contains no programmed key"));
    EXPECT_EQ(messages[0].request.caption, QStringLiteral("Error"));
    EXPECT_EQ(keyboard->OpenAttempts(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(ProgrammingRunTest, UnwritableTemporaryFolderShowsAMessageAndKeepsThePath) {
    qputenv("TMPDIR", (folder.path() + QStringLiteral("/missing")).toLocal8Bit());
    // A user's file of the old fixed name is never touched.
    std::ofstream("vorlan.tmp") << "mine";
    Program(1, {28});
    Doc().filePath = "mine.txt";

    ProgrammingAction()->trigger();

    EXPECT_FALSE(dialog->IsRunning());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(window->isEnabled());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].request.text,
              QStringLiteral("The layout for the keyboard could not be written to the temporary "
                             "folder."));
    EXPECT_EQ(Doc().filePath, "mine.txt");
    EXPECT_EQ(keyboard->OpenAttempts(), 0);
    std::ifstream mine("vorlan.tmp");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(mine), {}), "mine");
}

TEST_F(ProgrammingRunTest, SecondRunStartsWithTheBarAtZero) {
    Program(1, {28});
    window->show();
    RunProgramming();
    ASSERT_TRUE(messages.empty());
    // The hidden dialog keeps the last run's position.
    EXPECT_EQ(dialog->ProgressBar()->value(), 100);

    std::vector<int> values;
    QObject::connect(dialog->ProgressBar(), &QProgressBar::valueChanged, dialog,
                     [&values](int v) { values.push_back(v); });
    RunProgramming();

    ASSERT_EQ(values.size(), 101u);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i], static_cast<int>(i));
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(keyboard->Received().size(), 2u * 1014u);
    ExpectIdleAfterRun();
}

// Escape and the close box stop the write between two bytes.
class ProgrammingStopTest : public ProgrammingRunTest,
                            public ::testing::WithParamInterface<bool> {};

TEST_P(ProgrammingStopTest, StopLeavesTheBytesSentSoFarAndClosesTheDevice) {
    const bool byCloseBox = GetParam();
    Program(1, {28});
    window->show();
    keyboard->SetAfterWrite([&](std::size_t count) {
        if (count != 20) {
            return;
        }
        OnWindowThread([&] {
            if (byCloseBox) {
                dialog->close();
            } else {
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
            // The dialog waits for the worker to end.
            EXPECT_TRUE(dialog->isVisible());
        });
    });

    RunProgramming();

    // What the keyboard holds is said while the window still shows the run.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].request.text, QStringLiteral("20 of 1014 bytes were written; the "
                                                       "keyboard will not work until it is "
                                                       "programmed again."));
    EXPECT_TRUE(messages[0].dialogVisible);
    messages.clear();
    EXPECT_EQ(keyboard->Received().size(), 20u);
    ExpectIdleAfterRun();

    // The next run is a whole one again.
    keyboard->SetAfterWrite({});
    RunProgramming();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(keyboard->Received().size(), 20u + 1014u);
}

// A keyboard that no longer answers holds its request until the driver's
// timeout; Escape must not wait for that.
TEST_F(ProgrammingRunTest, EscapeEndsARunWhoseKeyboardStoppedAnswering) {
    UseEmulator(1, Options("hang-at=20,timeout=600000"));
    Program(1, {28});
    window->show();
    std::atomic<bool> hanging{false};
    keyboard->SetAfterWrite([&](std::size_t count) { hanging = count == 19; });
    QSignalSpy finished(dialog, &ProgrammingDialog::RunFinished);
    ProgrammingAction()->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(hanging.load(), 20000);
    QTest::keyClick(dialog, Qt::Key_Escape);
    ASSERT_TRUE(finished.wait(20000));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].request.text.startsWith(QStringLiteral("19 of 1014 bytes")));
    EXPECT_EQ(keyboard->Received().size(), 19u);
    ExpectIdleAfterRun();
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgrammingStopTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& test) {
                             return test.param ? "CloseBox" : "Escape";
                         });

// The main window is disabled while the keyboard is written; its close box
// (which the window manager still offers) must not drop the layout or end
// the program halfway through the write.
TEST_F(ProgrammingRunTest, ClosingTheMainWindowDuringARunIsRefused) {
    Program(1, {28});
    Doc().filePath = "mine.txt";
    Doc().dirty = true; // a close that went through would ask to save
    window->show();
    bool closed = true;
    keyboard->SetAfterWrite([&](std::size_t count) {
        if (count == 20) {
            OnWindowThread([&] { closed = window->close(); });
        }
    });

    RunProgramming();

    EXPECT_FALSE(closed);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Doc().filePath, "mine.txt");
    EXPECT_TRUE(Doc().dirty);
    EXPECT_EQ(keyboard->Received().size(), 1014u);
    ExpectIdleAfterRun();

    // Once the run is over the window closes as always, with its question
    // (answered No: Ok is no answer to Yes/No/Cancel and keeps the window).
    dialogs->answer = [this](const MessageRequest& r) {
        messages.push_back({r, dialog->isVisible(), window->isEnabled()});
        return MessageResult::No;
    };
    EXPECT_TRUE(window->close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].request.text, QStringLiteral("Do you want to save current file?"));
}

TEST_F(ProgrammingRunTest, WindowGoingAwayDuringARunStopsTheWorker) {
    Program(1, {28});
    window->show();
    std::atomic<bool> reached{false};
    std::atomic<bool> destroying{false};
    // The worker waits at byte 5 until the window is being destroyed; its next
    // progress step then finds no window to move the bar.
    keyboard->SetAfterWrite([&](std::size_t count) {
        if (count == 5) {
            reached = true;
            while (!destroying) {
                std::this_thread::yield();
            }
        }
    });
    ProgrammingAction()->trigger();
    ASSERT_TRUE(dialog->IsRunning());
    QTRY_VERIFY_WITH_TIMEOUT(reached.load(), 20000);
    destroying = true;
    window.reset();

    EXPECT_FALSE(keyboard->IsOpen());
    EXPECT_EQ(keyboard->OpenCount(), keyboard->CloseCount());
    EXPECT_LT(keyboard->Received().size(), 1014u);
    EXPECT_FALSE(RunFileExists());
}

TEST_F(ProgrammingRunTest, EmulatedKeyboardIsNamedInTheTitle) {
    const QString plain = window->windowTitle();
    KeyboardSelection emulated;
    emulated.kind = KeyboardSelection::Kind::Emulator;
    emulated.emulatedType = 2;
    UseKeyboard(window.get(), emulated);

    EXPECT_EQ(window->windowTitle(), plain + QStringLiteral(" [emulated keyboard, type 2]"));
    auto* driver = dynamic_cast<EmulatedKeyboard*>(dialog->Keyboard());
    ASSERT_NE(driver, nullptr);
    EXPECT_EQ(driver->KeyboardType(), 2);

    // The editor's title changes keep the mark.
    window->Editor().OnFileNew();
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" [emulated keyboard, type 2]")));
    EXPECT_EQ(window->windowTitle().count(QStringLiteral("emulated")), 1);

    KeyboardSelection device;
    device.devicePath = "/dev/null-vorlan";
    UseKeyboard(window.get(), device);
    EXPECT_EQ(window->windowTitle(), plain);
    EXPECT_EQ(dynamic_cast<EmulatedKeyboard*>(dialog->Keyboard()), nullptr);
}

} // namespace
} // namespace vorlan
