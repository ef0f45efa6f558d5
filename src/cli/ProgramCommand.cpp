// vorlanctl program: hands its arguments to the programming engine unchanged,
// on the device VORLAN_DEVICE selects or on an emulated keyboard.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/FilePath.h"
#include "common/FileWriter.h"
#include "common/StringTable.h"
#include "programming/CountingDriver.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/KeyboardSelection.h"
#include "programming/ProgrammingEngine.h"
#include "programming/RunAdvice.h"
#include "station/Batch.h"
#include "verify/ProgrammingLog.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vorlan::cli {

namespace {

std::atomic<bool> stopRequested{false};
std::atomic<int> stopSignal{0};

// Only sets flags: that is all a signal handler may safely do.
extern "C" void RequestStop(int signal) {
    stopSignal = signal;
    stopRequested = true;
}

std::string SignalName(int signal) {
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
#ifndef _WIN32
    case SIGHUP:
        return "SIGHUP";
#endif
    default:
        return "signal " + std::to_string(signal);
    }
}

// Ctrl-C, a kill and a closed terminal all stop the write between two bytes,
// so the device is closed and the run is logged. Without SA_RESTART a request
// blocked in the driver returns early instead of being resumed. A closed pipe
// on standard error must not end the run before its log line either.
class StopSignals {
public:
    StopSignals() {
#ifdef _WIN32
        previousInt_ = std::signal(SIGINT, RequestStop);
        previousTerm_ = std::signal(SIGTERM, RequestStop);
#else
        struct sigaction action {};
        action.sa_handler = RequestStop;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &action, &previous_[i]);
        }
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGPIPE, &ignore, &previousPipe_);
#endif
    }
    ~StopSignals() {
#ifdef _WIN32
        std::signal(SIGINT, previousInt_);
        std::signal(SIGTERM, previousTerm_);
#else
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &previous_[i], nullptr);
        }
        sigaction(SIGPIPE, &previousPipe_, nullptr);
#endif
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
#ifdef _WIN32
    void (*previousInt_)(int) = nullptr;
    void (*previousTerm_)(int) = nullptr;
#else
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, 3> previous_{};
    struct sigaction previousPipe_ {};
#endif
};

