#include "scancodes/ui/KeyEventMapping.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>

namespace vorlan {

namespace {

// Linux input-event codes that differ from set 1 or need the 0xE0 flag.
constexpr std::uint32_t kInputKpEnter = 96;
constexpr std::uint32_t kInputNumLock = 69;
constexpr std::uint32_t kInputSysRq = 99;
constexpr std::uint32_t kInputPause = 119;

struct ExtendedInputKey {
    std::uint32_t inputCode;
    std::uint32_t set1;
};

constexpr std::array<ExtendedInputKey, 18> kExtendedInputKeys = {{
    {kInputKpEnter, 0x1C}, // keypad Enter
    {97, 0x1D},            // right Ctrl
    {98, 0x35},            // keypad /
    {kInputSysRq, 0x37},   // Print
    {100, 0x38},           // right Alt
    {102, 0x47},           // Home
    {103, 0x48},           // Up
    {104, 0x49},           // Page Up
    {105, 0x4B},           // Left
    {106, 0x4D},           // Right
    {107, 0x4F},           // End
    {108, 0x50},           // Down
    {109, 0x51},           // Page Down
    {110, 0x52},           // Insert
    {111, 0x53},           // Delete
    {125, 0x5B},           // left Super
    {126, 0x5C},           // right Super
    {127, 0x5D},           // Menu
}};

constexpr std::uint32_t kVkPause = 0x13;
constexpr std::uint32_t kVkNumLock = 0x90;

KeyDownEvent Plain(std::uint32_t set1) {
    return {KeyIdentity::Other, set1, false};
}
KeyDownEvent Extended(std::uint32_t set1) {
    return {KeyIdentity::Other, set1, true};
}

#ifndef Q_OS_WIN
bool UsesLinuxKeyCodes() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")) ||
           platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}
#endif

} // namespace

