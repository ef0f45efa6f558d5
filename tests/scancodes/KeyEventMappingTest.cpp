#include "scancodes/ui/KeyEventMapping.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct Expected {
    KeyIdentity key;
    std::uint32_t scanCode;
    bool extended;
};

void ExpectKey(const std::optional<KeyDownEvent>& got, const Expected& want) {
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->key, want.key);
    EXPECT_EQ(got->scanCode, want.scanCode);
    EXPECT_EQ(got->extended, want.extended);
}

constexpr auto Other = KeyIdentity::Other;

TEST(KeyEventMapping, X11KeycodesGiveSet1Codes) {
    struct Row {
        const char* key;
        std::uint32_t x11;
        Expected want;
    };
    const Row rows[] = {
        {"a", 38, {Other, 0x1E, false}},
        {"Esc", 9, {Other, 0x01, false}},
        {"Tab", 23, {Other, 0x0F, false}},
        {"Return", 36, {Other, 0x1C, false}},
        {"F10", 76, {Other, 0x44, false}},
        {"F11", 95, {Other, 0x57, false}},
        {"F12", 96, {Other, 0x58, false}},
        {"keypad .", 91, {Other, 0x53, false}},
        {"102nd key", 94, {Other, 0x56, false}},
        {"keypad Enter", 104, {Other, 0x1C, true}},
        {"right Ctrl", 105, {Other, 0x1D, true}},
        {"keypad /", 106, {Other, 0x35, true}},
        {"Print", 107, {Other, 0x37, true}},
        {"right Alt", 108, {Other, 0x38, true}},
        {"Home", 110, {Other, 0x47, true}},
        {"Up", 111, {Other, 0x48, true}},
        {"Delete", 119, {Other, 0x53, true}},
        {"left Super", 133, {Other, 0x5B, true}},
        {"right Super", 134, {Other, 0x5C, true}},
        {"Menu", 135, {Other, 0x5D, true}},
        {"Num Lock", 77, {KeyIdentity::NumLock, 0x45, false}},
        {"Pause", 127, {KeyIdentity::Pause, 0x45, false}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        ExpectKey(KeyDownFromLinuxKeyCode(row.x11 - 8, {}), row.want);
    }
    // The keyboard itself reports Alt+Print as Sys_Req and Ctrl+Pause as
    // Break; the input layer reports them as Print and Pause.
    ExpectKey(KeyDownFromLinuxKeyCode(107 - 8, Qt::AltModifier), {Other, 0x54, false});
    ExpectKey(KeyDownFromLinuxKeyCode(107 - 8, Qt::ControlModifier), {Other, 0x37, true});
    ExpectKey(KeyDownFromLinuxKeyCode(127 - 8, Qt::ControlModifier), {Other, 0x46, true});
    ExpectKey(KeyDownFromLinuxKeyCode(127 - 8, Qt::AltModifier), {KeyIdentity::Pause, 0x45, false});
    // Keys without a set-1 code: Zenkaku, volume keys, F13, a code past every key.
    for (std::uint32_t x11 : {93u, 123u, 191u, 600u, 8u}) {
        EXPECT_FALSE(KeyDownFromLinuxKeyCode(x11 - 8, {}).has_value()) << x11;
    }
}

TEST(KeyEventMapping, WindowsScanCodesCarryTheExtendedFlag) {
    ExpectKey(KeyDownFromWindowsScanCode(0x1E, 0x41), {Other, 0x1E, false});
    ExpectKey(KeyDownFromWindowsScanCode(0x148, 0x26), {Other, 0x48, true});
    ExpectKey(KeyDownFromWindowsScanCode(0x11D, 0xA3), {Other, 0x1D, true});
    ExpectKey(KeyDownFromWindowsScanCode(0x145, 0x90), {KeyIdentity::NumLock, 0x45, true});
    ExpectKey(KeyDownFromWindowsScanCode(0x45, 0x13), {KeyIdentity::Pause, 0x45, false});
    EXPECT_FALSE(KeyDownFromWindowsScanCode(0, 0xAD).has_value());
}

TEST(KeyEventMapping, QtKeysWithoutNativeCodeFallBackToAUsLayout) {
    struct Row {
        int key;
        Qt::KeyboardModifiers modifiers;
        Expected want;
    };
    const Row rows[] = {
        {Qt::Key_A, {}, {Other, 0x1E, false}},
        {Qt::Key_Exclam, Qt::ShiftModifier, {Other, 0x02, false}},
        {Qt::Key_BraceRight, Qt::ShiftModifier, {Other, 0x1B, false}},
        {Qt::Key_Backslash, {}, {Other, 0x2B, false}},
        {Qt::Key_Question, Qt::ShiftModifier, {Other, 0x35, false}},
        {Qt::Key_Space, {}, {Other, 0x39, false}},
        {Qt::Key_F12, {}, {Other, 0x58, false}},
        {Qt::Key_Return, {}, {Other, 0x1C, false}},
        {Qt::Key_Enter, Qt::KeypadModifier, {Other, 0x1C, true}},
        {Qt::Key_Slash, Qt::KeypadModifier, {Other, 0x35, true}},
        {Qt::Key_8, Qt::KeypadModifier, {Other, 0x48, false}},
        {Qt::Key_Up, Qt::KeypadModifier, {Other, 0x48, false}},
        {Qt::Key_Up, {}, {Other, 0x48, true}},
        {Qt::Key_Control, {}, {Other, 0x1D, false}},
        {Qt::Key_Menu, {}, {Other, 0x5D, true}},
        {Qt::Key_NumLock, {}, {KeyIdentity::NumLock, 0x45, false}},
        {Qt::Key_Pause, {}, {KeyIdentity::Pause, 0x45, false}},
        {Qt::Key_Print, {}, {Other, 0x37, true}},
        // The keyboard itself reports Alt+Print as Sys_Req.
        {Qt::Key_Print, Qt::AltModifier, {Other, 0x54, false}},
        {Qt::Key_Print, Qt::AltModifier | Qt::ShiftModifier, {Other, 0x54, false}},
        {Qt::Key_Print, Qt::ControlModifier, {Other, 0x37, true}},
        {Qt::Key_Pause, Qt::ControlModifier, {Other, 0x46, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        ExpectKey(KeyDownFromQtKey(row.key, row.modifiers), row.want);
    }
    EXPECT_FALSE(KeyDownFromQtKey(Qt::Key_VolumeUp, {}).has_value());
    EXPECT_FALSE(KeyDownFromQtKey(Qt::Key_Eacute, {}).has_value());
}

#ifndef Q_OS_WIN
TEST(KeyEventMapping, EventsUseTheirNativeCodeWhenTheyHaveOne) {
    // Offscreen runs on Linux read native codes as X keycodes, like xcb.
    const QKeyEvent native(QEvent::KeyPress, Qt::Key_Q, {}, 38, 0, 0);
    ExpectKey(KeyDownFromEvent(native), {Other, 0x1E, false});
    const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_Q, {});
    ExpectKey(KeyDownFromEvent(synthetic), {Other, 0x10, false});
}
#endif

} // namespace
} // namespace vorlan
