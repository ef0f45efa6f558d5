// The fixed tables that connect keys of a PC keyboard (set-1 scan codes) with
// the set-2 make codes a programmable key sends, and the display names of codes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// Stored in its own slot before the code of an extended key.
inline constexpr std::uint32_t ExtendedPrefix = 0xE0;
inline constexpr std::string_view ExtendedName = "extended";

// Set-2 make code per set-1 scan code 0x00..0x5F; 0 where the row has no key.
// Sys_Req (0x54) deliberately has 0: the keyboard cannot send its set-2 code.
inline constexpr std::array<std::uint8_t, 0x60> ScanCodeTable = {
    0x00, 0x76, 0x16, 0x1E, 0x26, 0x25, 0x2E, 0x36, // 0x00
    0x3D, 0x3E, 0x46, 0x45, 0x4E, 0x55, 0x66, 0x0D, // 0x08
    0x15, 0x1D, 0x24, 0x2D, 0x2C, 0x35, 0x3C, 0x43, // 0x10
    0x44, 0x4D, 0x54, 0x5B, 0x5A, 0x14, 0x1C, 0x1B, // 0x18
    0x23, 0x2B, 0x34, 0x33, 0x3B, 0x42, 0x4B, 0x4C, // 0x20
    0x52, 0x0E, 0x12, 0x5D, 0x1A, 0x22, 0x21, 0x2A, // 0x28
    0x32, 0x31, 0x3A, 0x41, 0x49, 0x4A, 0x59, 0x7C, // 0x30
    0x11, 0x29, 0x58, 0x05, 0x06, 0x04, 0x0C, 0x03, // 0x38
    0x0B, 0x83, 0x0A, 0x01, 0x09, 0x77, 0x7E, 0x6C, // 0x40
    0x75, 0x7D, 0x7B, 0x6B, 0x73, 0x74, 0x79, 0x69, // 0x48
    0x72, 0x7A, 0x70, 0x71, 0x00, 0x00, 0x00, 0x78, // 0x50
    0x07, 0x00, 0x00, 0x1F, 0x27, 0x2F, 0x00, 0x00, // 0x58
};

// Display names: rows 0x00..0x5F name the keys of ScanCodeTable row for row,
// rows 0x60..0x75 the extended keys. A row holds at most 19 characters.
inline constexpr std::array<std::string_view, 0x76> KeyNameTable = {
    "",           "Esc",        "1",
    "2", // 0x00
    "3",          "4",          "5",
    "6", // 0x04
    "7",          "8",          "9",
    "0", // 0x08
    "-",          "=",          "Backspace",
    "Tab", // 0x0C
    "Q",          "W",          "E",
    "R", // 0x10
    "T",          "Y",          "U",
    "I", // 0x14
    "O",          "P",          "[",
    "]", // 0x18
    "Enter",      "Ctrl_left",  "A",
    "S", // 0x1C
    "D",          "F",          "G",
    "H", // 0x20
    "J",          "K",          "L",
    ";", // 0x24
    "'",          "`",          "Shift_left",
    "\\", // 0x28
    "Z",          "X",          "C",
    "V", // 0x2C
    "B",          "N",          "M",
    ",", // 0x30
    ".",          "/",          "Shift_right",
    "*_num", // 0x34
    "Alt_left",   "Space",      "Caps_lock",
    "F1", // 0x38
    "F2",         "F3",         "F4",
    "F5", // 0x3C
    "F6",         "F7",         "F8",
    "F9", // 0x40
    "F10",        "Num_lock",   "Scroll_Lock",
    "7_num", // 0x44
    "8_num",      "9_num",      "-_num",
    "4_num", // 0x48
    "5_num",      "6_num",      "+_num",
    "1_num", // 0x4C
    "2_num",      "3_num",      "0_num",
    "._num", // 0x50
    "Sys_Req",    "",           "",
    "F11", // 0x54
    "F12",        "",           "",
    "Win_left", // 0x58
    "Win_right",  "Win_Pop_up", "",
    "", // 0x5C
    "",           "",           "",
    "/_num", // 0x60
    "Enter_num",  "Num_lock",   "",
    "Home", // 0x64
    "Up",         "Page_up",    "",
    "Left", // 0x68
    "",           "Right",      "",
    "End", // 0x6C
    "Down",       "Page_down",  "Insert",
    "Delete",                  // 0x70
    "Ctrl_right", "Alt_right", // 0x74
};

// Distance from a set-1 code to the name row of its extended key.
constexpr int extendedRowOffset(int scanCode) {
    switch (scanCode) {
    case 0x1C:
        return 0x48;
    case 0x1D:
        return 0x57;
    case 0x35:
        return 0x2E;
    case 0x38:
        return 0x3D;
    case 0x5B:
    case 0x5C:
    case 0x5D:
        return 0;
    default:
        return 0x20;
    }
}

struct CodeAndName {
    std::uint32_t code = 0;
    std::string name;

    bool operator==(const CodeAndName&) const = default;
};

// Names that replace the standard name of a code not sent after the extended
// prefix, by code; an empty entry keeps the standard name.
using CodeNameOverrides = std::array<std::string, 256>;

// Which names codes get: the standard ones, or those of a PC keyboard layout
// where its keys differ (keyboards::NamingFor). A small value, handed to
// whatever names codes; the table it points to lives as long as the program
// (the PC layouts' tables are built once and kept).
class CodeNaming {
public:
    constexpr CodeNaming() = default; // the standard names
    explicit constexpr CodeNaming(const CodeNameOverrides* overrides) : overrides_(overrides) {}

    // The name replacing code's standard one, or nullptr to keep it.
    const std::string* Override(std::uint32_t code, std::uint32_t previousCode) const;
    friend bool operator==(const CodeNaming&, const CodeNaming&) = default;

private:
    const CodeNameOverrides* overrides_ = nullptr;
};

// The set-2 code(s) to send for a key reported with set-1 `scanCode` and the
// 0xE0 `extended` flag, in sending order: one pair, or the prefix pair and then
// the key's own pair, named as `naming` names them. Empty when the tables hold
// no key for it (a set-1 code of 0x60 or above, a row without code and name, an
// extended key whose code is 0 or whose name row lies past the table): such a
// press produces nothing.
std::vector<CodeAndName> TranslateKey(std::uint32_t scanCode, bool extended,
                                      const CodeNaming& naming);

// The display name of a stored code as `naming` names it; `previousCode` is the
// code in the slot before it (0 for the first slot) and selects the extended
// name after 0xE0. A code without a name row, including the extended form of a
// key whose extended row lies past the table, is named "key_<code in decimal>".
std::string NameOfCode(std::uint32_t code, std::uint32_t previousCode, const CodeNaming& naming);

// NameOfCode with the standard names.
std::string StandardNameOfCode(std::uint32_t code, std::uint32_t previousCode);

} // namespace vorlan
