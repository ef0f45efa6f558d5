// The keyboard settings dialog's values, as the editor and the dialog exchange them.
#pragma once

namespace vorlan {

// The keyboard settings dialog's values. keyboardType: 0 single (56 keys),
// 1 double (112 keys). The dialog validates keysPause (1..255) itself.
struct KeyboardSettingsValues {
    int keyboardType = 0;
    int keysType = 0;
    int keyBeep = 0;
    int keyDelay = 2;
    int typematicRate = 11;
    int keysPause = 3;
    friend bool operator==(const KeyboardSettingsValues&, const KeyboardSettingsValues&) = default;
};

} // namespace vorlan
