// The status bar's panes by what they show. Apart from StatusPanes.h, so the
// window's header (which moc reads) needs nothing else of the editor.
#pragma once

#include <cstddef>

namespace vorlan {

// The panes from left to right.
enum class StatusPane {
    Keyboard,
    KeysType,
    KeyBeep,
    KeyDelay,
    KeyRate,
    PointerNumber, // the key under the pointer
    PointerName,
};
inline constexpr int kStatusPaneCount = static_cast<int>(StatusPane::PointerName) + 1;

// A pane's place from the left, 0..kStatusPaneCount - 1.
constexpr std::size_t PaneIndex(StatusPane pane) {
    return static_cast<std::size_t>(pane);
}

} // namespace vorlan
