#include "programming/KeyboardSelection.h"

#include "common/FilePath.h"
#include "programming/DeviceFileDriver.h"
#include "programming/EmulatedKeyboard.h"

#include <cstdlib>

namespace vorlan {
namespace {

constexpr std::string_view kEmulatorPrefix = "emulator:";

} // namespace

bool ParseEmulatedType(std::string_view text, int& type) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '2') {
        return false;
    }
    type = text[0] - '0';
    return true;
}

bool ParseEmulatorOptions(std::string_view text, int& type, EmulatorFaults& faults) {
    const std::size_t comma = text.find(',');
    int parsedType = 0;
    EmulatorFaults parsed;
    if (!ParseEmulatedType(text.substr(0, comma), parsedType) ||
        (comma != std::string_view::npos &&
         (comma + 1 == text.size() || !ParseEmulatorFaults(text.substr(comma + 1), parsed)))) {
        return false;
    }
    type = parsedType;
    faults = parsed;
    return true;
}

KeyboardSelection SelectKeyboard(const char* setting) {
    KeyboardSelection selection;
    const std::string_view value = setting != nullptr ? setting : "";
    if (value.empty()) {
        selection.devicePath = DeviceFileDriver::DefaultPath();
        return selection;
    }
    if (value.starts_with(kEmulatorPrefix)) {
        if (ParseEmulatorOptions(value.substr(kEmulatorPrefix.size()), selection.emulatedType,
                                 selection.faults)) {
            selection.kind = KeyboardSelection::Kind::Emulator;
        } else {
            selection.kind = KeyboardSelection::Kind::Invalid;
            selection.devicePath = std::string(value);
        }
        return selection;
    }
    selection.devicePath = std::string(value);
    return selection;
}

KeyboardSelection SelectKeyboardFromEnvironment() {
    return SelectKeyboard(EnvironmentText(kDeviceVariable).c_str());
}

std::unique_ptr<KeyboardDriver> MakeKeyboardDriver(const KeyboardSelection& selection) {
    if (selection.kind == KeyboardSelection::Kind::Emulator) {
        auto emulator =
            std::make_unique<EmulatedKeyboard>(selection.emulatedType, selection.faults);
        emulator->SetReceivedFile(selection.receivedPath);
        return emulator;
    }
    if (selection.kind == KeyboardSelection::Kind::Invalid) {
        EmulatorFaults missing;
        missing.deviceMissing = true;
        return std::make_unique<EmulatedKeyboard>(0, missing);
    }
    return std::make_unique<DeviceFileDriver>(selection.devicePath);
}

} // namespace vorlan
