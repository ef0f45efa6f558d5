// Layouts with the keys the key test window acts on.
#pragma once

#include "layout/LayoutDocument.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vorlan::test {

inline void Program(LayoutDocument& doc, int k, std::vector<std::int32_t> codes) {
    auto& key = doc.keys[static_cast<std::size_t>(k)];
    key.codes.fill(0);
    std::copy(codes.begin(), codes.end(), key.codes.begin());
    doc.spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
}

// Keys the window would act on, a modifier sequence and an extended key.
inline void ProgramTestKeys(LayoutDocument& doc) {
    Program(doc, 1, {0x1C});       // A
    Program(doc, 2, {0x14, 0x21}); // Ctrl_left C
    Program(doc, 3, {0x0D});       // Tab
    Program(doc, 4, {0x76});       // Esc
    Program(doc, 5, {0x11, 0x0C}); // Alt_left F4
    Program(doc, 6, {0xE0, 0x75}); // Up
}

} // namespace vorlan::test
