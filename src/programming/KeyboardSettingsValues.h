// The keyboard settings dialog's values, as the editor and the dialog exchange them.
#pragma once

#include "layout/SlotGeometry.h"

#include <optional>

namespace vorlan {

// What the layout is drawn for: one block of 56 keys or both (112). Not the
// type a keyboard answers (DeviceKeyboard).
enum class KeyboardSize { Single = 0, Double = 1 };

// The size of the dialog's button id; nullopt for any other id.
constexpr std::optional<KeyboardSize> KeyboardSizeFromNumber(int number) {
    if (number == static_cast<int>(KeyboardSize::Single)) {
        return KeyboardSize::Single;
    }
    if (number == static_cast<int>(KeyboardSize::Double)) {
        return KeyboardSize::Double;
    }
    return std::nullopt;
}

// The dialog's button id.
constexpr int NumberOf(KeyboardSize size) {
    return static_cast<int>(size);
}

constexpr int KeyCountOf(KeyboardSize size) {
    return size == KeyboardSize::Double ? kMaxKeys : kBlockKeys;
}

// The keyboard settings dialog's values. The dialog validates keysPause
// (1..255) itself.
struct KeyboardSettingsValues {
    KeyboardSize keyboard = KeyboardSize::Single;
    int keysType = 0;
    int keyBeep = 0;
    int keyDelay = 2;
    int typematicRate = 11;
    int keysPause = 3;
    friend bool operator==(const KeyboardSettingsValues&, const KeyboardSettingsValues&) = default;
};

} // namespace vorlan
