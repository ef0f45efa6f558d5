// The type a keyboard answers when asked (and "/T" gives the engine): which
// images it takes. Not the settings' key count (KeyboardSize), which is what
// the layout is drawn for.
#pragma once

#include "layout/LayoutType.h"

#include <optional>

namespace vorlan {

enum class DeviceKeyboard {
    SevenThreeScan = 0, // takes 7/3scan images of 56 or 112 keys
    Single16 = 1,       // 56 keys, 16scan
    Double16 = 2,       // 112 keys, 16scan
};

// The keyboard of an answered or given number; nullopt for any other number.
constexpr std::optional<DeviceKeyboard> DeviceKeyboardFromNumber(int number) {
    if (number < static_cast<int>(DeviceKeyboard::SevenThreeScan) ||
        number > static_cast<int>(DeviceKeyboard::Double16)) {
        return std::nullopt;
    }
    return static_cast<DeviceKeyboard>(number);
}

// The number as the keyboard answers it and the log keeps it.
constexpr int NumberOf(DeviceKeyboard keyboard) {
    return static_cast<int>(keyboard);
}

// The keyboard an image of a layout type is for.
constexpr DeviceKeyboard KeyboardFor(LayoutType type) {
    switch (type) {
    case LayoutType::Single16:
        return DeviceKeyboard::Single16;
    case LayoutType::Double16:
        return DeviceKeyboard::Double16;
    case LayoutType::Single73:
    case LayoutType::Double73:
        break;
    }
    return DeviceKeyboard::SevenThreeScan;
}

} // namespace vorlan
