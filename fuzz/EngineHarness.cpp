#include "fuzz/FuzzHarness.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ProgrammingEngine.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace vorlan::hardening {
namespace {

// Time that passes only when asked to: a write paces itself without waiting.
class InstantClock : public PacingClock {
public:
    TimePoint Now() override { return now_; }
    void SleepUntil(TimePoint deadline) override { now_ = std::max(now_, deadline); }

private:
    TimePoint now_{};
};

// The layout file of one run, removed again afterwards.
class TempFile {
public:
    explicit TempFile(std::string_view bytes) {
        static const int marker = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("vorlan-fuzz-engine-" + std::to_string(reinterpret_cast<std::uintptr_t>(&marker)) +
                 ".txt");
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

int RequiredKeyboardType(int typeNumber) {
    return typeNumber == 57 ? 1 : typeNumber == 113 ? 2 : 0;
}

// What one run must end in, from its arguments, file and keyboard, checked in
// the order a user meets the problems: the arguments, the file, the keyboard's
// type, the type the file needs, then the write itself.
struct Run {
    int argumentCount = 0;
    std::string_view filePath;
    std::string_view typeArgument;
    bool fileOpens = false;
    int builderResult = 0;
    int imageType = 0;
    std::size_t imageSize = 0;
    const EmulatorFaults* faults = nullptr;
    int keyboardType = 0;
};

int ExpectedResult(const Run& run) {
    const EmulatorFaults& faults = *run.faults;
    int type = -1;
    if (run.argumentCount == 3) {
        if (run.typeArgument.size() != 2 || run.typeArgument[0] != '/') {
            return 33000;
        }
        type = run.typeArgument[1] - '0';
        if (type < 0 || type > 2) {
            return 33001;
        }
    }
    if (run.argumentCount > 3) {
        return 33002;
    }
    const bool fileGiven = run.argumentCount >= 2;
    if (fileGiven && (run.filePath == "-h" || run.filePath == "/h" || run.filePath == "/?")) {
        return 33002;
    }
    if (fileGiven && !run.fileOpens) {
        return 33003;
    }
    if (fileGiven && run.builderResult != 0) {
        return 33004;
    }
    if (run.argumentCount != 3) {
        if (faults.deviceMissing) {
            return 33006;
        }
        if (faults.typeRequestFails || faults.typeRequestReturnsNothing) {
            return 33007;
        }
        type = faults.typeAnswer ? *faults.typeAnswer : run.keyboardType;
        if (type > 2) {
            return 33005;
        }
    }
    if (!fileGiven) {
        return 0;
    }
    if (RequiredKeyboardType(run.imageType) != type) {
        return 33008;
    }
    if (faults.deviceMissing) {
        return 33006;
    }
    if (faults.failWriteAt != 0 && faults.failWriteAt <= run.imageSize) {
        return 33009;
    }
    return 0;
}

} // namespace

std::string RunEngine(const std::uint8_t* data, std::size_t size) {
    if (size < 6) {
        return {};
    }
    const int argumentCount = (data[0] & 3) + 1;
    const std::string_view content(reinterpret_cast<const char*>(data + 6), size - 6);
    TempFile file(content);

    static const char* const kSwitches[] = {"-h", "/h", "/?", "/H"};
    const int fileChoice = data[1] % 8;
    const std::string missing = file.Path() + ".missing";
    const std::string filePath = fileChoice < 4    ? kSwitches[fileChoice]
                                 : fileChoice == 4 ? missing
                                                   : file.Path();
    static const char* const kTypes[] = {"/0", "/1", "/2", "/3", "/a", "/-", "0", "/00", "", "/"};
    const char* typeArgument = kTypes[data[2] % 10];
    const char* const argv[] = {"vorlanctl", filePath.c_str(), typeArgument, "extra"};

    EmulatorFaults faults;
    const std::uint8_t f = data[3];
    faults.deviceMissing = (f & 0x04) != 0 && (f & 0x08) != 0;
    faults.typeRequestFails = (f & 0x10) != 0 && (f & 0x20) != 0;
    faults.typeRequestReturnsNothing = (f & 0x40) != 0 && (f & 0x80) != 0;
    if ((data[4] & 0xC0) == 0xC0) {
        faults.typeAnswer = static_cast<std::uint8_t>(data[4] & 0x07);
    }
    faults.failWriteAt = (data[5] & 0x80) != 0 ? static_cast<std::size_t>(data[5] & 0x7F) * 17 : 0;
    EmulatedKeyboard keyboard(f % 3, faults);
    InstantClock clock;
    int steps = 0;
    WriteProgress progress;
    progress.step = [&steps] { ++steps; };

    const int result = ProgrammingEngine(argumentCount, argv, progress, keyboard, clock);

    if (result != 0 && (result < 33000 || result > 33010)) {
        return "engine result " + std::to_string(result);
    }
    DeviceImage image;
    std::istringstream stream{std::string(content)};
    const int builderResult = BuildDeviceImage(stream, image);
    Run run;
    run.argumentCount = argumentCount;
    run.filePath = filePath;
    run.typeArgument = typeArgument;
    run.fileOpens = fileChoice >= 5;
    run.builderResult = builderResult;
    // The oracle knows the types by their numbers, as the file does.
    const int imageNumber = image.type ? NumberOf(*image.type) : 0;
    run.imageType = imageNumber;
    run.imageSize = image.bytes.size();
    run.faults = &faults;
    run.keyboardType = keyboard.KeyboardType();
    if (const int expected = ExpectedResult(run); result != expected) {
        return "engine result " + std::to_string(result) + ", not " + std::to_string(expected);
    }
    if (!keyboard.ProtocolErrors().empty()) {
        return "driver protocol error: " + keyboard.ProtocolErrors().front();
    }
    if (keyboard.IsOpen() || keyboard.OpenCount() != keyboard.CloseCount()) {
        return "the device was left open";
    }
    if (result >= 33000 && result <= 33004 && keyboard.OpenAttempts() != 0) {
        return "the driver was asked although the arguments or the file were bad";
    }

    const bool fileGiven = argumentCount >= 2 && fileChoice >= 5;
    const bool argumentsValid =
        argumentCount <= 2 ||
        (std::string_view(typeArgument).size() == 2 && typeArgument[0] == '/' &&
         typeArgument[1] >= '0' && typeArgument[1] <= '2');
    const bool builds = builderResult == 0;
    if (fileGiven && argumentCount <= 3 && argumentsValid && (result == 33004) == builds) {
        return builds ? "a file the builder accepts was refused"
                      : "a file the builder refuses was accepted";
    }

    const std::vector<std::uint8_t>& received = keyboard.Received();
    if (result == 33008 && !received.empty()) {
        return "bytes were sent to a keyboard of the wrong type";
    }
    if (result == 0 && fileGiven && argumentCount <= 3) {
        const int detected = faults.typeAnswer ? *faults.typeAnswer : keyboard.KeyboardType();
        const int type = argumentCount == 3 ? typeArgument[1] - '0' : detected;
        if (RequiredKeyboardType(imageNumber) != type) {
            return "an image of type number " + std::to_string(imageNumber) +
                   " went to a keyboard of type " + std::to_string(type);
        }
        std::vector<std::uint8_t> expected = image.bytes;
        if (imageNumber == 112 || imageNumber == 113) {
            // The double keyboard takes the right half's records first.
            const std::size_t half = imageNumber == 112 ? 224 : 1008;
            std::rotate(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(half),
                        expected.begin() + static_cast<std::ptrdiff_t>(2 * half));
        }
        if (received != expected) {
            return "the keyboard received other bytes than the image";
        }
        if (steps < 100 || steps > 112) {
            return std::to_string(steps) + " progress steps";
        }
    }
    if (result == 0 && !fileGiven && !received.empty()) {
        return "bytes were sent without a file";
    }
    return {};
}

} // namespace vorlan::hardening
