#include "programming/EmulatedKeyboard.h"

#include <charconv>
#include <fstream>
#include <system_error>
#include <utility>

namespace vorlan {

EmulatedKeyboard::EmulatedKeyboard(int type, EmulatorFaults playedFaults)
    : keyboardType(type), faults(std::move(playedFaults)), absentFor(faults.late) {}

bool EmulatedKeyboard::Open() {
    ++openAttempts;
    if (open) {
        protocolErrors.emplace_back("Open while open");
    }
    if (faults.deviceMissing || vanished) {
        return false;
    }
    if (absentFor > 0) {
        --absentFor;
        return false;
    }
    writesSinceOpen = 0;
    writeFailedSinceOpen = false;
    {
        const std::lock_guard lock(abortMutex);
        aborted = false;
    }
    open = true;
    ++openCount;
    return true;
}

bool EmulatedKeyboard::RequestKeyboardType(std::uint8_t& type, std::uint32_t& bytesReturned) {
    ++typeRequests;
    bytesReturned = 0;
    if (!open) {
        protocolErrors.emplace_back("type request on a closed device");
        return false;
    }
    if (faults.typeRequestFails) {
        return false;
    }
    if (faults.typeRequestReturnsNothing) {
        return true;
    }
    type = faults.typeAnswer ? *faults.typeAnswer : static_cast<std::uint8_t>(keyboardType);
    bytesReturned = 1;
    return true;
}

bool EmulatedKeyboard::WriteImageByte(std::uint8_t byte) {
    ++writeRequests;
    ++writesSinceOpen;
    if (clock != nullptr) {
        requestTimes.push_back(clock->Now());
    }
    const auto index = static_cast<std::size_t>(writeRequests);
    bool ok = true;
    lastFault = DriverFault::Failed;
    if (faults.vanishAt != 0 && index >= faults.vanishAt) {
        vanished = true;
    }
    if (!open) {
        protocolErrors.emplace_back("write request on a closed device");
        ok = false;
    } else if (vanished) {
        lastFault = DriverFault::Gone;
        ok = false;
    } else if (faults.failWriteAt != 0 && index == faults.failWriteAt) {
        ok = false;
    } else if (faults.hangAt != 0 && index == faults.hangAt) {
        Wait(faults.timeout);
        lastFault = DriverFault::NotAnswering;
        ok = false;
    } else if (faults.slow.count() > 0 && faults.slow >= faults.timeout) {
        Wait(faults.timeout);
        lastFault = DriverFault::NotAnswering;
        ok = false;
    } else if (faults.slow.count() > 0 && !Wait(faults.slow)) {
        ok = false; // given up by Abort
    } else {
        received.push_back(byte);
    }
    writeFailedSinceOpen = writeFailedSinceOpen || !ok;
    if (afterWrite) {
        afterWrite(static_cast<std::size_t>(writeRequests));
    }
    return ok;
}

void EmulatedKeyboard::Abort() {
    {
        const std::lock_guard lock(abortMutex);
        aborted = true;
    }
    abortSignal.notify_all();
}

bool EmulatedKeyboard::Wait(std::chrono::milliseconds limit) {
    std::unique_lock lock(abortMutex);
    return !abortSignal.wait_for(lock, limit, [this] { return aborted; });
}

bool ParseEmulatorFaults(std::string_view options, EmulatorFaults& faults) {
    EmulatorFaults parsed = faults;
    while (!options.empty()) {
        const std::size_t comma = options.find(',');
        const std::string_view option = options.substr(0, comma);
        options = comma == std::string_view::npos ? std::string_view() : options.substr(comma + 1);
        if (option == "missing") {
            parsed.deviceMissing = true;
            continue;
        }
        const std::size_t equals = option.find('=');
        if (equals == std::string_view::npos) {
            return false;
        }
        const std::string_view name = option.substr(0, equals);
        const std::string_view text = option.substr(equals + 1);
        std::size_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
            value > 100'000'000) {
            return false;
        }
        if (name == "fail-at") {
            parsed.failWriteAt = value;
        } else if (name == "hang-at") {
            parsed.hangAt = value;
        } else if (name == "vanish-at") {
            parsed.vanishAt = value;
        } else if (name == "slow") {
            parsed.slow = std::chrono::milliseconds(value);
        } else if (name == "timeout") {
            parsed.timeout = std::chrono::milliseconds(value);
        } else if (name == "late") {
            parsed.late = value;
        } else if (name == "away") {
            parsed.away = value;
        } else {
            return false;
        }
    }
    faults = parsed;
    return true;
}

void EmulatedKeyboard::Close() {
    if (!open) {
        protocolErrors.emplace_back("Close without Open");
        return;
    }
    open = false;
    ++closeCount;
    if (writesSinceOpen > 0 && !writeFailedSinceOpen) {
        absentFor = faults.away;
    }
    if (!receivedFile.empty()) {
        SaveReceived(receivedFile);
    }
}

FileWriteResult EmulatedKeyboard::SaveReceived(const std::string& path,
                                               const InputFiles& inputs) const {
    return ReplaceFile(
        path, std::string_view(reinterpret_cast<const char*>(received.data()), received.size()),
        inputs);
}

bool EmulatedKeyboard::ReceivedImage(LayoutType type, DecodedImage& decoded) const {
    return DecodeDeviceImage(received, type, IsDouble(type), decoded);
}

} // namespace vorlan
