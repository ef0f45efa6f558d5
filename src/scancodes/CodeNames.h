// The names of a key's codes, each named after the code before it (0 before
// the first), so a code after the extended prefix gets the extended key's
// name. One name per code; a code of 0 has an empty name.
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <cstdint>
#include <ranges>
#include <string>
#include <vector>

namespace vorlan {

template <std::ranges::input_range Codes>
std::vector<std::string> CodeNames(const Codes& codes, const CodeNaming& naming) {
    std::vector<std::string> names;
    std::uint32_t previous = 0;
    for (const auto stored : codes) {
        const auto code = static_cast<std::uint32_t>(stored);
        names.push_back(NameOfCode(code, previous, naming));
        previous = code;
    }
    return names;
}

} // namespace vorlan
