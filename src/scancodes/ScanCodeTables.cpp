#include "scancodes/ScanCodeTables.h"

#include <algorithm>

namespace vorlan {

namespace {

constexpr bool RowsFit() {
    return std::all_of(KeyNameTable.begin(), KeyNameTable.end(),
                       [](std::string_view name) { return name.size() <= 19; });
}
static_assert(RowsFit(), "a key name row holds at most 19 characters");

// The last row of ScanCodeTable that NameOfCode searches; the two rows after
// it are empty anyway.
constexpr std::uint32_t kLastSearchedRow = 0x5D;

// The first row of ScanCodeTable (up to kLastSearchedRow) that holds each
// code, so naming a code needs no search.
constexpr std::uint8_t kNoRow = 0xFF;
constexpr std::array<std::uint8_t, 256> RowsOfCodes() {
    std::array<std::uint8_t, 256> rows{};
    rows.fill(kNoRow);
    for (std::uint32_t i = kLastSearchedRow + 1; i-- > 0;) {
        rows[ScanCodeTable[i]] = static_cast<std::uint8_t>(i);
    }
    return rows;
}
constexpr std::array<std::uint8_t, 256> kRowOfCode = RowsOfCodes();

std::string UnnamedCode(std::uint32_t code) {
    return "key_" + std::to_string(code);
}

} // namespace

const std::string* CodeNaming::Override(std::uint32_t code, std::uint32_t previousCode) const {
    if (overrides_ == nullptr || previousCode == ExtendedPrefix || code >= overrides_->size() ||
        (*overrides_)[code].empty()) {
        return nullptr;
    }
    return &(*overrides_)[code];
}

std::vector<CodeAndName> TranslateKey(std::uint32_t scanCode, bool extended,
                                      const CodeNaming& naming) {
    if (scanCode >= ScanCodeTable.size()) {
        return {};
    }
    const std::uint32_t code = ScanCodeTable[scanCode];
    if (!extended) {
        const std::string_view name = KeyNameTable[scanCode];
        // Sys_Req is kept although its code is 0: it has a name, so the user
        // sees what was pressed.
        if (code == 0 && name.empty()) {
            return {};
        }
        if (const std::string* chosen = naming.Override(code, 0)) {
            return {{code, *chosen}};
        }
        return {{code, std::string(name)}};
    }
    const std::size_t row = scanCode + extendedRowOffset(static_cast<int>(scanCode));
    // A lone prefix, or a prefix followed by 0, would store a broken sequence.
    if (code == 0 || row >= KeyNameTable.size()) {
        return {};
    }
    return {{ExtendedPrefix, std::string(ExtendedName)}, {code, std::string(KeyNameTable[row])}};
}

std::string NameOfCode(std::uint32_t code, std::uint32_t previousCode, const CodeNaming& naming) {
    if (const std::string* chosen = naming.Override(code, previousCode)) {
        return *chosen;
    }
    return StandardNameOfCode(code, previousCode);
}

std::string StandardNameOfCode(std::uint32_t code, std::uint32_t previousCode) {
    if (code == 0) {
        return {};
    }
    if (code == ExtendedPrefix) {
        return std::string(ExtendedName);
    }
    if (code >= kRowOfCode.size() || kRowOfCode[code] == kNoRow) {
        return UnnamedCode(code);
    }
    const std::uint32_t i = kRowOfCode[code];
    std::size_t row = i;
    if (previousCode == ExtendedPrefix) {
        row += extendedRowOffset(static_cast<int>(i));
    }
    if (row >= KeyNameTable.size()) {
        return UnnamedCode(code);
    }
    return std::string(KeyNameTable[row]);
}

} // namespace vorlan
