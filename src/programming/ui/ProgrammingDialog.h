// The progress dialog of a programming run and the worker thread behind it.
//
// A run: the main window is disabled, the dialog shown, and a worker thread
// at the lowest priority runs the ProgrammingEngine on the temporary layout
// file. Each progress step of the write waits until this (the window's)
// thread has moved the bar. When the engine returns, its message is shown,
// the temporary file deleted, the dialog hidden and the main window enabled
// again. Escape or the close box stop the write between two bytes; the
// worker is never killed, so the device is always closed properly.
#pragma once

#include "layout/LayoutType.h"
#include "programming/DeviceKeyboard.h"

#include <QDialog>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vorlan {

class CountingDriver;
class KeyboardDriver;
class PacingClock;
class ProgrammingWorker;

class ProgrammingDialog : public QDialog {
    Q_OBJECT
public:
    // mainWindow is disabled during a run; it owns the dialog.
    explicit ProgrammingDialog(QWidget* mainWindow);
    ~ProgrammingDialog() override;

    // The keyboard and the clock that paces the write, for the runs that
    // start from now on. Without a clock the system clock is used.
    void SetKeyboard(std::shared_ptr<KeyboardDriver> driver,
                     std::shared_ptr<PacingClock> clock = nullptr);
    KeyboardDriver* Keyboard() const;

    // What the last run that has ended asked and sent, for the programming log.
    struct RunFacts {
        int keyboardType = -1; // as the keyboard answered; -1 when not known
        std::size_t bytesWritten = 0;
        std::chrono::milliseconds duration{0};
        bool stopped = false; // the user stopped it
    };
    const RunFacts& LastRun() const { return lastRun; }

    // Starts a run with the engine's argument vector (element 0 the program
    // name, element 1 the layout file, which is deleted when the run ends).
    // The caller has written the file. Returns 0; a run already going is
    // left alone (the disabled main window keeps that from happening).
    int StartRun(const std::vector<std::string>& arguments);
    bool IsRunning() const { return worker != nullptr; }

    // The layout as the user knows it (the run's file is a temporary copy)
    // and the device the keyboard is reached through, for the window's lines
    // and the advice after a failure.
    void SetLayoutName(const QString& name);
    void SetDeviceName(const QString& name) { deviceName = name; }

    QProgressBar* ProgressBar() const { return bar; }
    QPushButton* OkButton() const { return okButton; }
    QPushButton* CancelButton() const { return cancelButton; }

    // Escape and the close box: ask the worker to stop before its next byte.
    // The dialog stays until the worker has closed the device.
    void reject() override;

Q_SIGNALS:
    // The run is over and LastRun() holds its facts; emitted before any
    // message, so what is recorded of it does not wait for the user.
    void RunEnded(int result);
    // The run is over: the message (if any) was shown, the file deleted, the
    // dialog hidden and the main window enabled. result is the engine's.
    void RunFinished(int result);

private:
    void StepBar();
    void ShowRunState(int sent, int total);
    void OnWorkerFinished();

    QWidget* mainWindow;
    QProgressBar* bar = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLabel* layoutLine = nullptr;
    QLabel* keyboardLine = nullptr;
    QLabel* bytesLine = nullptr;
    QString layoutName;
    QString deviceName;
    std::optional<DeviceKeyboard> givenKeyboard;
    std::optional<LayoutType> layoutType;

    // Counts what each run sends; wraps the keyboard given to SetKeyboard.
    std::shared_ptr<CountingDriver> driver;
    std::shared_ptr<PacingClock> clock;
    RunFacts lastRun;
    std::chrono::steady_clock::time_point runStarted;

    // The run in progress; null when idle.
    std::unique_ptr<ProgrammingWorker> worker;
    std::string layoutPath;
};

} // namespace vorlan
