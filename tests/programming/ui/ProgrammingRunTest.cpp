// The programming run in the main window, with an emulated keyboard, its
// fault injection and a clock that never waits: the temporary file, the
// progress dialog and its worker, the engine's messages, a stop by Escape or
// the close box, and the emulated keyboard named in the title.
#include "app/AppOptions.h"
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "layout/ProgrammingFile.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ProgrammingTestSupport.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
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

struct ShownMessage {
    MessageRequest request;
    bool dialogVisible = false;
    bool mainWindowEnabled = true;
};

// What the window looked like while the worker was writing.
struct DuringRun {
    bool dialogVisible = false;
    bool dialogEnabled = false;
    bool mainWindowEnabled = true;
    bool cancelVisible = false;
    bool cancelEnabled = true;
    bool okVisible = true;
};

class ProgrammingRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
        QCoreApplication::setApplicationName(QStringLiteral("vorlan_programming_ui_test_%1")
                                                 .arg(QCoreApplication::applicationPid()));
        QSettings().clear();
        ASSERT_TRUE(folder.isValid());
        keptCurrent = QDir::currentPath();
        QDir::setCurrent(folder.path());
        // The run's file lies in the temporary folder: this test's own.
        keptTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", folder.path().toLocal8Bit());

        SetMessageHandler([this](const MessageRequest& r) {
            messages.push_back({r, dialog->isVisible(), window->isEnabled()});
            return MessageResult::Ok;
        });
        window = std::make_unique<MainDialog>();
        dialog = ProgrammingDialogOf(window.get());
        ASSERT_NE(dialog, nullptr);
        // The log of these runs stays in the test's folder, and the question
        // after a good run is answered "Close" instead of waiting for a user.
        VerifyTools* tools = VerifyToolsOf(window.get());
        ASSERT_NE(tools, nullptr);
        tools->SetLogPath(folder.filePath(QStringLiteral("programming.log")));
        tools->runDoneDialog = [](QDialog&) {};
        UseEmulator(1);
    }

    void TearDown() override {
        window.reset();
        SetMessageHandler({});
        QDir::setCurrent(keptCurrent);
        qputenv("TMPDIR", keptTemp);
    }

    void UseEmulator(int type, EmulatorFaults faults = {}) {
        keyboard = std::make_shared<EmulatedKeyboard>(type, faults);
        dialog->SetKeyboard(keyboard, std::make_shared<test::FakeClock>());
        dialog->SetDeviceName(QStringLiteral("emulator:%1").arg(type));
    }

    LayoutDocument& Doc() { return window->Editor().Document(); }

    void Program(int k, std::initializer_list<std::uint32_t> codes) {
        std::size_t i = 0;
        for (std::uint32_t c : codes) {
            Doc().keys[static_cast<std::size_t>(k)].codes[i++] = c;
        }
        Doc().spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
    }

    QAction* ProgrammingAction() const {
        return window->findChild<QAction*>(QStringLiteral("actionProgramming"));
    }

    // Gives the command and waits for the run, if one started, to end.
    void RunProgramming() {
        QSignalSpy finished(dialog, &ProgrammingDialog::RunFinished);
        ProgrammingAction()->trigger();
        if (dialog->IsRunning()) {
            ASSERT_TRUE(finished.wait(20000));
        }
        ASSERT_FALSE(dialog->IsRunning());
    }

    // Runs f on the window's thread while the worker waits (from a keyboard hook).
    void OnWindowThread(const std::function<void()>& f) {
        QMetaObject::invokeMethod(dialog, f, Qt::BlockingQueuedConnection);
    }

    // The image the engine should send for the file the run wrote (kept.txt,
    // a copy the test takes while the run goes on).
    std::vector<std::uint8_t> ImageOfKeptFile() {
        std::ifstream in("kept.txt");
        DeviceImage image;
        EXPECT_EQ(BuildDeviceImage(in, image), ImageOk);
        ExchangeImageHalves(image.bytes, image.typeNumber);
        return image.bytes;
    }

    // The run's file in the temporary folder; empty when there is none.
    std::string RunFile() const {
        for (const auto& entry : std::filesystem::directory_iterator(ToStd(folder.path()))) {
            if (entry.path().filename().string().starts_with(kProgrammingFilePrefix)) {
                return entry.path().string();
            }
        }
        return {};
    }
    bool RunFileExists() const { return !RunFile().empty(); }
    static std::string ToStd(const QString& path) { return QFile::encodeName(path).toStdString(); }

    void ExpectIdleAfterRun() {
        EXPECT_TRUE(window->isEnabled());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_FALSE(RunFileExists());
        EXPECT_FALSE(keyboard->IsOpen());
        EXPECT_EQ(keyboard->OpenCount(), keyboard->CloseCount());
        EXPECT_TRUE(keyboard->ProtocolErrors().empty());
    }

    QTemporaryDir folder;
    QString keptCurrent;
    QByteArray keptTemp;
    std::unique_ptr<MainDialog> window;
    ProgrammingDialog* dialog = nullptr;
    std::shared_ptr<EmulatedKeyboard> keyboard;
    std::vector<ShownMessage> messages;
};

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
    ASSERT_TRUE(keyboard->ReceivedImage(57, decoded));

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

