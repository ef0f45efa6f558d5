#include "programming/ui/ProgrammingDialog.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "programming/CountingDriver.h"
#include "programming/KeyboardDriver.h"
#include "programming/KeyboardSelection.h"
#include "programming/ProgrammingEngine.h"
#include "programming/RunAdvice.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <utility>

namespace vorlan {

// Runs the engine once. A progress step posts the bar's move to the window's
// thread and waits until that thread has made it, so the bar never runs
// behind the bytes the keyboard has taken. Unlike a blocking queued call, the wait can
// be given up (Release), so a window going away never waits on a worker that
// waits on the window.
class ProgrammingWorker : public QThread {
public:
    ProgrammingWorker(std::vector<std::string> theArguments,
                      std::shared_ptr<KeyboardDriver> theDriver,
                      std::shared_ptr<PacingClock> theClock, std::function<void()> thePostStep)
        : arguments(std::move(theArguments)), driver(std::move(theDriver)),
          clock(std::move(theClock)), postStep(std::move(thePostStep)) {}

    // Worker thread: announces one step and waits for the window's thread.
    void Step() {
        std::unique_lock lock(mutex);
        if (released) {
            return;
        }
        ++announced;
        postStep();
        stepTaken.wait(lock, [this] { return taken == announced || released; });
    }

    // Window's thread: the bar has moved.
    void StepTaken() {
        {
            const std::lock_guard lock(mutex);
            ++taken;
        }
        stepTaken.notify_all();
    }

    // Window's thread: no more steps will be taken.
    void Release() {
        {
            const std::lock_guard lock(mutex);
            released = true;
        }
        stepTaken.notify_all();
    }

    void RequestStop() { stop = true; }
    bool StopRequested() const { return stop; }
    // Valid once the thread has finished.
    int Result() const { return result; }
    int BytesTotal() const { return bytesTotal; }
    int BytesSent() const { return bytesSent; }

protected:
    void run() override {
        std::vector<const char*> vector;
        for (const std::string& argument : arguments) {
            vector.push_back(argument.c_str());
        }
        WriteProgress progress;
        progress.step = [this] { Step(); };
        progress.stop = &stop;
        progress.bytesTotal = &bytesTotal;
        progress.bytesSent = &bytesSent;
        result = ProgrammingEngine(static_cast<int>(vector.size()), vector.data(), progress,
                                   *driver, *clock);
    }

private:
    const std::vector<std::string> arguments;
    const std::shared_ptr<KeyboardDriver> driver;
    const std::shared_ptr<PacingClock> clock;
    const std::function<void()> postStep;

    std::atomic<bool> stop{false};
    std::atomic<int> bytesTotal{0};
    std::atomic<int> bytesSent{0};
    int result = 0;

    std::mutex mutex;
    std::condition_variable stepTaken;
    long announced = 0;
    long taken = 0;
    bool released = false;
};

namespace {

constexpr int kBarMaximum = 100;

void DeleteFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(path), ignored);
}

} // namespace

