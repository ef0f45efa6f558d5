// Text helpers of the report and the log: layout files carry single-byte
// text, reports and logs are UTF-8, and a log line must stay one line.
#pragma once

#include "common/Text.h"

#include <string>
#include <string_view>

namespace vorlan {

// Tabs, line ends and other control characters become blanks.
std::string OneLine(std::string_view text);

} // namespace vorlan
