// A keyboard in software: it answers as a keyboard of type 0, 1 or 2, records
// every byte it receives and can take them apart into keys again. It is how
// the program is tried without the hardware, and the fault injector of tests.
#pragma once

#include "common/FileWriter.h"
#include "programming/DeviceImage.h"
#include "programming/KeyboardDriver.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

struct EmulatorFaults {
    bool deviceMissing = false;             // Open fails
    bool typeRequestFails = false;          // the type request fails
    bool typeRequestReturnsNothing = false; // the type request returns no byte
    std::optional<std::uint8_t> typeAnswer; // answered instead of the keyboard's type
    std::size_t failWriteAt = 0;            // the write request of this byte (from 1) fails
    std::size_t hangAt = 0;            // this byte's request gets no answer (waits out the timeout)
    std::size_t vanishAt = 0;          // unplugged at this byte: it and every later request fail
    std::chrono::milliseconds slow{0}; // each write request takes this long
    std::chrono::milliseconds timeout{2000}; // a request unanswered this long fails
    // A station's keyboards: the first answers only from this detection on
    // (plugged in late), and after each whole write this many detections
    // find no keyboard (taken away, the next one plugged in).
    std::size_t late = 0;
    std::size_t away = 0;

    friend bool operator==(const EmulatorFaults&, const EmulatorFaults&) = default;
};

// Reads the fault options of an "emulator:N,option,..." setting: fail-at=K,
// hang-at=K, vanish-at=K (bytes counted from 1), slow=MS, timeout=MS,
// late=N, away=N and missing. False, with faults unchanged, for anything else.
bool ParseEmulatorFaults(std::string_view options, EmulatorFaults& faults);

class EmulatedKeyboard : public KeyboardDriver {
public:
    explicit EmulatedKeyboard(int keyboardType, EmulatorFaults faults = {});

    bool Open() override;
    DriverFault LastFault() const override { return lastFault; }
    void Abort() override;
    bool RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) override;
    bool WriteImageByte(std::uint8_t byte) override;
    void Close() override;

    int KeyboardType() const { return keyboardType; }
    EmulatorFaults& Faults() { return faults; }

    // Every byte that reached the keyboard, in order, over all writes.
    const std::vector<std::uint8_t>& Received() const { return received; }
    // The received bytes read as an image of the given type, in the order a
    // double keyboard receives it. False when they do not form one.
    bool ReceivedImage(LayoutType type, DecodedImage& decoded) const;

    bool IsOpen() const { return open; }
    int OpenAttempts() const { return openAttempts; }
    int OpenCount() const { return openCount; }
    int CloseCount() const { return closeCount; }
    int TypeRequestCount() const { return typeRequests; }
    int WriteRequestCount() const { return writeRequests; }
    // Requests made on a closed device, a second Open, a Close without Open.
    const std::vector<std::string>& ProtocolErrors() const { return protocolErrors; }

    // Stamps every write request with the clock's time (see RequestTimes).
    void SetClock(PacingClock* stamps) { clock = stamps; }
    const std::vector<PacingClock::TimePoint>& RequestTimes() const { return requestTimes; }
    // Writes every byte received so far to path, never over one of inputs.
    FileWriteResult SaveReceived(const std::string& path, const InputFiles& inputs = {}) const;
    // Saves the received bytes to path on every Close, so a run in a window
    // can be checked from outside.
    void SetReceivedFile(std::string path) { receivedFile = std::move(path); }

    // Called after every write request with the count of requests so far.
    void SetAfterWrite(std::function<void(std::size_t)> hook) { afterWrite = std::move(hook); }

private:
    int keyboardType;
    EmulatorFaults faults;
    bool open = false;
    int openAttempts = 0;
    int openCount = 0;
    int closeCount = 0;
    int typeRequests = 0;
    int writeRequests = 0;
    std::vector<std::uint8_t> received;
    std::vector<std::string> protocolErrors;
    PacingClock* clock = nullptr;
    std::vector<PacingClock::TimePoint> requestTimes;
    std::function<void(std::size_t)> afterWrite;
    std::string receivedFile;
    DriverFault lastFault = DriverFault::Failed;
    bool vanished = false;
    std::size_t absentFor = 0; // detections still to find no keyboard
    int writesSinceOpen = 0;
    bool writeFailedSinceOpen = false; // a broken write keeps the keyboard for a retry

    // Waits up to limit, or until Abort; true when the whole time passed.
    bool Wait(std::chrono::milliseconds limit);
    std::mutex abortMutex;
    std::condition_variable abortSignal;
    bool aborted = false;
};

} // namespace vorlan