// A request that waits on the keyboard cannot see the stop flag; this thread
// does, and gives the request up through the driver (which a signal handler
// must not call: it takes locks).
class StopWatcher {
public:
    explicit StopWatcher(KeyboardDriver& driver)
        : thread_([this, &driver] {
              std::unique_lock lock(mutex_);
              while (!done_) {
                  if (stopRequested) {
                      driver.Abort();
                      return;
                  }
                  wake_.wait_for(lock, std::chrono::milliseconds(10));
              }
          }) {}
    ~StopWatcher() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    StopWatcher(const StopWatcher&) = delete;
    StopWatcher& operator=(const StopWatcher&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

bool StandardErrorIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

// A bar redrawn in place on a terminal. The engine sends about a hundred
// steps (112 for a 450-byte image), so the bar counts them against the image's
// own number when the layout file tells it.
class ProgressBar {
public:
    explicit ProgressBar(int theTotalSteps) : totalSteps(theTotalSteps > 0 ? theTotalSteps : 100) {}

    void Step() {
        ++steps;
        const int percent = steps < totalSteps ? steps * 100 / totalSteps : 100;
        const int filled = percent / 2;
        std::fprintf(stderr, "\rProgramming [%s%s] %3d%%", std::string(filled, '#').c_str(),
                     std::string(50 - filled, ' ').c_str(), percent);
        std::fflush(stderr);
    }
    void End() {
        if (steps > 0) {
            std::fputc('\n', stderr);
        }
    }

private:
    int totalSteps;
    int steps = 0;
};

// The count of progress steps the layout file's image will give; 0 when unknown.
int StepsOfLayout(const char* path) {
    std::ifstream file;
    DeviceImage image;
    if (!OpenLayoutFile(path, file) || BuildDeviceImage(file, image) != ImageOk) {
        return 0;
    }
    const int size = static_cast<int>(image.bytes.size());
    return size / ProgressStepOf(size);
}

// The log line of a run that has ended.
ProgrammingRun RecordOfRun(const std::vector<const char*>& vector, const CountingDriver& driver,
                           int result, std::chrono::steady_clock::duration took) {
    ProgrammingRun run;
    run.dateTime = LocalDateTime(std::chrono::system_clock::now());
    std::size_t imageSize = 0;
    const bool hadLayout = vector.size() >= 2;
    if (hadLayout) {
        std::error_code error;
        const std::filesystem::path absolute =
            std::filesystem::absolute(PathFromUtf8(vector[1]), error);
        run.layoutFile = error ? std::string(vector[1]) : Utf8FromPath(absolute);
        run.imageSha256 = ImageSha256OfLayoutFile(vector[1], &imageSize);
    }
    run.keyboardType = driver.AnsweredType();
    // A type given as "/T" was not asked of the keyboard.
    if (const std::optional<DeviceKeyboard> given =
            GivenKeyboard(std::vector<std::string>(vector.begin(), vector.end()))) {
        run.keyboardType = NumberOf(*given);
    }
    run.bytesWritten = driver.BytesWritten();
    run.durationMs = std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
    run.result = RunResultText(result, hadLayout, run.bytesWritten, imageSize);
    return run;
}

int Usage(std::string_view problem) {
    std::cerr << "vorlanctl program: " << problem << "\n\nUsage:\n" << kProgramUsage;
    return 2;
}

} // namespace

int RunProgram(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "program", parsed)) {
        return *status;
    }
    bool emulate = false;
    int emulatedType = 0;
    EmulatorFaults faults;
    const std::string receivedPath = parsed.Value("--received").value_or(std::string());
    std::string logPath = parsed.Value("--log").value_or(std::string());
    if (const auto emulation = parsed.Value("--emulate")) {
        if (!ParseEmulatorOptions(*emulation, emulatedType, faults)) {
            return Usage("the emulated keyboard must be 0, 1 or 2, with fault options");
        }
        emulate = true;
    }
    if (parsed.operands.size() > 2) {
        return Usage("takes a layout file and a keyboard type /T");
    }

    // From here on every run is logged, however it ends.
    stopRequested = false;
    stopSignal = 0;
    const StopSignals signals;

    if (!emulate) {
        const KeyboardSelection selection = SelectKeyboardFromEnvironment();
        if (selection.kind == KeyboardSelection::Kind::Invalid) {
            return Usage(std::string(kDeviceVariable) + "=" + selection.devicePath +
                         ": the emulated keyboard type must be 0, 1 or 2");
        }
        if (selection.kind == KeyboardSelection::Kind::Emulator) {
            emulate = true;
            emulatedType = selection.emulatedType;
            faults = selection.faults;
        }
    }
    if (!receivedPath.empty() && !emulate) {
        return Usage("--received needs an emulated keyboard");
    }

    std::shared_ptr<KeyboardDriver> keyboard;
    EmulatedKeyboard* emulator = nullptr;
    const std::string device = emulate ? "emulator:" + std::to_string(emulatedType)
                                       : SelectKeyboardFromEnvironment().devicePath;
    if (emulate) {
        auto emulated = std::make_shared<EmulatedKeyboard>(emulatedType, faults);
        emulator = emulated.get();
        keyboard = std::move(emulated);
    } else {
        keyboard = MakeKeyboardDriver(SelectKeyboardFromEnvironment());
    }
    CountingDriver driver(std::move(keyboard));

    std::vector<const char*> vector{"vorlanctl"};
    for (const std::string& operand : parsed.operands) {
        vector.push_back(operand.c_str());
    }
    // The files this run writes are refused before the keyboard is touched:
    // a pipe would stop the run at its end, the layout would be lost.
    const InputFiles inputs =
        vector.size() >= 2 ? InputFiles{std::string(vector[1])} : InputFiles{};
    for (const std::string* out :
         std::initializer_list<const std::string*>{&receivedPath, &logPath}) {
        if (out->empty()) {
            continue;
        }
        if (const FileWriteResult refused = CheckWriteTarget(*out, inputs); !refused.Ok()) {
            std::cerr << StringText(StringId::Error) << ": " << WriteFailureText(refused) << "\n";
            return 1;
        }
    }

    ProgressBar bar(vector.size() >= 2 ? StepsOfLayout(vector[1]) : 0);
    WriteProgress progress;
    if (StandardErrorIsTerminal()) {
        progress.step = [&bar] { bar.Step(); };
    }
    progress.stop = &stopRequested;
    std::atomic<int> bytesTotal{0};
    std::atomic<int> bytesSent{0};
    progress.bytesTotal = &bytesTotal;
    progress.bytesSent = &bytesSent;
    SystemPacingClock clock;
    const auto started = std::chrono::steady_clock::now();
    int result = 0;
    {
        const StopWatcher watcher(driver);
        result = ProgrammingEngine(static_cast<int>(vector.size()), vector.data(), progress, driver,
                                   clock);
    }
    const auto took = std::chrono::steady_clock::now() - started;
    bar.End();
    const bool stopped = result == static_cast<int>(StringId::ProgrammingStopped);

    int status = result == 0 ? 0 : 1;
    if (result != 0) {
        // The engine's message, how much of a broken-off write the keyboard
        // holds, what was found and what to do: as the window shows them.
        RunFailure failure;
        failure.message = result;
        if (vector.size() >= 2) {
            failure.layoutPath = vector[1];
            failure.layoutType = LayoutTypeOfFile(vector[1]);
            if (result == static_cast<int>(StringId::UnableToOpenFile)) {
                failure.readProblem = static_cast<int>(ReadFailureId(CheckPlainFile(vector[1])));
            }
        }
        const std::optional<DeviceKeyboard> given =
            GivenKeyboard(std::vector<std::string>(vector.begin(), vector.end()));
        failure.keyboard = given ? given : DeviceKeyboardFromNumber(driver.AnsweredType());
        failure.device = device;
        failure.bytesSent = bytesSent;
        failure.bytesTotal = bytesTotal;
        const std::vector<UiMessage> messages = RunFailureMessages(failure);
        std::cerr << StringText(StringId::Error) << ": " << messages.front().English() << "\n";
        if (stopped && stopSignal != 0) {
            std::cerr << FormatString(StringText(StringId::StoppedBySignal),
                                      {SignalName(stopSignal)})
                      << "\n";
        }
        for (std::size_t m = 1; m < messages.size(); ++m) {
            std::cerr << messages[m].English() << "\n";
        }
    }
    const bool logChosen = !logPath.empty();
    if (!logChosen) {
        logPath = DefaultLogPath();
    }
    ProgrammingRun record = RecordOfRun(vector, driver, result, took);
    if (stopped && stopSignal != 0) {
        record.result += " (" + SignalName(stopSignal) + ")";
    }
    if (const auto order = parsed.Value("--order")) {
        std::string logText;
        ReadPlainFile(logPath, logText, std::size_t{256} * 1024 * 1024);
        record.batch = FormatBatchField(
            {*order, NextPlaceInLog(ParseLog(logText), *order), 0, KeyTestOutcome::NotRun, false});
    }
    const FileWriteResult logged =
        logPath.empty() ? FileWriteResult{WriteFailure::FolderMissing, "(no data folder)", {}}
                        : AppendToLog(logPath, record, inputs);
    if (!logged.Ok()) {
        std::cerr << "vorlanctl program: cannot write the programming log: "
                  << WriteFailureText(logged) << "\n";
        // The keyboard is programmed all the same; only a log the user named
        // makes the run fail.
        if (logChosen) {
            status = 1;
        }
    }
    if (emulator != nullptr && !receivedPath.empty()) {
        if (const FileWriteResult saved = emulator->SaveReceived(receivedPath, inputs);
            !saved.Ok()) {
            std::cerr << StringText(StringId::Error) << ": " << WriteFailureText(saved) << "\n";
            status = 1;
        }
    }
    return status;
}

} // namespace vorlan::cli
