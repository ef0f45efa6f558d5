// The main window's client area as it was designed: the key panel's controls,
// the black frame around the grid and the grid at its pixel position. A
// longer translation widens the controls, the status panes and the area
// rather than cutting their captions.
#pragma once

#include <memory>

class QMainWindow;
class QWidget;

namespace vorlan {

class KeyEditor;
class KeyGridWidget;
class KeyPanelControls;
class StatusPaneRow;

class ClientArea {
public:
    // The window's central widget, width x height as designed.
    ClientArea(QMainWindow& window, int width, int height);
    ~ClientArea();

    QWidget* Widget() const { return client; }
    KeyGridWidget* Grid() const { return grid; }
    KeyPanelControls& Panel() const { return *panel; }

    // Widens what the texts in use need (the panes too); the area's width
    // then stays as its smallest.
    void FitTexts(StatusPaneRow& panes);
    // The grid's pointer and the panel's controls reach the editor.
    void Connect(KeyEditor& editor);

private:
    QWidget* client = nullptr;
    std::unique_ptr<KeyPanelControls> panel;
    KeyGridWidget* grid = nullptr;
    int designedWidth = 0;
};

} // namespace vorlan
