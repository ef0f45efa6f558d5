// What each key of a PC keyboard types under a PC keyboard layout, as the
// generator read it from the keyboard data (PcLayoutTables.cpp is generated).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vorlan::keyboards {

// Bits of PcKeySigns::dead: which of the three signs is a dead key.
inline constexpr std::uint8_t kDeadSign = 1;
inline constexpr std::uint8_t kDeadShift = 2;
inline constexpr std::uint8_t kDeadAltGr = 4;

// One key, by its set-2 make code (never sent after the extended prefix).
// Signs are UTF-8, empty where the key types nothing.
struct PcKeySigns {
    std::uint8_t code;
    const char* sign;
    const char* shift;
    const char* altGr;
    std::uint8_t dead;
    // The key types a letter, and its upper case with Shift.
    bool letter;
};

struct PcLayoutTable {
    std::string_view id;
    std::span<const PcKeySigns> keys;
};

// Every generated layout, in the order the program offers them.
const std::vector<PcLayoutTable>& PcLayoutTables();

// What a dead key (by its sign, as in PcKeySigns) makes of the sign typed
// after it, by the system's compose rules; a space after it types the accent.
struct DeadKeyResult {
    const char* dead;
    const char* follower;
    const char* result;
};
std::span<const DeadKeyResult> DeadKeyResults();

} // namespace vorlan::keyboards
