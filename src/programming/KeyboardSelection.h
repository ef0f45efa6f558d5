// Which keyboard a run talks to: the device file by default, the emulated
// keyboard only when asked for by name ("emulator:N" in VORLAN_DEVICE or a
// command-line option), never silently in place of a missing device.
#pragma once

#include "programming/EmulatedKeyboard.h"
#include "programming/KeyboardDriver.h"

#include <memory>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr const char* kDeviceVariable = "VORLAN_DEVICE";

struct KeyboardSelection {
    enum class Kind { DeviceFile, Emulator, Invalid };
    Kind kind = Kind::DeviceFile;
    std::string devicePath;   // DeviceFile, and the offending text for Invalid
    int emulatedType = 0;     // Emulator: 0, 1 or 2
    EmulatorFaults faults;    // Emulator: the faults it was asked to show
    std::string receivedPath; // Emulator: where each run's received bytes are saved
};

// Reads a VORLAN_DEVICE value: null or empty is the platform's device path,
// "emulator:N[,option...]" with N 0, 1 or 2 the emulated keyboard, any other "emulator:"
// text is Invalid, anything else a device path.
KeyboardSelection SelectKeyboard(const char* setting);
KeyboardSelection SelectKeyboardFromEnvironment();

// The emulated type N of an "--emulate N" style argument: exactly one digit 0..2.
bool ParseEmulatedType(std::string_view text, int& type);
// "N" or "N,option,..." (see ParseEmulatorFaults): the type and its faults.
bool ParseEmulatorOptions(std::string_view text, int& type, EmulatorFaults& faults);

// The driver of a selection. An Invalid selection gives a device that cannot
// be opened, so a run reports "Vorlan driver error." rather than guessing.
std::unique_ptr<KeyboardDriver> MakeKeyboardDriver(const KeyboardSelection& selection);

} // namespace vorlan
