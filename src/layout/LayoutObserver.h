// What the layout model asks of the screen. The key editor implements this;
// the command line and tests implement it with recorders. Every call has a
// no-op default so a front end overrides only what it shows.
#pragma once

#include "common/StringTable.h"
#include "common/UiMessage.h"

#include <string>
#include <vector>

namespace vorlan {

// The key images of the grid, by their bitmap ids.
enum class KeyImage : int {
    Empty = 152,
    Single = 153,
    Unavailable = 154,
    DoubleDown = 155,
    DoubleRight = 156,
    Quad = 157,
    SelectedKey = 166,
    SelectedEmpty = 167,
    // Never asked for by the layout: the grid's own frame of a selected
    // double or quad key, drawn around the whole key.
    SelectedDoubleDown = 168,
    SelectedDoubleRight = 169,
    SelectedQuad = 170,
};

class LayoutObserver {
public:
    virtual ~LayoutObserver() = default;

    // Draw one key image at the cell of slot (at once, outside any paint cycle).
    virtual void DrawKeyImage(int /*slot*/, KeyImage /*image*/) {}
    // Redraw every cell from the span state.
    virtual void DrawGrid() {}
    // The file path changed meaning for the title ("untitled" when empty).
    virtual void TitleChanged() {}
    // An error box: caption "Error", stop icon.
    virtual void ShowError(StringId /*text*/) {}
    // Why a file could not be written (the file writer's words); observers
    // that cannot show a message with values show the plain one.
    virtual void ShowWriteFailure(const UiMessage& /*message*/) {
        ShowError(StringId::CannotOpenFile);
    }
    // The RFID controls must be refreshed from the document.
    virtual void RfidChanged() {}
    // All the window's controls must be refreshed from the document.
    virtual void ControlsChanged() {}
    // Take the window's control values into the document (before a write).
    virtual void CommitControls() {}
    // The "Programmed keys:" box gets these rows; selectedRow is -1 for none.
    // Selecting a row here never applies it to the current key.
    virtual void CatalogListFilled(const std::vector<std::string>& /*rows*/, int /*selectedRow*/) {}
    // After a reset (the catalogue box has just been emptied): current and panel
    // key become key 1, the key-edit flag is cleared, the status bar is refilled
    // and key 1 is shown.
    virtual void DocumentReset() {}
    // The current key becomes key and the key panel shows it.
    virtual void SelectKey(int /*key*/) {}
};

} // namespace vorlan
