// Helpers of the programming tests: layout files as the writer words them,
// a temporary folder, and a clock that only moves when told to.
#pragma once

#include "programming/EmulatedKeyboard.h"
#include "programming/KeyboardDriver.h"
#include "testing/TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace vorlan::test {

// One fault of the emulated keyboard each.
inline EmulatorFaults DeviceMissing() {
    EmulatorFaults f;
    f.deviceMissing = true;
    return f;
}
inline EmulatorFaults TypeRequestFails() {
    EmulatorFaults f;
    f.typeRequestFails = true;
    return f;
}
inline EmulatorFaults TypeRequestReturnsNothing() {
    EmulatorFaults f;
    f.typeRequestReturnsNothing = true;
    return f;
}
inline EmulatorFaults TypeAnswer(std::uint8_t type) {
    EmulatorFaults f;
    f.typeAnswer = type;
    return f;
}
inline EmulatorFaults FailWriteAt(std::size_t byte) {
    EmulatorFaults f;
    f.failWriteAt = byte;
    return f;
}

// The text of a layout file for type number 56, 57, 112 or 113 in the
// writer's words (CR LF, "; " and ", " separators, 112 key lines). Key k gets
// KeyCode(k, i) as code i (from 0), KeyFlags(k) and, in 16scan files,
// KeyGroup(k); codes past the family's count are left out.
inline std::uint8_t KeyCode(int k, int i) {
    return i < k % 5 ? static_cast<std::uint8_t>((k * 3 + i * 17) % 250 + 1) : 0;
}
inline std::uint8_t KeyFlags(int k) {
    return static_cast<std::uint8_t>(k % 16);
}
inline std::uint8_t KeyGroup(int k) {
    return static_cast<std::uint8_t>(k % 7);
}

struct HeaderValues {
    int keysType = 1;
    int keyBeep = 0;
    int keyDelay = 2;
    int typematicRate = 11;
    int rfidFlags = 149;
    int prefix = 18;
    int suffix = 90;
    int keysPause = 3;
};

inline std::string LayoutText(int typeNumber, const HeaderValues& h = {}) {
    const bool sixteen = typeNumber == 57 || typeNumber == 113;
    const int codes = sixteen ? 16 : (typeNumber == 56 ? 7 : 3);
    std::string text = std::to_string(typeNumber) + "; " + std::to_string(h.keysType) + "; " +
                       std::to_string(h.keyBeep) + "; " + std::to_string(h.keyDelay) + "; " +
                       std::to_string(h.typematicRate);
    if (sixteen) {
        text += "; " + std::to_string(h.rfidFlags) + "; " + std::to_string(h.prefix) + "; " +
                std::to_string(h.suffix) + "; " + std::to_string(h.keysPause);
    }
    text += "\r\n";
    for (int k = 1; k <= 112; ++k) {
        text += std::to_string(k) + "; ";
        for (int i = 0; i < codes; ++i) {
            text += (i > 0 ? ", " : "") + std::to_string(KeyCode(k, i));
        }
        text += "; " + std::to_string(KeyFlags(k)) + ";";
        if (sixteen) {
            text += std::to_string(KeyGroup(k)) + ";";
        }
        text += (k % 5 == 0 ? "KEY" : "Key ") + std::to_string(k) + "\r\n";
    }
    return text;
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Time stands still unless a sleep or the test moves it.
class FakeClock : public PacingClock {
public:
    TimePoint Now() override { return now; }
    void SleepUntil(TimePoint deadline) override {
        deadlines.push_back(deadline);
        if (deadline > now) {
            now = deadline;
        }
    }
    void BeginPacing() override { ++begun; }
    void EndPacing() override { ++ended; }
    void Advance(std::chrono::microseconds by) { now += by; }

    TimePoint now{};
    std::vector<TimePoint> deadlines;
    int begun = 0;
    int ended = 0;
};

} // namespace vorlan::test
