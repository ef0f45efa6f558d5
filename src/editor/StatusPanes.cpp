#include "editor/StatusPanes.h"

#include <string>

namespace vorlan {

void StatusPanes::Fill() const {
    const KeyboardSettings& s = doc_.settings;
    view_.SetStatusPane(
        StatusPane::Keyboard,
        {s.keyCount == kBlockKeys ? StringId::PaneKeyboardSingle : StringId::PaneKeyboardDouble,
         {}});
    view_.SetStatusPane(
        StatusPane::KeysType,
        {s.keysType != 0 ? StringId::PaneKeysTypematic : StringId::PaneKeysMakeBreak, {}});
    view_.SetStatusPane(StatusPane::KeyBeep,
                        {s.keyBeep != 0 ? StringId::PaneBeepOn : StringId::PaneBeepOff, {}});
    view_.SetStatusPane(StatusPane::KeyDelay,
                        {StringId::PaneKeyDelay, {std::to_string(s.keyDelay)}});
    view_.SetStatusPane(StatusPane::KeyRate,
                        {StringId::PaneKeyRate, {std::to_string(s.typematicRate)}});
    ShowPointer();
}

// The number and name panes name the key under the pointer as it is now: after a rename,
// paste, drag, undo or reload as much as after a move.
void StatusPanes::ShowPointer() const {
    if (pointerSlot_ >= 1 && pointerSlot_ <= doc_.KeysInUse()) {
        view_.SetStatusPane(StatusPane::PointerName,
                            {StringId::PaneName,
                             {Latin1Text(doc_.keys[static_cast<std::size_t>(pointerSlot_)].name)}});
        view_.SetStatusPane(StatusPane::PointerNumber,
                            {StringId::PaneNumber, {std::to_string(pointerSlot_)}});
    } else {
        view_.SetStatusPane(StatusPane::PointerName, {StringId::PaneNameNone, {}});
        view_.SetStatusPane(StatusPane::PointerNumber, {StringId::PaneNumberNone, {}});
    }
}

} // namespace vorlan