std::optional<KeyDownEvent> KeyDownFromLinuxKeyCode(std::uint32_t inputEventCode,
                                                    Qt::KeyboardModifiers modifiers) {
    const bool altHeld = modifiers.testFlag(Qt::AltModifier);
    if (inputEventCode == kInputPause) {
        if (modifiers.testFlag(Qt::ControlModifier)) {
            return Extended(0x46); // Break
        }
        return KeyDownEvent{KeyIdentity::Pause, 0x45, false};
    }
    if (inputEventCode == kInputNumLock) {
        return KeyDownEvent{KeyIdentity::NumLock, 0x45, false};
    }
    if (inputEventCode == kInputSysRq && altHeld) {
        return Plain(0x54);
    }
    // The input-event codes of the main block, the keypad and F11/F12 were
    // taken from set 1 and still equal it.
    if ((inputEventCode >= 1 && inputEventCode <= 83) || inputEventCode == 86 ||
        inputEventCode == 87 || inputEventCode == 88) {
        return Plain(inputEventCode);
    }
    for (const ExtendedInputKey& key : kExtendedInputKeys) {
        if (key.inputCode == inputEventCode) {
            return Extended(key.set1);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> LinuxKeyCodeOf(const KeyDownEvent& press) {
    if (press.key == KeyIdentity::NumLock) {
        return kInputNumLock;
    }
    if (press.key == KeyIdentity::Pause) {
        return kInputPause;
    }
    if (!press.extended) {
        const std::uint32_t s = press.scanCode;
        if ((s >= 1 && s <= 83 && s != kInputNumLock) || s == 86 || s == 87 || s == 88) {
            return s;
        }
        return std::nullopt;
    }
    for (const ExtendedInputKey& key : kExtendedInputKeys) {
        // Print without Alt is the only press the SysRq code stands for.
        if (key.set1 == press.scanCode) {
            return key.inputCode;
        }
    }
    return std::nullopt;
}

std::optional<KeyDownEvent> KeyDownFromWindowsScanCode(std::uint32_t nativeScanCode,
                                                       std::uint32_t virtualKey) {
    KeyDownEvent event{KeyIdentity::Other, nativeScanCode & 0xFF, (nativeScanCode & 0x100) != 0};
    if (virtualKey == kVkPause) {
        event.key = KeyIdentity::Pause;
    } else if (virtualKey == kVkNumLock) {
        event.key = KeyIdentity::NumLock;
    } else if (event.scanCode == 0) {
        return std::nullopt;
    }
    return event;
}

std::optional<KeyDownEvent> KeyDownFromQtKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (key == Qt::Key_Pause) {
        if (modifiers.testFlag(Qt::ControlModifier)) {
            return Extended(0x46); // Break, as the keyboard reports Ctrl+Pause
        }
        return KeyDownEvent{KeyIdentity::Pause, 0x45, false};
    }
    if (key == Qt::Key_NumLock) {
        return KeyDownEvent{KeyIdentity::NumLock, 0x45, false};
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F10) {
        return Plain(0x3B + static_cast<std::uint32_t>(key - Qt::Key_F1));
    }
    if (keypad) {
        switch (key) {
        case Qt::Key_Enter:
            return Extended(0x1C);
        case Qt::Key_Slash:
            return Extended(0x35);
        case Qt::Key_Asterisk:
            return Plain(0x37);
        case Qt::Key_Minus:
            return Plain(0x4A);
        case Qt::Key_Plus:
            return Plain(0x4E);
        case Qt::Key_7:
        case Qt::Key_Home:
            return Plain(0x47);
        case Qt::Key_8:
        case Qt::Key_Up:
            return Plain(0x48);
        case Qt::Key_9:
        case Qt::Key_PageUp:
            return Plain(0x49);
        case Qt::Key_4:
        case Qt::Key_Left:
            return Plain(0x4B);
        case Qt::Key_5:
        case Qt::Key_Clear:
            return Plain(0x4C);
        case Qt::Key_6:
        case Qt::Key_Right:
            return Plain(0x4D);
        case Qt::Key_1:
        case Qt::Key_End:
            return Plain(0x4F);
        case Qt::Key_2:
        case Qt::Key_Down:
            return Plain(0x50);
        case Qt::Key_3:
        case Qt::Key_PageDown:
            return Plain(0x51);
        case Qt::Key_0:
        case Qt::Key_Insert:
            return Plain(0x52);
        case Qt::Key_Period:
        case Qt::Key_Comma:
        case Qt::Key_Delete:
            return Plain(0x53);
        default:
            break;
        }
    }
    // Letters and punctuation by their place on a US keyboard.
    // Qt reports the shifted symbol, so each row is listed in both forms.
    static constexpr std::string_view kDigits = "1234567890-=";
    static constexpr std::string_view kShiftedDigits = "!@#$%^&*()_+";
    static constexpr std::string_view kRowQ = "QWERTYUIOP[]";
    static constexpr std::string_view kShiftedRowQ = "QWERTYUIOP{}";
    static constexpr std::string_view kRowA = "ASDFGHJKL;'`";
    static constexpr std::string_view kShiftedRowA = "ASDFGHJKL:\"~";
    static constexpr std::string_view kRowZ = "ZXCVBNM,./";
    static constexpr std::string_view kShiftedRowZ = "ZXCVBNM<>?";
    if (key >= 0x20 && key < 0x7F) {
        const char c = static_cast<char>(key);
        struct Row {
            std::string_view plain;
            std::string_view shifted;
            std::uint32_t firstSet1;
        };
        static constexpr std::array<Row, 4> kRows = {{{kDigits, kShiftedDigits, 0x02},
                                                      {kRowQ, kShiftedRowQ, 0x10},
                                                      {kRowA, kShiftedRowA, 0x1E},
                                                      {kRowZ, kShiftedRowZ, 0x2C}}};
        for (const Row& row : kRows) {
            for (std::string_view chars : {row.plain, row.shifted}) {
                if (const auto i = chars.find(c); i != std::string_view::npos) {
                    return Plain(row.firstSet1 + static_cast<std::uint32_t>(i));
                }
            }
        }
        if (c == '\\' || c == '|') {
            return Plain(0x2B);
        }
        if (c == ' ') {
            return Plain(0x39);
        }
        return std::nullopt;
    }
    switch (key) {
    case Qt::Key_Escape:
        return Plain(0x01);
    case Qt::Key_Backspace:
        return Plain(0x0E);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Plain(0x0F);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Plain(0x1C);
    case Qt::Key_Control:
        return Plain(0x1D);
    case Qt::Key_Shift:
        return Plain(0x2A);
    case Qt::Key_Alt:
        return Plain(0x38);
    case Qt::Key_CapsLock:
        return Plain(0x3A);
    case Qt::Key_ScrollLock:
        return Plain(0x46);
    case Qt::Key_SysReq:
        return Plain(0x54);
    case Qt::Key_F11:
        return Plain(0x57);
    case Qt::Key_F12:
        return Plain(0x58);
    case Qt::Key_AltGr:
        return Extended(0x38);
    case Qt::Key_Print:
        // The keyboard itself reports Alt+Print as Sys_Req.
        return modifiers.testFlag(Qt::AltModifier) ? Plain(0x54) : Extended(0x37);
    case Qt::Key_Home:
        return Extended(0x47);
    case Qt::Key_Up:
        return Extended(0x48);
    case Qt::Key_PageUp:
        return Extended(0x49);
    case Qt::Key_Left:
        return Extended(0x4B);
    case Qt::Key_Right:
        return Extended(0x4D);
    case Qt::Key_End:
        return Extended(0x4F);
    case Qt::Key_Down:
        return Extended(0x50);
    case Qt::Key_PageDown:
        return Extended(0x51);
    case Qt::Key_Insert:
        return Extended(0x52);
    case Qt::Key_Delete:
        return Extended(0x53);
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return Extended(0x5B);
    case Qt::Key_Super_R:
        return Extended(0x5C);
    case Qt::Key_Menu:
        return Extended(0x5D);
    default:
        return std::nullopt;
    }
}

std::optional<KeyDownEvent> KeyDownFromEvent(const QKeyEvent& event) {
#ifdef Q_OS_WIN
    if (event.nativeScanCode() != 0 || event.nativeVirtualKey() != 0) {
        return KeyDownFromWindowsScanCode(event.nativeScanCode(), event.nativeVirtualKey());
    }
#else
    // X keycodes below 8 do not exist; a code of 0 means the event was made
    // without one (synthesised), so the Qt key is all there is.
    if (UsesLinuxKeyCodes() && event.nativeScanCode() >= 8) {
        return KeyDownFromLinuxKeyCode(event.nativeScanCode() - 8, event.modifiers());
    }
#endif
    return KeyDownFromQtKey(event.key(), event.modifiers());
}

bool ClaimKeyEvent(QEvent* event, const std::function<void(const QKeyEvent&)>& onPress) {
    switch (event->type()) {
    case QEvent::KeyPress:
        onPress(*static_cast<QKeyEvent*>(event));
        [[fallthrough]];
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
        event->accept();
        return true;
    default:
        return false;
    }
}

} // namespace vorlan
