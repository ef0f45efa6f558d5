// The program's only channel to the keyboard, and the two operations built on
// it: asking the keyboard type and sending an image one byte per request.
// Backends: DeviceFileDriver (the real driver) and EmulatedKeyboard.
#pragma once

#include "programming/DeviceKeyboard.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace vorlan {

// Control codes of the driver (device type 0x22, buffered, any access).
inline constexpr std::uint32_t kIoctlGetKeyboardType = 0x222800;
inline constexpr std::uint32_t kIoctlWriteImageByte = 0x222804;

// Why the last request failed, as far as the backend can tell.
enum class DriverFault { Failed, NotAnswering, Gone };

class KeyboardDriver {
public:
    virtual ~KeyboardDriver() = default;

    virtual DriverFault LastFault() const { return DriverFault::Failed; }
    // From any thread: a request waiting on the keyboard gives up at once
    // (and fails). Backends whose requests cannot wait do nothing.
    virtual void Abort() {}

    // Opens the device; false when it cannot be opened.
    virtual bool Open() = 0;
    // The keyboard-type request: false when it fails. bytesReturned is the
    // count of output bytes the driver reports (1 when type holds an answer).
    virtual bool RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) = 0;
    // Passes one image byte to the keyboard; false when the request fails.
    virtual bool WriteImageByte(std::uint8_t byte) = 0;
    virtual void Close() = 0;
};

// The clock that paces a write. Tests give a fake one, so a whole write runs
// in milliseconds and every pause can still be checked.
class PacingClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~PacingClock() = default;
    virtual TimePoint Now() = 0;
    virtual void SleepUntil(TimePoint deadline) = 0;
    // Bracket a write, for clocks that must raise the timer resolution.
    virtual void BeginPacing() {}
    virtual void EndPacing() {}
};

// The steady clock with the finest sleep the platform offers (on Windows the
// timer resolution is raised to 1 ms while a write runs; a plain sleep there
// would wait a whole scheduler tick of about 15 ms).
class SystemPacingClock : public PacingClock {
public:
    TimePoint Now() override;
    void SleepUntil(TimePoint deadline) override;
    void BeginPacing() override;
    void EndPacing() override;

private:
    long savedTimerSlack = 0;
};

// How a write reports itself and how its caller stops it.
struct WriteProgress {
    // Called synchronously about every hundredth of the image, before the byte
    // is sent; the write waits until it returns. May be empty.
    std::function<void()> step;
    // When set (from any thread), the write stops before its next byte and the
    // device is closed; the keyboard keeps the bytes already sent.
    const std::atomic<bool>* stop = nullptr;
    // When set: the image's size once known, and the count of bytes the
    // keyboard took so far, for the message that ends a broken write.
    std::atomic<int>* bytesTotal = nullptr;
    std::atomic<int>* bytesSent = nullptr;
};

// The least time between the end of one byte request and the next request.
inline constexpr std::chrono::milliseconds kBytePause{3};

// Why asking the keyboard its type found none.
enum class DetectError {
    UnknownType,   // it answered a number that is no type
    NoDevice,      // the device could not be opened
    RequestFailed, // the request failed or returned no byte
};

// What asking the keyboard its type found: the keyboard, or why not.
class Detection {
public:
    static Detection Of(DeviceKeyboard keyboard) { return Detection(keyboard, {}); }
    static Detection Failed(DetectError error) { return Detection(std::nullopt, error); }

    bool Answered() const { return keyboard_.has_value(); }
    const std::optional<DeviceKeyboard>& Keyboard() const { return keyboard_; }
    // Only for a keyboard that did not answer with a type.
    DetectError Error() const { return error_; }
    friend bool operator==(const Detection&, const Detection&) = default;

private:
    Detection(std::optional<DeviceKeyboard> keyboard, DetectError error)
        : keyboard_(keyboard), error_(error) {}
    std::optional<DeviceKeyboard> keyboard_;
    DetectError error_{};
};

// Results of WriteDeviceImage.
enum WriteResult : int {
    WriteOk = 0,
    WriteNoDevice = -1,
    WriteRequestFailed = -2,
    WriteNoImage = -3,
    WriteStopped = -4,
};

// Opens the device, asks the keyboard type and closes the device again.
Detection DetectKeyboardType(KeyboardDriver& driver);

// Sends size bytes of image, one request per byte, at least kBytePause apart,
// with a progress step whenever the count of bytes still to send (this one
// included) is a multiple of size / 100. An image under 100 bytes has a step
// for every byte. Size 0 does nothing at all. The device is closed on every
// path on which it was opened. Returns a WriteResult.
int WriteDeviceImage(KeyboardDriver& driver, const std::uint8_t* image, int size,
                     const WriteProgress& progress, PacingClock& clock);

// The progress step of an image size: never 0.
int ProgressStepOf(int size);

} // namespace vorlan
