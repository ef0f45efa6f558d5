// The program's one main window: it makes its parts and wires them to the key
// editor (editor/, core), which owns the layout and every rule; it decides
// nothing itself. MainWindowView is the editor's view of the window, filling
// the ClientArea (key panel, grid) and the StatusPaneRow; FileActions,
// EditActions and GridViewActions are the File, Edit and View menus;
// CompareController is File > Compare with...; WindowSizer keeps the size and
// the bars above the grid; WindowKeys takes the window's keys wherever the
// focus is. Dialogs ask through the window's DialogSeam and MainWindowHooks.
#pragma once

#include "app/StandardKeys.h"
#include "editor/StatusPane.h"

#include <QMainWindow>
#include <array>
#include <memory>

class QMenu;

namespace vorlan {

class ClientArea;
class CompareController;
class CompareWindow;
class DialogSeam;
class EditActions;
class FileActions;
class GridViewActions;
class KeyDragController;
class KeyEditor;
class KeyGridWidget;
class MainWindowView;
class ReadReportBar;
class RecoveryGuard;
class SettingsProfileStore;
class StatusPaneRow;
class WindowKeys;
class WindowSizer;
struct MainWindowHooks;

class MainDialog : public QMainWindow {
    Q_OBJECT
public:
    explicit MainDialog(const QString& programPath = {}, QWidget* parent = nullptr);
    // With the dialogs given in place of the real ones (a test's script).
    explicit MainDialog(std::shared_ptr<DialogSeam> dialogs, const QString& programPath = {},
                        QWidget* parent = nullptr);
    ~MainDialog() override;

    // Client size of the window: the pixels every control's rectangle is
    // given in (512 x 222 dialog units at 1.5 pixels a unit).
    static constexpr int kClientWidth = 768;
    static constexpr int kClientHeight = 361;
    // Right edges of the status panes; the last reaches the window's width.
    static constexpr std::array<int, kStatusPaneCount> kPaneEdges = {160, 330, 410,         485,
                                                                     560, 630, kClientWidth};

    KeyEditor& Editor() { return *editor; }
    MainWindowHooks& Hooks() { return *hooks; }
    GridViewActions& ViewActions() { return *viewActions; }
    KeyGridWidget* Grid() const { return grid; }
    QWidget* Client() const { return client; }
    QMenu* FileMenu() const;
    QMenu* EditMenu() const;
    QMenu* PopupMenu() const;
    KeyDragController* DragController() const;
    QString StatusPaneText(int pane) const;
    ReadReportBar* ReportBar() const;
    // Null until the first compare.
    CompareWindow* Compare() const;

    // Keeps the layout in a recovery file in folder while it has unsaved
    // changes; every change of the layout is reported to it at once.
    RecoveryGuard* KeepRecovery(const QString& folder);

    void ShowHelp();
    // The title's mark of unsaved changes follows the layout's.
    void UpdateModifiedMark();
    // Opens a layout file as File > Open does once its dialog has answered.
    void OpenGivenFile(const QString& path);
    // A bar above the client area was shown or hidden: the window's height
    // follows, so the grid keeps its size.
    void FitAroundClient();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString programPath;
    std::unique_ptr<MainWindowHooks> hooks;
    std::unique_ptr<SettingsProfileStore> store;
    std::unique_ptr<ClientArea> area;
    QWidget* client = nullptr;     // the area's
    KeyGridWidget* grid = nullptr; // the area's
    std::unique_ptr<StatusPaneRow> panes;
    FileActions* files = nullptr;
    EditActions* edits = nullptr;
    WindowSizer* sizer = nullptr;
    std::unique_ptr<MainWindowView> view;
    std::unique_ptr<KeyEditor> editor;
    CompareController* compare = nullptr;
    GridViewActions* viewActions = nullptr;
    std::unique_ptr<WindowKeys> keys;
};

} // namespace vorlan