ProgrammingDialog::ProgrammingDialog(QWidget* theMainWindow)
    : QDialog(theMainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      mainWindow(theMainWindow) {
    setObjectName(QStringLiteral("ProgrammingDialog"));
    setProperty("helpSection", QStringLiteral("programming"));
    setWindowTitle(UiText(StringId::ProgrammingCaption));

    // What the run is doing goes under the bar, inside its frame: the layout,
    // the keyboard, and the bytes sent with the time left, moving with the
    // bar. The window is as wide as the longest line needs (its translation,
    // the largest image); Cancel sits alone at the bottom right, below
    // everything it stops.
    const QFontMetrics metrics = fontMetrics();
    int widest = 225;
    for (const UiMessage& sample :
         {KeyboardTypeMessage(std::nullopt), KeyboardTypeMessage(DeviceKeyboard::SevenThreeScan),
          KeyboardTypeMessage(DeviceKeyboard::Single16),
          KeyboardTypeMessage(DeviceKeyboard::Double16), RunProgressMessage(2022, 2022, 60000)}) {
        widest = std::max(widest, metrics.horizontalAdvance(UiMessageText(sample)) + 4);
    }
    constexpr int kMargin = 9;
    constexpr int kInset = 11; // the frame's content from its edge
    constexpr int kLineHeight = 18;
    constexpr int kButtonWidth = 75;
    constexpr int kButtonHeight = 23;
    const int width = std::max(245, widest + 2 * (kMargin + kInset));
    const int inner = width - 2 * (kMargin + kInset);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("runFrame"));

    bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("progressBar"));
    bar->setGeometry(kMargin + kInset, 21, inner, kButtonHeight);
    bar->setRange(0, kBarMaximum);
    bar->setValue(0);
    // A plain bar: its 100 steps are no percentage of the image (a 450-byte
    // image fills it before the write ends).
    bar->setTextVisible(false);

    const auto line = [this, inner](const char* name, int y) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(kMargin + kInset, y, inner, kLineHeight);
        return label;
    };
    int y = bar->geometry().bottom() + 8;
    layoutLine = line("layoutLine", y);
    keyboardLine = line("keyboardLine", y += kLineHeight);
    bytesLine = line("bytesLine", y += kLineHeight);
    const int frameBottom = y + kLineHeight + 8;
    group->setGeometry(kMargin, 5, width - 2 * kMargin, frameBottom - 5);
    // Cancel stays disabled, so the window says how a run is stopped.
    auto* escapeHint = new QLabel(UiText(StringId::ProgrammingEscapeStops), this);
    escapeHint->setObjectName(QStringLiteral("escapeHint"));
    escapeHint->setWordWrap(true);
    escapeHint->setGeometry(kMargin, frameBottom + 6, width - 2 * kMargin, 0);
    escapeHint->setFixedHeight(escapeHint->heightForWidth(width - 2 * kMargin));
    const int buttonsTop = escapeHint->geometry().bottom() + 9;

    // The OK button is the hidden default; a hidden default button takes no
    // Enter key, so the dialog cannot be put away while the run goes on.
    okButton = new QPushButton(UiText(StringId::ProgrammingOk), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(kMargin, buttonsTop, kButtonWidth, kButtonHeight);
    okButton->setDefault(true);
    okButton->setVisible(false);

    // Visible and disabled throughout: Escape and the close box are the ways
    // to stop a run.
    cancelButton = new QPushButton(UiText(StringId::ProgrammingCancel), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // As wide as the designed button, or as its translated caption needs.
    const int cancelWidth = std::max(kButtonWidth, cancelButton->sizeHint().width());
    cancelButton->setGeometry(width - kMargin - cancelWidth, buttonsTop, cancelWidth,
                              kButtonHeight);
    cancelButton->setEnabled(false);
    connect(cancelButton, &QPushButton::clicked, this, &ProgrammingDialog::reject);

    setFixedSize(width, buttonsTop + kButtonHeight + kMargin);
    SetKeyboard(MakeKeyboardDriver(SelectKeyboardFromEnvironment()));
}

ProgrammingDialog::~ProgrammingDialog() {
    if (worker) {
        // The window goes away during a run: stop the write, let the worker
        // close the device and end, and do not leave the temporary file.
        worker->RequestStop();
        worker->Release();
        worker->wait();
        worker.reset();
        DeleteFile(layoutPath);
    }
}

void ProgrammingDialog::SetKeyboard(std::shared_ptr<KeyboardDriver> newDriver,
                                    std::shared_ptr<PacingClock> newClock) {
    driver = newDriver ? std::make_shared<CountingDriver>(std::move(newDriver)) : nullptr;
    clock = newClock ? std::move(newClock) : std::make_shared<SystemPacingClock>();
}

KeyboardDriver* ProgrammingDialog::Keyboard() const {
    return driver ? driver->Inner() : nullptr;
}

int ProgrammingDialog::StartRun(const std::vector<std::string>& arguments) {
    if (worker) {
        return 0;
    }
    layoutPath = arguments.size() >= 2 ? arguments[1] : std::string();

    mainWindow->setEnabled(false);
    // A window of its own, so it stays usable (Escape, the close box) while
    // its parent is disabled.
    setEnabled(true);
    bar->setValue(0);
    driver->ResetCounts();
    runStarted = std::chrono::steady_clock::now();
    givenKeyboard = GivenKeyboard(arguments);
    layoutType = LayoutTypeOfFile(layoutPath);
    const QString shown = layoutName.isEmpty() ? UiText(StringId::TitleUntitled) : layoutName;
    layoutLine->setText(layoutLine->fontMetrics().elidedText(
        FillPlaceholders(UiText(StringId::ProgressLayout), {shown}), Qt::ElideMiddle,
        layoutLine->width()));
    layoutLine->setToolTip(shown);
    ShowRunState(0, 0);
    show();
    raise();
    activateWindow();

    worker = std::make_unique<ProgrammingWorker>(arguments, driver, clock, [this] {
        QMetaObject::invokeMethod(this, &ProgrammingDialog::StepBar, Qt::QueuedConnection);
    });
    connect(worker.get(), &QThread::finished, this, &ProgrammingDialog::OnWorkerFinished);
    worker->start(QThread::LowestPriority);
    return 0;
}

void ProgrammingDialog::StepBar() {
    bar->setValue(std::min(bar->value() + 1, bar->maximum()));
    if (worker) {
        ShowRunState(worker->BytesSent(), worker->BytesTotal());
        worker->StepTaken();
    }
}

void ProgrammingDialog::ShowRunState(int sent, int total) {
    keyboardLine->setText(UiMessageText(KeyboardTypeMessage(
        givenKeyboard ? givenKeyboard : DeviceKeyboardFromNumber(driver->AnsweredType()))));
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - runStarted);
    bytesLine->setText(total > 0 ? UiMessageText(RunProgressMessage(sent, total, elapsed.count()))
                                 : QString());
}

