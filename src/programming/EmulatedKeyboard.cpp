#include "programming/EmulatedKeyboard.h"

#include <fstream>
#include <utility>

namespace vorlan {

EmulatedKeyboard::EmulatedKeyboard(int keyboardType, EmulatorFaults faults)
    : keyboardType(keyboardType), faults(std::move(faults)) {}

bool EmulatedKeyboard::Open() {
    ++openAttempts;
    if (open) {
        protocolErrors.emplace_back("Open while open");
    }
    if (faults.deviceMissing) {
        return false;
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
    if (clock != nullptr) {
        requestTimes.push_back(clock->Now());
    }
    bool ok = true;
    if (!open) {
        protocolErrors.emplace_back("write request on a closed device");
        ok = false;
    } else if (faults.failWriteAt != 0 &&
               static_cast<std::size_t>(writeRequests) == faults.failWriteAt) {
        ok = false;
    } else {
        received.push_back(byte);
    }
    if (afterWrite) {
        afterWrite(static_cast<std::size_t>(writeRequests));
    }
    return ok;
}

void EmulatedKeyboard::Close() {
    if (!open) {
        protocolErrors.emplace_back("Close without Open");
        return;
    }
    open = false;
    ++closeCount;
    if (!receivedFile.empty()) {
        SaveReceived(receivedFile);
    }
}

bool EmulatedKeyboard::SaveReceived(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(received.data()),
              static_cast<std::streamsize>(received.size()));
    out.close();
    return static_cast<bool>(out);
}

bool EmulatedKeyboard::ReceivedImage(std::uint8_t typeNumber, DecodedImage& decoded) const {
    return DecodeDeviceImage(received, typeNumber, typeNumber == 112 || typeNumber == 113, decoded);
}

} // namespace vorlan
