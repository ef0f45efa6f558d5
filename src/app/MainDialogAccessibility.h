// The main window for keyboard and screen-reader users: the key grid as an
// accessible table, names for the controls whose caption is a symbol or a
// separate label, a tab order that follows the visual order, a visible
// frame while the grid has the keyboard focus, and the grid's popup menu
// from the keyboard.
#pragma once

namespace vorlan {

class MainDialog;

// Call once the window's controls and its editor exist.
void SetUpAccessibility(MainDialog& window);

} // namespace vorlan
