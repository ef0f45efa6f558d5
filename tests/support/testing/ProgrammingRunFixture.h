// The main window with an emulated keyboard and a clock that never waits,
// for the programming run's tests; messages are recorded, not shown.
#pragma once

#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "layout/ProgrammingFile.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "testing/MainWindowFixture.h"
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
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace vorlan::test {

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

// Faults as `--emulate N,FAULT...` gives them.
inline EmulatorFaults Options(std::string_view options) {
    EmulatorFaults f;
    EXPECT_TRUE(ParseEmulatorFaults(options, f)) << options;
    return f;
}

class ProgrammingRunTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        keptCurrent = QDir::currentPath();
        QDir::setCurrent(folder.path());
        // The run's file lies in the temporary folder: this test's own.
        keptTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", folder.path().toLocal8Bit());

        dialogs->answer = [this](const MessageRequest& r) {
            messages.push_back({r, dialog->isVisible(), window->isEnabled()});
            return MessageResult::Ok;
        };
        window = std::make_unique<MainDialog>(dialogs);
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
        MainWindowTest::TearDown();
        QDir::setCurrent(keptCurrent);
        qputenv("TMPDIR", keptTemp);
    }

    void UseEmulator(int type, EmulatorFaults faults = {}) {
        keyboard = std::make_shared<EmulatedKeyboard>(type, faults);
        dialog->SetKeyboard(keyboard, std::make_shared<FakeClock>());
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
        if (image.type) {
            ExchangeImageHalves(image.bytes, *image.type);
        }
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

} // namespace vorlan::test
