#include "programming/KeyboardDriver.h"

#include "programming/DeviceKeyboard.h"

#include <thread>

#ifdef _WIN32
#include <windows.h>
// timeapi.h comes after windows.h on purpose.
#include <timeapi.h>
#elif defined(__linux__)
#include <sys/prctl.h>
#endif

namespace vorlan {
namespace {

// Closes the device on every way out of an operation.
class OpenDevice {
public:
    explicit OpenDevice(KeyboardDriver& device) : driver(device), open(device.Open()) {}
    ~OpenDevice() {
        if (open) {
            driver.Close();
        }
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;

    explicit operator bool() const { return open; }
    void Close() {
        if (open) {
            driver.Close();
            open = false;
        }
    }

private:
    KeyboardDriver& driver;
    bool open;
};

class Pacing {
public:
    explicit Pacing(PacingClock& paced) : clock(paced) { clock.BeginPacing(); }
    ~Pacing() { clock.EndPacing(); }
    Pacing(const Pacing&) = delete;
    Pacing& operator=(const Pacing&) = delete;

private:
    PacingClock& clock;
};

} // namespace

PacingClock::TimePoint SystemPacingClock::Now() {
    return std::chrono::steady_clock::now();
}

// Sleeps to just short of the deadline and waits out the rest: a sleep alone
// wakes a little late on every byte, which over 2000 bytes adds up to a
// noticeably longer write. Never returns before the deadline.
void SystemPacingClock::SleepUntil(TimePoint deadline) {
    constexpr std::chrono::microseconds kWaitOut{150};
    if (deadline - Now() > kWaitOut) {
        std::this_thread::sleep_until(deadline - kWaitOut);
    }
    while (Now() < deadline) {
        std::this_thread::yield();
    }
}

void SystemPacingClock::BeginPacing() {
#ifdef _WIN32
    // The default timer tick is about 15 ms.
    timeBeginPeriod(1);
#elif defined(__linux__)
    // The default timer slack lets a sleep end up to 50 us late.
    savedTimerSlack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
#endif
}

void SystemPacingClock::EndPacing() {
#ifdef _WIN32
    timeEndPeriod(1);
#elif defined(__linux__)
    if (savedTimerSlack > 0) {
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(savedTimerSlack), 0, 0, 0);
    }
#endif
}

int ProgressStepOf(int size) {
    return size >= 100 ? size / 100 : 1;
}

Detection DetectKeyboardType(KeyboardDriver& driver) {
    OpenDevice device(driver);
    if (!device) {
        return Detection::Failed(DetectError::NoDevice);
    }
    std::uint8_t type = 0;
    std::uint32_t bytesReturned = 0;
    const bool answered = driver.RequestKeyboardType(type, bytesReturned);
    device.Close();
    if (!answered || bytesReturned != 1) {
        return Detection::Failed(DetectError::RequestFailed);
    }
    const std::optional<DeviceKeyboard> keyboard = DeviceKeyboardFromNumber(type);
    return keyboard ? Detection::Of(*keyboard) : Detection::Failed(DetectError::UnknownType);
}

int WriteDeviceImage(KeyboardDriver& driver, const std::uint8_t* image, int size,
                     const WriteProgress& progress, PacingClock& clock) {
    if (size == 0) {
        return WriteOk;
    }
    if (image == nullptr || size < 0) {
        return WriteNoImage;
    }
    OpenDevice device(driver);
    if (!device) {
        return WriteNoDevice;
    }
    const Pacing pacing(clock);
    if (progress.bytesTotal != nullptr) {
        *progress.bytesTotal = size;
    }
    const int step = ProgressStepOf(size);
    PacingClock::TimePoint lastRequestEnd{};
    for (int i = 0; i < size; ++i) {
        const int remaining = size - i;
        if (remaining % step == 0 && progress.step) {
            progress.step();
        }
        // The pause runs from the end of the previous request, so the time the
        // progress step took counts towards it.
        if (i > 0) {
            clock.SleepUntil(lastRequestEnd + kBytePause);
        }
        if (progress.stop != nullptr && progress.stop->load()) {
            return WriteStopped;
        }
        const bool sent = driver.WriteImageByte(image[i]);
        lastRequestEnd = clock.Now();
        if (!sent) {
            // A request given up for a stop is the stop, not a fault.
            const bool stopped = progress.stop != nullptr && progress.stop->load();
            return stopped ? WriteStopped : WriteRequestFailed;
        }
        if (progress.bytesSent != nullptr) {
            ++*progress.bytesSent;
        }
    }
    return WriteOk;
}

} // namespace vorlan
