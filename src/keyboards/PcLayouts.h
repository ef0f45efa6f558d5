// PC keyboard layouts by the keyboard data's ids, and the code names a PC
// with such a layout gives: a key that types another sign than on a US
// keyboard is named by that sign.
#pragma once

#include "common/StringTable.h"
#include "keyboards/PcLayoutTables.h"
#include "scancodes/ScanCodeTables.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan::keyboards {

struct PcLayoutInfo {
    std::string_view id;
    StringId name;
};

// The layouts offered, in the order of the menu.
const std::vector<PcLayoutInfo>& PcLayouts();

// The layout of an id; nullptr for an unknown one.
const PcLayoutInfo* FindPcLayout(std::string_view id);

// The ids, separated by ", ", for messages.
std::string PcLayoutIdList();

// What a key types under a layout; nullptr for an unknown layout or a key
// the table does not hold.
const PcKeySigns* FindKeySigns(std::string_view layoutId, std::uint32_t code);

// The name a key gets from its signs: a letter key its letter as the key cap
// shows it, a sign key its sign ("<sign>_num" on the number pad, "<sign>_dead"
// for a dead key); empty for a key that types nothing.
std::string SignName(const PcKeySigns& key);

// The names that differ from the standard ones under a layout, kept for the
// life of the program. Empty entries only for US and unknown ids.
const CodeNameOverrides& CodeNamesFor(std::string_view layoutId);

// The names codes get under a layout, to hand to whatever names codes; the
// standard names for an empty id.
CodeNaming NamingFor(std::string_view layoutId);

} // namespace vorlan::keyboards