struct FailureCase {
    const char* name;
    int keyboardType;
    EmulatorFaults faults;
    const char* message;
    std::size_t bytesReceived;
};

class ProgrammingFailureTest : public ProgrammingRunTest,
                               public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ProgrammingFailureTest, EngineMessageIsAnErrorBoxShownBeforeTheWindowIsFreed) {
    const FailureCase& c = GetParam();
    UseEmulator(c.keyboardType, c.faults);
    Program(3, {30});
    window->show();

    RunProgramming();

    ASSERT_EQ(messages.size(), 1u);
    const ShownMessage& shown = messages[0];
    EXPECT_EQ(shown.request.text, QString::fromLatin1(c.message));
    EXPECT_EQ(shown.request.caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.request.icon, MessageIcon::Stop);
    EXPECT_EQ(shown.request.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.request.parent, dialog);
    EXPECT_TRUE(shown.dialogVisible);
    EXPECT_FALSE(shown.mainWindowEnabled);
    ExpectIdleAfterRun();
    EXPECT_EQ(keyboard->Received().size(), c.bytesReceived);
}

EmulatorFaults Missing() {
    EmulatorFaults f;
    f.deviceMissing = true;
    return f;
}
EmulatorFaults FailAt(std::size_t byte) {
    EmulatorFaults f;
    f.failWriteAt = byte;
    return f;
}
EmulatorFaults Answer(std::uint8_t type) {
    EmulatorFaults f;
    f.typeAnswer = type;
    return f;
}
EmulatorFaults Options(std::string_view options) {
    EmulatorFaults f;
    EXPECT_TRUE(ParseEmulatorFaults(options, f)) << options;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ProgrammingFailureTest,
    ::testing::Values(
        FailureCase{"NoDevice", 1, Missing(),
                    "Vorlan driver error.\n\nThe keyboard's device emulator:1 could not be opened. "
                    "Check that the keyboard is connected, that its driver is installed and "
                    "that you may use the device.",
                    0},
        FailureCase{
            "Mismatch",
            2,
            {},
            "File format mismatch.\n\nThe layout is for a keyboard of 56 keys (16scan); the "
            "keyboard attached is a double keyboard (type 2).\n\nOpen a 16scan layout of "
            "112 keys, or change the keyboard type in File > Settings.",
            0},
        FailureCase{"UnknownType", 1, Answer(3),
                    "Invalid keyboard type detected.\n\nThe keyboard answered with a type this "
                    "program does not know. Check that a Vorlan keyboard is attached.",
                    0},
        FailureCase{"FailsAtByte10", 1, FailAt(10),
                    "Keyboard programming error.\n\n9 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    9},
        FailureCase{"FailsAtLastByte", 1, FailAt(1014),
                    "Keyboard programming error.\n\n1013 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    1013},
        FailureCase{"StopsAnswering", 1, Options("hang-at=10,timeout=20"),
                    "The keyboard stopped answering.\n\n9 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    9},
        FailureCase{"TooSlow", 1, Options("slow=50,timeout=10"),
                    "The keyboard stopped answering.\n\n0 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    0},
        FailureCase{"Unplugged", 1, Options("vanish-at=500"),
                    "The keyboard was disconnected.\n\n499 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    499}),
    [](const ::testing::TestParamInfo<FailureCase>& test) { return test.param.name; });

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

    EXPECT_TRUE(messages.empty());
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
    EXPECT_TRUE(messages.empty());
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
    SetMessageHandler([this](const MessageRequest& r) {
        messages.push_back({r, dialog->isVisible(), window->isEnabled()});
        return MessageResult::No;
    });
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

TEST(AppOptions, EmulateTakesAKeyboardTypeOfZeroToTwo) {
    const QString program = QStringLiteral("/bin/vorlan");
    const auto parse = [&](QStringList args) {
        args.prepend(program);
        return ParseAppOptions(args, program);
    };
    EXPECT_EQ(parse({QStringLiteral("--emulate"), QStringLiteral("0")}).emulatedKeyboard, 0);
    EXPECT_EQ(parse({QStringLiteral("--emulate"), QStringLiteral("2")}).emulatedKeyboard, 2);
    EXPECT_FALSE(parse({}).emulatedKeyboard.has_value());
    EXPECT_TRUE(parse({}).error.isEmpty());
    for (const QStringList& bad :
         {QStringList{QStringLiteral("--emulate")},
          QStringList{QStringLiteral("--emulate"), QStringLiteral("3")},
          QStringList{QStringLiteral("--emulate"), QStringLiteral("12")}}) {
        const AppOptions options = parse(bad);
        EXPECT_FALSE(options.emulatedKeyboard.has_value())
            << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(options.error.isEmpty());
    }
    EXPECT_EQ(parse({QStringLiteral("layout.txt")}).layoutPath, QStringLiteral("layout.txt"));
    EXPECT_FALSE(parse({QStringLiteral("layout.txt"), QStringLiteral("more.txt")}).error.isEmpty());

    const AppOptions received = parse({QStringLiteral("--emulate"), QStringLiteral("1"),
                                       QStringLiteral("--received"), QStringLiteral("r.bin")});
    EXPECT_EQ(received.receivedPath, QStringLiteral("r.bin"));
    EXPECT_TRUE(received.error.isEmpty());
    // Bytes can only be received by the emulated keyboard.
    EXPECT_FALSE(parse({QStringLiteral("--received"), QStringLiteral("r.bin")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("--received")}).error.isEmpty());
    EXPECT_TRUE(parse({QStringLiteral("--version")}).showVersion);
    EXPECT_TRUE(parse({QStringLiteral("--help")}).showHelp);

    // The emulated keyboard's faults, as vorlanctl program takes them.
    const AppOptions slow = parse({QStringLiteral("--emulate"), QStringLiteral("2,slow=20")});
    EXPECT_EQ(slow.emulatedKeyboard, 2);
    EXPECT_EQ(slow.faults.slow, std::chrono::milliseconds(20));
    EXPECT_TRUE(slow.error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("--emulate"), QStringLiteral("2,bogus=1")}).error.isEmpty());
    // "--" ends the options: a file whose name starts with "-" can be opened.
    EXPECT_EQ(parse({QStringLiteral("--"), QStringLiteral("-odd.txt")}).layoutPath,
              QStringLiteral("-odd.txt"));
}

} // namespace
} // namespace vorlan
