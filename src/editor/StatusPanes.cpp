#include "editor/StatusPanes.h"

#include <string>

namespace vorlan {

void StatusPanes::Fill() const {
    const KeyboardSettings& s = doc_.settings;
    view_.SetStatusPane(
        0, {s.keyCount == kBlockKeys ? StringId::PaneKeyboardSingle : StringId::PaneKeyboardDouble,
            {}});
    view_.SetStatusPane(
        1, {s.keysType != 0 ? StringId::PaneKeysTypematic : StringId::PaneKeysMakeBreak, {}});
    view_.SetStatusPane(2, {s.keyBeep != 0 ? StringId::PaneBeepOn : StringId::PaneBeepOff, {}});
    view_.SetStatusPane(3, {StringId::PaneKeyDelay, {std::to_string(s.keyDelay)}});
    view_.SetStatusPane(4, {StringId::PaneKeyRate, {std::to_string(s.typematicRate)}});
    ShowPointer();
}

// Panes 5 and 6 name the key under the pointer as it is now: after a rename,
// paste, drag, undo or reload as much as after a move.
void StatusPanes::ShowPointer() const {
    if (pointerSlot_ >= 1 && pointerSlot_ <= doc_.KeysInUse()) {
        view_.SetStatusPane(6, {StringId::PaneName,
                                {doc_.keys[static_cast<std::size_t>(pointerSlot_)].name.str()}});
        view_.SetStatusPane(5, {StringId::PaneNumber, {std::to_string(pointerSlot_)}});
    } else {
        view_.SetStatusPane(6, {StringId::PaneNameNone, {}});
        view_.SetStatusPane(5, {StringId::PaneNumberNone, {}});
    }
}

} // namespace vorlan
