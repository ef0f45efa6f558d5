// The main window's File menu: New, Open, Save, Save As, Compare with...,
// Programming..., Settings..., printing and export, the recent files and
// Exit. Each command is the key editor's; a layout just begun or opened is
// worked on in the grid first.
#pragma once

#include "editor/FileCommands.h"

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace vorlan {

class KeyEditor;

// No signals of its own, so no Q_OBJECT (moc cannot read the string table).
class FileActions : public QObject {
public:
    // The menu goes into window's menu bar, after the menus there now.
    explicit FileActions(QMainWindow& window);
    // Once the editor exists; grid takes the focus after New, Open and a
    // recent file.
    void Connect(KeyEditor& editor, QWidget& grid);
    // The PC layout in use (empty for the standard names), for the key lists.
    void SetPcLayout(std::function<std::string()> pcLayout);

    QMenu* Menu() const { return fileMenu; }
    QAction* CompareAction() const { return compareAction; }
    QAction* ProgrammingAction() const { return programmingAction; }

    // The recent-file block above Exit: these entries, "&1" to "&9" picking
    // one by its number; none (and no separator) when empty.
    void ShowRecentFiles(const std::vector<RecentFileEntry>& entries);

private:
    QMainWindow& window;
    KeyEditor* editor = nullptr;
    QWidget* grid = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* compareAction = nullptr;
    QAction* importKeyListAction = nullptr;
    QAction* exportKeyListAction = nullptr;
    std::function<std::string()> pcLayout_;
    QAction* programmingAction = nullptr;
    QAction* settingsAction = nullptr;
    QAction* exitAction = nullptr;
    std::vector<QAction*> recentBlock; // entries and their separator
};

} // namespace vorlan
