// The main window's Edit menu and the grid's popup menu: undo and redo of the
// editor's history (each named after its step), the key clipboard, the
// popup's key commands with shortcuts of their own, and moving keys by
// keyboard (Alt+arrow) and by dragging them in the grid.
#pragma once

#include "editor/KeyOperations.h"

#include <QObject>
#include <QPoint>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QKeyEvent;
class QMainWindow;
class QMenu;

namespace vorlan {

class KeyDragController;
class KeyEditor;
class KeyGridWidget;

// No signals of its own, so no Q_OBJECT (moc cannot read the string table).
class EditActions : public QObject {
public:
    // The Edit menu goes into window's menu bar, after the menus there now.
    explicit EditActions(QMainWindow& window);
    // Once the editor exists: its history names the steps, the grid's popup
    // and drags reach it.
    void Connect(KeyEditor& editor, KeyGridWidget& grid);

    QMenu* Menu() const { return editMenu; }
    QMenu* Popup() const { return popupMenu; }
    KeyDragController* Drag() const { return drag; }

    // Alt+arrow: moves the selected key; false for any other key.
    bool MoveKeyByArrow(int key);
    // Undo and redo belong to the layout even while a text field has the focus.
    static bool IsHistoryShortcut(const QKeyEvent* event);

private:
    void BuildEditMenu();
    void BuildKeyCommands();
    void BuildPopup();
    std::optional<PopupMenuItems> SelectedKeyItems();
    void RunKeyCommand(bool PopupMenuItems::*allowed, void (KeyEditor::*command)());
    void ShowPopup(QPoint clientPoint, QPoint globalPoint);
    void ShowPopupAtSelectedKey();
    void UpdateUndoActions();

    QMainWindow& window;
    KeyEditor* editor = nullptr;
    KeyGridWidget* grid = nullptr;
    QMenu* editMenu = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    // The popup's commands in the Edit menu, with what each needs of the key.
    std::vector<std::pair<QAction*, bool PopupMenuItems::*>> keyCommands;
    QMenu* popupMenu = nullptr;
    // The popup's own entries, with what each needs of the key.
    std::vector<std::pair<QAction*, bool PopupMenuItems::*>> popupEntries;
    KeyDragController* drag = nullptr;
};

} // namespace vorlan
