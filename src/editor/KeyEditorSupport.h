// Small helpers the key editor's source files share; not part of its interface.
#pragma once

#include "editor/EditorView.h"
#include "layout/LayoutDocument.h"
#include "scancodes/CodeNames.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

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
    std::vector<std::string> names = CodeNames(codes);
    std::array<std::string, kCodesPerKey> texts;
    std::move(names.begin(), names.end(), texts.begin());
    return texts;
}

} // namespace vorlan::editor_detail