void ProgrammingDialog::SetLayoutName(const QString& name) {
    layoutName = name;
}

void ProgrammingDialog::reject() {
    if (worker) {
        worker->RequestStop();
        // A request the keyboard does not answer would hold the stop until
        // its timeout; the backend gives it up at once.
        driver->Abort();
        return;
    }
    QDialog::reject();
}

void ProgrammingDialog::OnWorkerFinished() {
    if (!worker) {
        return;
    }
    worker->wait();
    const int result = worker->Result();
    const bool stopped = worker->StopRequested();
    const int total = worker->BytesTotal();
    const int sent = worker->BytesSent();
    worker.reset();
    lastRun = {driver->AnsweredType(), driver->BytesWritten(),
               std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - runStarted),
               stopped};
    Q_EMIT RunEnded(result);

    // A write the user stopped needs no error, but the keyboard now holds a
    // part of an image and does not work: that is said before the window goes.
    const bool stoppedByUser = stopped && result == static_cast<int>(StringId::ProgrammingStopped);
    if (stoppedByUser && sent > 0) {
        ShowMessage({this, MessageIcon::Exclamation, UiText(StringId::Warning),
                     UiMessageText({StringId::StoppedRunHolds,
                                    {std::to_string(sent), std::to_string(total)}}),
                     MessageButtons::Ok});
    }
    if (result != 0 && !stoppedByUser) {
        // The engine's message, how much of a broken-off write the keyboard
        // holds, what was found and what to do.
        RunFailure failure;
        failure.message = result;
        failure.layoutPath =
            ToPath(layoutName.isEmpty() ? UiText(StringId::TitleUntitled) : layoutName);
        failure.layoutType = layoutType;
        failure.keyboard =
            givenKeyboard ? givenKeyboard : DeviceKeyboardFromNumber(lastRun.keyboardType);
        failure.device = ToPath(deviceName);
        failure.bytesSent = sent;
        failure.bytesTotal = total;
        QStringList texts;
        for (const UiMessage& message : RunFailureMessages(failure)) {
            texts << UiMessageText(message);
        }
        ShowError(this, texts.join(QStringLiteral("\n\n")));
    }
    DeleteFile(layoutPath);
    hide();
    mainWindow->setEnabled(true);
    Q_EMIT RunFinished(result);
}

} // namespace vorlan
