// The program's one main window, a thin view over the key editor.
//
// How the pieces meet:
//  - KeyEditor (editor/, core) owns the layout, the selection, the key panel's
//    values and every rule of the grid, the panel, the popup menu and the
//    File menu. This window forwards each user action to the editor's On...
//    entry point and decides nothing itself.
//  - MainDialog::View (in the .cpp) is the editor's EditorView: it draws key
//    images into the KeyGridWidget's canvas, fills the panel controls, the
//    programmed-keys list, the status panes, the title and the recent-file
//    block, and asks its questions through the window's dialog seam
//    (DialogSeam: message boxes, file names, help; a test's script in place of
//    the real dialogs) and the dialogs of other subsystems (MainWindowHooks).
//  - The Edit menu (MainDialogEdit.cpp) runs the editor's history,
//    clipboard and moves; KeyDragController drags keys inside the grid.
//  - The recent-file list lives in the user's settings (SettingsProfileStore).
#pragma once

#include "editor/StatusPane.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vorlan {

class GridViewActions;
struct PopupMenuItems;
class CompareWindow;
class DialogSeam;
class KeyDragController;
class KeyEditor;
class KeyGridWidget;
class ReadReportBar;
class RecoveryGuard;
class SettingsProfileStore;
struct MainWindowHooks;

// The platform's key sequences of a standard command, or the usual ones where
// the platform has none.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command);

class MainDialog : public QMainWindow {
    Q_OBJECT
public:
    explicit MainDialog(const QString& programPath = {}, QWidget* parent = nullptr);
    // With the dialogs given in place of the real ones (a test's script).
    explicit MainDialog(std::shared_ptr<DialogSeam> dialogs, const QString& programPath = {},
                        QWidget* parent = nullptr);
    ~MainDialog() override;

    // Client size of the window (the original dialog's 512 x 222 units).
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
    QMenu* FileMenu() const { return fileMenu; }
    QMenu* EditMenu() const { return editMenu; }
    KeyDragController* DragController() const { return dragController; }
    QMenu* PopupMenu() const { return popupMenu; }
    QString StatusPaneText(int pane) const;

    // Keeps the layout in a recovery file in folder while it has unsaved
    // changes; every change of the layout is reported to it at once.
    RecoveryGuard* KeepRecovery(const QString& folder);

    void ShowAbout();
    void ShowHelp();
    // The title's mark of unsaved changes follows the layout's.
    void UpdateModifiedMark();
    // Opens a layout file as File > Open does once its dialog has answered.
    void OpenGivenFile(const QString& path);

    // File > Compare with...: marks the keys that differ from a chosen file
    // and lists the differences beside the window.
    void CompareWithFile();
    // The layout may have changed (an edit, New, Open): the compare follows it
    // once the command has run, or ends when another file is in the window.
    void FollowCompare();
    // Shows the bar above the grid when the reader changed the open file.
    void UpdateReadReportBar();
    ReadReportBar* ReportBar() const { return readReportBar; }
    // A bar above the client area was shown or hidden: the window's height
    // follows, so the grid keeps its size.
    void FitAroundClient();
    CompareWindow* Compare() const { return compareWindow; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    class View;

    void BuildMenus();
    // The Edit menu, between File and Help; InstallEditing wires it to the
    // editor once that exists (history texts, drag and drop in the grid).
    void BuildEditMenu();
    void InstallEditing();
    void BuildKeyCommands();
    std::optional<PopupMenuItems> SelectedKeyItems();
    void RunKeyCommand(bool PopupMenuItems::*allowed, void (KeyEditor::*command)());
    void ShowPopupAtSelectedKey();
    void UpdateUndoActions();
    // Alt+arrow: moves the selected key; false for any other key.
    bool MoveKeyByArrow(int key);
    // Undo and redo belong to the layout even while a text field has the focus.
    static bool IsHistoryShortcut(const QKeyEvent* event);
    void BuildControls();
    void BuildStatusBar();
    void PlaceStatusPanes(const std::vector<int>& edges);
    void FitTexts();
    // The window's size (MainDialogWindow.cpp).
    void MakeResizable();
    void PlaceClientControls();
    void RestoreWindowSize();
    void SaveWindowSize() const;
    void BuildReadReportBar();
    void ConnectControls();
    void InstallDialogs();
    bool ForwardWindowKey(int key);
    bool ShowDialogHelp(QWidget* widget, QEvent* event);
    void ShowPopup(QPoint clientPoint, QPoint globalPoint);
    void ShowRecentFiles(const std::vector<std::pair<int, QString>>& entries);

    QString programPath;
    KeyGridWidget* grid = nullptr;
    QWidget* client = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QMenu* popupMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* compareAction = nullptr;
    QAction* programmingAction = nullptr;
    QAction* settingsAction = nullptr;
    QAction* exitAction = nullptr;
    std::vector<QAction*> recentBlock; // entries and their separator
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* cutAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* pasteAction = nullptr;
    QAction* deleteAction = nullptr;
    KeyDragController* dragController = nullptr;
    QAction* insertKeyAction = nullptr;
    QAction* copyKeyAction = nullptr;
    QAction* singleAction = nullptr;
    QAction* toRightAction = nullptr;
    QAction* toDownAction = nullptr;
    QAction* quadAction = nullptr;
    QAction* clearKeyAction = nullptr;
    QAction* clearAllAction = nullptr;
    // The popup's commands in the Edit menu, with what each needs of the key.
    std::vector<std::pair<QAction*, bool PopupMenuItems::*>> keyCommands;

    // Key panel.
    QSpinBox* digitsCount = nullptr;
    QLineEdit* prefixEdit = nullptr;
    QLineEdit* suffixEdit = nullptr;
    QCheckBox* prefixExtended = nullptr;
    QCheckBox* suffixExtended = nullptr;
    QCheckBox* digitsTypeNum = nullptr;
    QCheckBox* singleKey = nullptr;
    QCheckBox* groupKey = nullptr;
    QPushButton* setFlagForAll = nullptr;
    std::array<QRadioButton*, 3> modeRadios{}; // one for each of kOfferedModes
    QButtonGroup* modeGroup = nullptr;
    QPushButton* setModeForAll = nullptr;
    QComboBox* programmedKeys = nullptr;
    QLineEdit* keyNumber = nullptr;
    QLineEdit* keyName = nullptr;
    std::array<QLineEdit*, 16> codeEdits{};
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;

    std::array<QLabel*, kStatusPaneCount> statusPanes{};
    std::vector<int> paneEdges; // as placed
    QSize designedClient;       // the smallest client area, as laid out
    int chromeHeight = 0;       // the window's height around the client
    int plainChromeHeight = 0;  // the same without bars above the client
    std::vector<std::pair<QPointer<QWidget>, QRect>> designedPlaces;
    ReadReportBar* readReportBar = nullptr;
    CompareWindow* compareWindow = nullptr;
    struct ComparedFile;
    std::shared_ptr<ComparedFile> compared; // what the open compare is against
    bool compareFollowPending = false;
    void RefreshCompare();

    std::unique_ptr<MainWindowHooks> hooks;
    std::unique_ptr<SettingsProfileStore> store;
    std::unique_ptr<View> view;
    std::unique_ptr<KeyEditor> editor;
    GridViewActions* viewActions = nullptr; // owned by the window
};

} // namespace vorlan
