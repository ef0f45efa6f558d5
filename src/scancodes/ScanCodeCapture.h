// The state behind the capture dialog: 16 code slots with their names, filled
// by key presses from slot 1 on. The dialog only shows this state and feeds it
// key events and button presses.
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlan {

inline constexpr int kSlotCount = 16;

using SlotCodes = std::array<std::uint32_t, kSlotCount>;
using SlotNames = std::array<std::string, kSlotCount>;

// The only two keys the capture treats apart from their scan codes.
enum class KeyIdentity { Pause, NumLock, Other };

struct KeyDownEvent {
    KeyIdentity key = KeyIdentity::Other;
    std::uint32_t scanCode = 0; // set 1, as a PC keyboard reports it
    bool extended = false;      // reported with the 0xE0 prefix
};

// The set-2 codes, with their names, that one key press stands for: the
// capture's own rules (Pause gives nothing, Num Lock is not extended). Empty
// for a key the tables do not hold.
std::vector<CodeAndName> CodesOfKeyDown(const KeyDownEvent& event, const CodeNaming& naming);

class ScanCodeCapture {
public:
    // The names captured and edited codes get: the window's PC layout's.
    explicit ScanCodeCapture(CodeNaming naming = {}) : naming_(naming) {}
    void SetNaming(CodeNaming naming) { naming_ = naming; }

    // Loads a key's codes and the names shown for them. Captured codes start
    // again at slot 1, so loaded codes after the last captured one stay.
    void Open(const SlotCodes& codes, const SlotNames& names);

    // Appends the codes of one key press; returns true when slots changed and
    // the fields need refreshing. An extended key takes two slots or none.
    bool KeyDown(const KeyDownEvent& event);

    // Removes the last captured code, an extended key together with its prefix.
    void ClearLast();
    void ClearAll();

    // Takes back the 16 values confirmed in the numeric editor; each code is
    // named by itself. The capture position stays where it was.
    void TakeEditedCodes(const SlotCodes& codes);

    const SlotCodes& slotCodes() const { return slotCodes_; }
    const SlotNames& slotNames() const { return slotNames_; }
    // 1-based slot the next code goes to; 17 when all slots are used.
    int nextSlot() const { return nextSlot_; }

private:
    void Store(std::uint32_t code, std::string name);

    CodeNaming naming_;
    SlotCodes slotCodes_{};
    SlotNames slotNames_{};
    int nextSlot_ = 1;
};

} // namespace vorlan
