// The program's one main window. It is a thin view: the key editor (core)
// owns the layout, the selection, the key panel's values and every rule of
// the grid, the panel and the File commands; this window turns user input
// into calls on the editor and shows what the editor orders (key images into
// the grid's canvas, panel values, list lines, status panes, title).
// The key grid is a KeyGridWidget; files go through the FileDialogs seam and
// the recent list through RecentFileStore; messages through MessageBox.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vorlan {

class KeyGridWidget;

class MainDialog : public QMainWindow {
    Q_OBJECT
public:
    explicit MainDialog(const QString& programPath = {}, QWidget* parent = nullptr);
    ~MainDialog() override;

    // Client size of the window (the original dialog's 512 x 222 units).
    static constexpr int kClientWidth = 768;
    static constexpr int kClientHeight = 361;

    KeyGridWidget* Grid() const { return grid; }
    QMenu* FileMenu() const { return fileMenu; }
    QMenu* PopupMenu() const { return popupMenu; }
    QString StatusPaneText(int pane) const;

    void ShowAbout();
    void ShowHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void BuildStatusBar();
    bool HandleNavigationKey(int key);

    QString programPath;
    KeyGridWidget* grid = nullptr;
    QWidget* client = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QMenu* popupMenu = nullptr;
    QAction* exitAction = nullptr;
    QAction* recentSeparator = nullptr;
    std::array<QAction*, 4> recentActions{};
    QAction* insertKeyAction = nullptr;
    QAction* copyKeyAction = nullptr;
    QAction* singleAction = nullptr;
    QAction* toRightAction = nullptr;
    QAction* toDownAction = nullptr;
    QAction* quadAction = nullptr;
    QAction* clearKeyAction = nullptr;
    QAction* clearAllAction = nullptr;

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
    std::array<QRadioButton*, 3> modeRadios{};
    QPushButton* setModeForAll = nullptr;
    QComboBox* programmedKeys = nullptr;
    QLineEdit* keyNumber = nullptr;
    QLineEdit* keyName = nullptr;
    std::array<QLineEdit*, 16> codeEdits{};
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;

    std::array<QLabel*, 7> statusPanes{};
};

} // namespace vorlan
