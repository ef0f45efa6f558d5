// What the capture dialog hands back to whoever ran it.
#pragma once

#include "layout/LayoutDocument.h"

#include <array>
#include <string>

namespace vorlan {

// The capture dialog's result: its 16 codes and their display names.
struct CaptureResult {
    bool accepted = false;
    KeyCodes codes{};
    std::array<std::string, kCodesPerKey> names;
};

} // namespace vorlan
