// Where the window's record is: the file beside the programming log unless
// the settings name a server's record, and which words may be kept as that
// setting (an address a password is never part of).
#pragma once

#include "common/StringTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

struct WindowRecordPlace {
    std::string location;  // what OpenRecord opens
    std::string importLog; // the log it imports once (the file beside it only)
    std::string keepAt;    // a server's: the file beside the log keeps what it cannot take
};

// setting: the kept server address, empty for the file beside logPath.
WindowRecordPlace WindowRecordAt(std::string_view setting, const std::string& logPath);

// Why address cannot be kept as the window's server record (not a
// postgresql:// address, a password in it, a line break), or nothing. The
// address is taken with its blanks around it trimmed.
std::optional<StringId> ServerAddressProblem(std::string_view address);
std::string TrimmedAddress(std::string_view address);

} // namespace vorlan
