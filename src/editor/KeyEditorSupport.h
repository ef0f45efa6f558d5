// Small helpers the key editor's source files share; not part of its interface.
#pragma once

#include "editor/EditorView.h"
#include "layout/LayoutDocument.h"
#include "scancodes/ScanCodeTables.h"

#include <array>
#include <cstdint>
#include <string>

namespace vorlan::editor_detail {

// The fields whose consecutive edits make one history step.
enum MergeField : int {
    kMergeKeyName = 1,
    kMergeRfidPrefix,
    kMergeRfidSuffix,
    kMergeRfidDigits,
};

inline bool IsKey(int slot) {
    return slot >= 1 && slot <= kMaxKeys;
}

inline std::array<std::string, kCodesPerKey> CodeTexts(const KeyCodes& codes) {
    std::array<std::string, kCodesPerKey> texts;
    std::uint32_t previous = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto code = static_cast<std::uint32_t>(codes[i]);
        texts[i] = NameOfCode(code, previous);
        previous = code;
    }
    return texts;
}

} // namespace vorlan::editor_detail
