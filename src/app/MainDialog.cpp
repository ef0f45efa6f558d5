#include "app/MainDialog.h"

#include "app/AboutDialog.h"
#include "app/AppShell.h"
#include "app/ClientArea.h"
#include "app/CompareController.h"
#include "app/EditActions.h"
#include "app/FileActions.h"
#include "app/GridViewActions.h"
#include "app/LanguageMenu.h"
#include "app/MainDialogAccessibility.h"
#include "app/MainWindowHooks.h"
#include "app/MainWindowView.h"
#include "app/ProgramDialogs.h"
#include "app/RecoveryActions.h"
#include "app/StatusPaneRow.h"
#include "app/WindowKeys.h"
#include "app/WindowSizer.h"
#include "common/ui/HeldKeyGuard.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "keyboards/ui/PcLayoutMenu.h"
#include "layout/ui/CompareWindow.h"
#include "layout/ui/SettingsProfileStore.h"
#include "recovery/ui/RecoveryGuard.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>

namespace vorlan {

MainDialog::MainDialog(const QString& theProgramPath, QWidget* parent)
    : MainDialog(nullptr, theProgramPath, parent) {}

MainDialog::MainDialog(std::shared_ptr<DialogSeam> dialogs, const QString& theProgramPath,
                       QWidget* parent)
    : QMainWindow(parent), programPath(theProgramPath), hooks(std::make_unique<MainWindowHooks>()),
      store(std::make_unique<SettingsProfileStore>()) {
    SetDialogSeam(this, dialogs ? std::move(dialogs) : std::make_shared<ProgramDialogs>());
    setObjectName(QStringLiteral("MainDialog"));
    setWindowTitle(UiText(StringId::MainCaption));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    // The menu bar opens with an item that has no text and no command.
    menuBar()->addAction(QString());
    files = new FileActions(*this);
    edits = new EditActions(*this);
    AddHelpMenu(*this, [this] { ShowHelp(); });
    area = std::make_unique<ClientArea>(*this, kClientWidth, kClientHeight);
    client = area->Widget();
    grid = area->Grid();
    panes = std::make_unique<StatusPaneRow>(*statusBar(), client->font(),
                                            std::vector<int>(kPaneEdges.begin(), kPaneEdges.end()));
    sizer = new WindowSizer(*this, *client, *grid, *panes);
    area->FitTexts(*panes);
    sizer->MakeResizable();
    sizer->RestoreSize();
    setMouseTracking(true);

    view = std::make_unique<MainWindowView>(
        *this, MainWindowView::Parts{*grid, area->Panel(), *panes, *files, *sizer->ReportBar()});
    editor = std::make_unique<KeyEditor>(*view, *store);
    view->ShowLayoutOf(*editor);
    area->Connect(*editor);
    files->Connect(*editor, *grid);
    compare = new CompareController(*this, *editor, *grid);
    connect(files->CompareAction(), &QAction::triggered, compare,
            &CompareController::CompareWithFile);
    InstallWindowDialogs(*this, *hooks, *editor, files->ProgrammingAction(), [this] {
        return viewActions == nullptr ? std::string() : viewActions->PcLayouts().LayoutInUse();
    });
    viewActions = new GridViewActions(*this, *grid, *editor);
    files->SetPcLayout([this] { return viewActions->PcLayouts().LayoutInUse(); });
    AddLanguageMenu(*this, programPath.isEmpty() ? QCoreApplication::applicationDirPath()
                                                 : QFileInfo(programPath).absolutePath());
    SetUpAccessibility(*this);
    editor->Start();
    edits->Connect(*editor, *grid);
    editor->History().AddListener([this](HistoryChange) { UpdateModifiedMark(); });

    keys = std::make_unique<WindowKeys>(*this, *editor, area->Panel(), *edits, programPath);
    // Before any window's filter: a key held from another window is no key here.
    HeldKeyGuard::Install();
    // The keys typed first select and edit keys, not an RFID setting.
    grid->setFocus(Qt::OtherFocusReason);
}

MainDialog::~MainDialog() = default;

QMenu* MainDialog::FileMenu() const {
    return files->Menu();
}
QMenu* MainDialog::EditMenu() const {
    return edits->Menu();
}
QMenu* MainDialog::PopupMenu() const {
    return edits->Popup();
}
KeyDragController* MainDialog::DragController() const {
    return edits->Drag();
}
QString MainDialog::StatusPaneText(int pane) const {
    return panes->Text(pane);
}
ReadReportBar* MainDialog::ReportBar() const {
    return sizer->ReportBar();
}
CompareWindow* MainDialog::Compare() const {
    return compare->Window();
}
void MainDialog::FitAroundClient() {
    sizer->FitAroundClient();
}

RecoveryGuard* MainDialog::KeepRecovery(const QString& folder) {
    auto* guard =
        new RecoveryGuard(this, RecoveryActionsOf(editor->Files()), editor->Document(), folder);
    // Every change of the layout is an undo step (typing merges into one):
    // each reaches the keeper, which writes within a second.
    editor->History().AddListener([guard = QPointer<RecoveryGuard>(guard)](HistoryChange) {
        if (guard) {
            guard->NoteChange();
        }
    });
    return guard;
}

// Help stays closed while a key's codes are being captured.
void MainDialog::ShowHelp() {
    if (!editor->KeyEditActive()) {
        OpenHelp(programPath, this);
    }
}

void MainDialog::UpdateModifiedMark() {
    if (editor) {
        setWindowModified(editor->Document().dirty);
    }
}

void MainDialog::OpenGivenFile(const QString& path) {
    editor->OnOpenGivenFile(ToPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

// Exit, the close box and Escape all end here: the save question, then the
// window closes whatever the answer, unless a save the user asked for could
// not write its file. While a programming run has the window disabled, the
// close box a window manager still offers does nothing: the layout stays and
// the write is not cut short.
void MainDialog::closeEvent(QCloseEvent* event) {
    if (!isEnabled() || !editor->OnClose()) {
        event->ignore();
        return;
    }
    sizer->SaveSize();
    event->accept();
}

// Off the grid (which takes every press and move over it): the status panes
// show no key, and a press takes the panel's values as one on the grid does.
void MainDialog::mouseMoveEvent(QMouseEvent* event) {
    editor->OnPointerMove(-1, -1);
    QMainWindow::mouseMoveEvent(event);
}

void MainDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        editor->OnPointerPress(-1, -1);
    }
    QMainWindow::mousePressEvent(event);
}

} // namespace vorlan
