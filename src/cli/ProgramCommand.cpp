// vorlanctl program: hands its arguments to the programming engine unchanged,
// on the device VORLAN_DEVICE selects or on an emulated keyboard.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/ProgramFiles.h"
#include "cli/RecordArguments.h"
#include "cli/StopSignals.h"
#include "common/FilePath.h"
#include "common/FileWriter.h"
#include "common/StringTable.h"
#include "common/TerminalText.h"
#include "programming/CountingDriver.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/KeyboardSelection.h"
#include "programming/LayoutImageFile.h"
#include "programming/ProgrammingEngine.h"
#include "programming/RunAdvice.h"
#include "records/RecordPolicy.h"
#include "records/RecordText.h"
#include "verify/ProgrammingLog.h"
#include "verify/Sha256.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vorlan::cli {

namespace {

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

// What this command says about the layout file, from one read of it.
struct LayoutFacts {
    LayoutImageRead read;
    std::string sha256; // of the image as `vorlanctl image` writes it; empty: none
    std::size_t imageSize = 0;
    std::optional<LayoutType> layoutType;
    int steps = 0; // the progress steps its write gives; 0 when unknown
};

LayoutFacts ReadLayoutFacts(const std::vector<const char*>& vector) {
    LayoutFacts facts;
    if (vector.size() < 2) {
        return facts;
    }
    DeviceImage image;
    facts.read = ReadLayoutImage(vector[1], image, &stopRequested);
    if (facts.read.Ok()) {
        facts.sha256 = Sha256Hex(image.bytes);
        facts.imageSize = image.bytes.size();
        facts.layoutType = image.type;
        const int size = static_cast<int>(facts.imageSize);
        facts.steps = size / ProgressStepOf(size);
    }
    return facts;
}

// The log line of a run that has ended.
ProgrammingRun RecordOfRun(const std::vector<const char*>& vector, const LayoutFacts& facts,
                           const CountingDriver& driver, int result,
                           std::chrono::steady_clock::duration took) {
    ProgrammingRun run;
    run.dateTime = LocalDateTime(std::chrono::system_clock::now());
    const bool hadLayout = vector.size() >= 2;
    if (hadLayout) {
        std::error_code error;
        const std::filesystem::path absolute =
            std::filesystem::absolute(PathFromUtf8(vector[1]), error);
        run.layoutFile = error ? std::string(vector[1]) : Utf8FromPath(absolute);
        run.imageSha256 = facts.sha256;
    }
    run.keyboardType = driver.AnsweredType();
    // A type given as "/T" was not asked of the keyboard.
    if (const std::optional<DeviceKeyboard> given =
            GivenKeyboard(std::vector<std::string>(vector.begin(), vector.end()))) {
        run.keyboardType = NumberOf(*given);
    }
    run.bytesWritten = driver.BytesWritten();
    run.durationMs = std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
    run.result = RunResultText(result, hadLayout, run.bytesWritten, facts.imageSize);
    return run;
}

// The run's row as the record takes it before the keyboard is touched.
RunRecord PlannedRun(const std::vector<const char*>& vector, const LayoutFacts& facts,
                     bool emulated) {
    RunRecord run;
    const auto now = std::chrono::system_clock::now();
    run.process = CurrentProcess();
    run.user = UserName();
    run.started = LocalDateTime(now);
    run.startedUtcMs = NowUtcMs();
    if (vector.size() >= 2) {
        run.layoutGiven = vector[1];
        std::error_code error;
        const std::filesystem::path absolute =
            std::filesystem::absolute(PathFromUtf8(vector[1]), error);
        run.layoutResolved = error ? run.layoutGiven : Utf8FromPath(absolute);
        run.fileSha256 = LayoutFileSha256(vector[1]);
        run.imageSha256 = facts.sha256;
    }
    if (const std::optional<DeviceKeyboard> given =
            GivenKeyboard(std::vector<std::string>(vector.begin(), vector.end()))) {
        run.keyboardType = NumberOf(*given);
    }
    run.bytesPlanned = static_cast<std::int64_t>(facts.imageSize);
    run.emulated = emulated;
    return run;
}

// What the keyboard holds after a run that succeeded, said before anything
// else that could still fail.
std::string KeyboardStateLine(const ProgrammingRun& run, bool hadLayout, std::size_t imageSize) {
    const std::string type =
        run.keyboardType < 0 ? std::string("-") : std::to_string(run.keyboardType);
    if (!hadLayout) {
        return "Keyboard type " + type + " detected; nothing was written.";
    }
    return "The keyboard was programmed: " + std::to_string(run.bytesWritten) + " of " +
           std::to_string(imageSize) + " bytes (keyboard type " + type + ").";
}

int Usage(std::string_view problem) {
    std::cerr << "vorlanctl program: " << problem << "\n\nUsage:\n" << kProgramUsage;
    return 2;
}

// A run refused before the keyboard was touched.
int Refused(const std::string& why) {
    std::cerr << StringText(StringId::Error) << ": " << TerminalLine(why)
              << "\nThe keyboard was not touched.\n";
    return 1;
}
int Refused(const FileWriteResult& refused) {
    return Refused(WriteFailureText(refused));
}

// The engine's message, how much of a broken-off write the keyboard holds,
// what was found and what to do: as the window shows them.
void ShowFailure(int result, const std::vector<const char*>& vector, const LayoutFacts& facts,
                 const CountingDriver& driver, const std::string& device, int bytesSent,
                 int bytesTotal) {
    RunFailure failure;
    failure.message = result;
    if (vector.size() >= 2) {
        failure.layoutPath = vector[1];
        failure.layoutType = facts.layoutType;
        if (result == static_cast<int>(StringId::UnableToOpenFile)) {
            failure.readProblem = static_cast<int>(ReadFailureId(facts.read.check));
        }
    }
    const std::optional<DeviceKeyboard> given =
        GivenKeyboard(std::vector<std::string>(vector.begin(), vector.end()));
    failure.keyboard = given ? given : DeviceKeyboardFromNumber(driver.AnsweredType());
    failure.device = device;
    failure.bytesSent = bytesSent;
    failure.bytesTotal = bytesTotal;
    const std::vector<UiMessage> messages = RunFailureMessages(failure);
    std::string first = messages.front().English();
    if (result == static_cast<int>(StringId::InvalidFileFormat) && facts.read.step != ImageOk) {
        first += ImageFailureDetail(facts.read); // as `image` says it
    }
    std::cerr << StringText(StringId::Error) << ": " << TerminalLine(first) << "\n";
    if (result == static_cast<int>(StringId::ProgrammingStopped) && stopSignal != 0) {
        std::cerr << FormatString(StringText(StringId::StoppedBySignal), {SignalName(stopSignal)})
                  << "\n";
    }
    for (std::size_t m = 1; m < messages.size(); ++m) {
        std::cerr << TerminalLine(messages[m].English()) << "\n";
    }
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
    // "-" puts the received bytes or the log line on standard output; the
    // state line then goes to standard error, so the data stays whole.
    const bool receivedOut = receivedPath == kStandardOutput;
    const bool logOut = logPath == kStandardOutput;

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

    // The engine takes the operands as they are: surplus ones and "-h", "/h"
    // or "/?" for a layout are its syntax errors.
    std::vector<const char*> vector{"vorlanctl"};
    for (const std::string& operand : parsed.operands) {
        vector.push_back(operand.c_str());
    }
    const bool hadLayout = vector.size() >= 2;
    const InputFiles inputs = hadLayout ? InputFiles{std::string(vector[1])} : InputFiles{};
    std::optional<std::string> order = parsed.Value("--order");
    if (order) {
        if (const RecordResult bad = CheckOrder(*order); !bad.Ok()) {
            return Usage(bad.English());
        }
    }
    // The outputs are checked before the keyboard is touched: a keyboard
    // programmed by a run that cannot say so is worse than none.
    const std::string recordPath = RecordPathOf(parsed);
    for (const std::string* output : {&receivedPath, static_cast<const std::string*>(&logPath)}) {
        if (!output->empty() && *output != kStandardOutput && IsRecordFile(*output, recordPath)) {
            return Refused(UiMessage{StringId::RecordIsOutput, {*output}}.English());
        }
    }
    if (!receivedPath.empty() && !receivedOut && !logPath.empty() && !logOut &&
        SameFile(receivedPath, logPath)) {
        return Refused(UiMessage{StringId::RecordOutputsOneFile, {receivedPath}}.English());
    }
    const LayoutFacts facts = ReadLayoutFacts(vector);
    if (facts.read.capped) {
        std::cerr << CappedFileNote(vector[1]) << '\n';
    }
    if (!receivedPath.empty() && !receivedOut) {
        if (const FileWriteResult refused =
                CheckReplaceable(receivedPath, inputs, std::max<std::size_t>(facts.imageSize, 1));
            !refused.Ok()) {
            return Refused(refused);
        }
    }
    // The --log copy is written after the run: its folder must take a line
    // now (a read-only folder, a full disk are found here).
    if (!logPath.empty() && !logOut) {
        FileWriteResult refused = CheckAppendable(logPath, inputs);
        if (refused.Ok()) {
            refused = CheckReplaceable(logPath, inputs, 4096);
        }
        if (!refused.Ok()) {
            return Refused(refused);
        }
    }
    // The run is a row of the record before the keyboard is touched.
    const std::unique_ptr<RecordStore> store = OpenRecordOf(parsed, "program", true);
    if (!store) {
        return 1;
    }
    RunRecord run = PlannedRun(vector, facts, emulate);
    run.order = order.value_or(std::string());
    if (const RecordResult begun = store->BeginRun(run); !begun.Ok()) {
        ShowRecordFailure("program", begun);
        std::cerr << "The keyboard was not touched.\n";
        return 1;
    }

    ProgressBar bar(facts.steps);
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

    int status = result == 0 ? 0 : 1;
    if (result != 0) {
        ShowFailure(result, vector, facts, driver, device, bytesSent, bytesTotal);
    }
    ProgrammingRun record = RecordOfRun(vector, facts, driver, result, took);
    if (result == static_cast<int>(StringId::ProgrammingStopped) && stopSignal != 0) {
        record.result += " (" + SignalName(stopSignal) + ")";
    }
    // Whatever fails after the run, what the keyboard holds is said first.
    bool stateSaid = result != 0;
    const auto failedAfter = [&](const std::string& what) {
        if (!stateSaid) {
            std::cerr << "The keyboard was programmed: " << record.bytesWritten << " of "
                      << facts.imageSize << " bytes.\n";
            stateSaid = true;
        }
        std::cerr << what << "\n";
        status = 1;
    };
    run.state = RunState::Finished;
    run.bytesWritten = static_cast<std::int64_t>(record.bytesWritten);
    run.durationMs = record.durationMs;
    run.result = record.result;
    run.keyboardType = record.keyboardType;
    if (!run.order.empty()) {
        run.outcome = OutcomeOfRun(run);
    }
    const RecordResult recorded = store->UpdateRun(run);
    const bool kept = recorded.failure == RecordFailure::Kept;
    if (kept) {
        // Nothing is lost: the next program here to open the server sends it first.
        std::cerr << "vorlanctl program: " << TerminalLine(recorded.English()) << '\n';
    }
    if (!recorded.Ok() && !kept) {
        failedAfter("vorlanctl program: " + TerminalLine(recorded.English()));
    } else if (logOut) {
        if (!WriteStandardOutput(LogLineOf(run) + "\n")) {
            failedAfter("vorlanctl program: cannot write the run's line to standard output");
        }
    } else if (!logPath.empty()) {
        // A copy for scripts, after the commit; the record is what counts.
        if (const FileWriteResult logged = AppendLogCopy(logPath, LogLineOf(run), inputs);
            !logged.Ok()) {
            failedAfter("vorlanctl program: cannot write the log copy: " +
                        TerminalLine(WriteFailureText(logged)));
        }
    }
    if (emulator != nullptr && receivedOut) {
        const std::vector<std::uint8_t>& bytes = emulator->Received();
        if (!WriteStandardOutput(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))) {
            failedAfter("vorlanctl program: cannot write the received bytes to standard output");
        }
    } else if (emulator != nullptr && !receivedPath.empty()) {
        if (const FileWriteResult saved = emulator->SaveReceived(receivedPath, inputs);
            !saved.Ok()) {
            failedAfter(std::string(StringText(StringId::Error)) + ": " +
                        TerminalLine(WriteFailureText(saved)));
        }
    }
    if (status == 0) {
        (receivedOut || logOut ? std::cerr : std::cout)
            << KeyboardStateLine(record, hadLayout, facts.imageSize) << '\n';
    }
    if (stopSignal != 0) {
        EndBySignal(stopSignal);
    }
    return status;
}

} // namespace vorlan::cli
