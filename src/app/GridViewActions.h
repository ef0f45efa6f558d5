// The main window's aids for seeing the layout: View > Key names on the grid
// (remembered in the user's settings), Edit > Find key... with the find bar
// above the grid, and a tooltip on every cell. Finding is the core's KeyFind;
// a key found is selected as a press on its cell selects it.
#pragma once

#include "editor/KeyFind.h"

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

namespace vorlan {

class KeyEditor;
class KeyFindBar;
class KeyGridWidget;
class PcLayoutMenu;

// No signals of its own, so no Q_OBJECT (moc cannot read the string table).
class GridViewActions : public QObject {
public:
    GridViewActions(QMainWindow& window, KeyGridWidget& grid, KeyEditor& editor);

    QAction* KeyNamesAction() const { return keyNames; }
    PcLayoutMenu& PcLayouts() const { return *pcLayouts; }
    QAction* FindAction() const { return find; }
    QAction* FindNextAction() const { return findNext; }
    QAction* FindPreviousAction() const { return findPrevious; }
    // Null until the bar is first opened.
    KeyFindBar* FindBar() const { return bar; }
    bool FindBarOpen() const;

    void SetKeyNamesShown(bool on);
    void OpenFind();
    void FindNext();
    void FindPrevious();
    void CloseFind();

private:
    QMenu* EditMenu();
    void BuildMenus();
    void Search();
    void Step(bool forward);
    void FitWindow();
    void AddPcLayoutMenu(QMenu& view);

    QMainWindow& window;
    KeyGridWidget& grid;
    KeyEditor& editor;
    KeyFind finder;

    QAction* keyNames = nullptr;
    PcLayoutMenu* pcLayouts = nullptr;
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* findPrevious = nullptr;
    QToolBar* barHolder = nullptr;
    KeyFindBar* bar = nullptr;
    QWidget* focusBefore = nullptr;
};

} // namespace vorlan
