// Turns a platform key press into what the capture needs: Pause / Num Lock /
// other, the set-1 scan code and the 0xE0 flag, as a PC keyboard reports them.
#pragma once

#include "scancodes/ScanCodeCapture.h"

#include <Qt>
#include <cstdint>
#include <functional>
#include <optional>

class QEvent;
class QKeyEvent;

namespace vorlan {

// X11 and Wayland: the native scan code is the Linux input-event code + 8.
// Alt turns Print into Sys_Req and Ctrl turns Pause into Break, as the
// keyboard itself does.
std::optional<KeyDownEvent> KeyDownFromLinuxKeyCode(std::uint32_t inputEventCode,
                                                    Qt::KeyboardModifiers modifiers);

// The other way round, for keyboards in software that type key events: the
// Linux input-event code of a press; empty when no key reports it.
std::optional<std::uint32_t> LinuxKeyCodeOf(const KeyDownEvent& press);

// Windows: the native scan code holds the set-1 code with 0x100 as the
// extended flag; the virtual key tells Pause and Num Lock apart.
std::optional<KeyDownEvent> KeyDownFromWindowsScanCode(std::uint32_t nativeScanCode,
                                                       std::uint32_t virtualKey);

// Elsewhere, or when no native code came with the event: the Qt key, read as
// the key of a US layout (left-hand modifiers, keypad keys by their modifier).
std::optional<KeyDownEvent> KeyDownFromQtKey(int key, Qt::KeyboardModifiers modifiers);

// Picks the mapping of the platform the program runs on. Empty for keys that
// have no set-1 code.
std::optional<KeyDownEvent> KeyDownFromEvent(const QKeyEvent& event);

// For widgets that take every key as a keystroke: claims key events before
// shortcuts, mnemonics and default buttons see them (handled in event(),
// since keyPressEvent never sees Tab) and hands each press to onPress.
// False for events that are not key events.
bool ClaimKeyEvent(QEvent* event, const std::function<void(const QKeyEvent&)>& onPress);

} // namespace vorlan
