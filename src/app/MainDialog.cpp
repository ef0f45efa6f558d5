#include "app/MainDialog.h"

#include "accessibility/ui/KeyGridAccessible.h"
#include "app/AboutDialog.h"
#include "app/AppShell.h"
#include "app/GridViewActions.h"
#include "app/HelpWindow.h"
#include "app/LanguageMenu.h"
#include "app/MainDialogAccessibility.h"
#include "app/MainWindowHooks.h"
#include "common/ui/DialogSeam.h"
#include "common/ui/HeldKeyGuard.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyClipboard.h"
#include "grid/KeyDescription.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyTexts.h"
#include "layout/LayoutDiff.h"
#include "layout/LayoutFile.h"
#include "layout/ui/CompareWindow.h"
#include "layout/ui/LossQuestion.h"
#include "layout/ui/SettingsProfileStore.h"
#include "printing/ui/PrintActions.h"
#include "programming/ui/ProgrammingWindows.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "scancodes/ui/KeyCaptureRunner.h"
#include "station/ui/StationTools.h"
#include "verify/ui/VerifyTools.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QValidator>
#include <algorithm>

namespace vorlan {
namespace {
// Sets a line edit's text only when it differs, so the caret of a field being
// typed in stays where it is when the editor pushes the same text back.
void SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}

} // namespace

// The key editor's view of this window. It only shows what it is told and
// reads the controls back when asked; it never calls back into the editor.
class MainDialog::View : public EditorView {
public:
    explicit View(MainDialog& window) : w(window) {}

    void DrawKeyImage(int slot, KeyImage image) override {
        w.FollowCompare();
        // The name goes with every image, so the grid can show or hide names
        // without a redraw from the editor.
        // A selected double or quad key is framed whole.
        const ShownKeyImage shown =
            w.editor ? ImageToShow(w.editor->Document(), slot, image) : ShownKeyImage{slot, image};
        w.grid->DrawKeyImage(shown.slot, shown.image,
                             w.editor ? KeyNameText(w.editor->Document(), shown.slot, shown.image)
                                      : QString());
        NotifyGridCellChanged(w.grid, slot);
    }

    void ShowPanelValues(const PanelValues& v) override {
        SetText(w.keyNumber, QString::number(v.keyNumber));
        SetText(w.keyName, FromLatin1Text(v.nameLatin1));
        for (std::size_t i = 0; i < v.codeTextsUtf8.size(); ++i) {
            SetText(w.codeEdits[i], FromUtf8Text(v.codeTextsUtf8[i]));
        }
        w.groupKey->setChecked(v.groupKey);
        w.singleKey->setChecked(v.singleKey);
        // Mode 4 (only from files) selects no radio button.
        w.modeGroup->setExclusive(false);
        for (std::size_t i = 0; i < w.modeRadios.size(); ++i) {
            w.modeRadios[i]->setChecked(kOfferedModes[i] == v.mode);
        }
        w.modeGroup->setExclusive(true);
        {
            const QSignalBlocker block(w.digitsCount);
            w.digitsCount->setValue(v.digitsCount);
        }
        w.digitsTypeNum->setChecked(v.digitsTypeNum);
        SetText(w.prefixEdit, FromLatin1Text(v.prefixLatin1));
        w.prefixExtended->setChecked(v.prefixExtended);
        SetText(w.suffixEdit, FromLatin1Text(v.suffixLatin1));
        w.suffixExtended->setChecked(v.suffixExtended);
    }

    PanelValues PanelValuesFromControls() override {
        PanelValues v;
        v.keyNumber = w.keyNumber->text().toInt();
        v.nameLatin1 = ToLatin1Text(w.keyName->text());
        for (std::size_t i = 0; i < v.codeTextsUtf8.size(); ++i) {
            v.codeTextsUtf8[i] = ToUtf8Text(w.codeEdits[i]->text());
        }
        v.groupKey = w.groupKey->isChecked();
        v.singleKey = w.singleKey->isChecked();
        v.mode = KeyMode::Unnamed;
        for (std::size_t i = 0; i < w.modeRadios.size(); ++i) {
            if (w.modeRadios[i]->isChecked()) {
                v.mode = kOfferedModes[i];
            }
        }
        v.digitsCount = w.digitsCount->value();
        v.digitsTypeNum = w.digitsTypeNum->isChecked();
        v.prefixLatin1 = ToLatin1Text(w.prefixEdit->text());
        v.prefixExtended = w.prefixExtended->isChecked();
        v.suffixLatin1 = ToLatin1Text(w.suffixEdit->text());
        v.suffixExtended = w.suffixExtended->isChecked();
        return v;
    }

    void RefuseRfidText(RfidField field, const UiMessage& message) override {
        ShowMessage({&w, MessageIcon::Exclamation, QCoreApplication::applicationName(),
                     UiMessageText(message), MessageButtons::Ok});
        QLineEdit* edit = field == RfidField::Prefix ? w.prefixEdit : w.suffixEdit;
        edit->setFocus();
        edit->selectAll();
    }

    void FillCatalogList(const std::vector<std::string>& rows) override {
        w.FollowCompare();
        const QSignalBlocker block(w.programmedKeys);
        w.programmedKeys->clear();
        for (const std::string& row : rows) {
            w.programmedKeys->addItem(FromLatin1Text(row));
        }
        w.programmedKeys->setCurrentIndex(-1);
    }

    void SelectCatalogRow(int row) override {
        const QSignalBlocker block(w.programmedKeys);
        w.programmedKeys->setCurrentIndex(row);
    }

    void SetStatusPane(StatusPane pane, const UiMessage& text) override {
        w.statusPanes[PaneIndex(pane)]->setText(UiMessageText(text));
    }

    void SetTitle(const std::string& shownPath) override {
        // The programming window names the layout by it.
        w.setWindowFilePath(FromPath(shownPath));
        QString shown = shownPath.empty() ? UiText(StringId::TitleUntitled) : FromPath(shownPath);
        // "[*]" marks unsaved changes; a "[*]" of the path itself is doubled
        // so that the title shows it as it is.
        shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        w.setWindowTitle(
            FillPlaceholders(UiText(StringId::TitleWithFile), {shown + QStringLiteral("[*]")}));
        w.UpdateModifiedMark();
        // Every file command sets the title; the reader's report is complete
        // once the command has run.
        QTimer::singleShot(0, &w, &MainDialog::UpdateReadReportBar);
        w.FollowCompare();
    }

    void ShowError(const UiMessage& message) override {
        vorlan::ShowError(&w, UiMessageText(message));
    }

    bool AskYesNo(const UiMessage& question) override { return vorlan::AskYesNo(&w, question); }

    SaveAnswer AskYesNoCancel(const UiMessage& question) override {
        switch (vorlan::AskYesNoCancel(&w, UiMessageText(question))) {
        case MessageResult::Yes:
            return SaveAnswer::Yes;
        case MessageResult::No:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
        }
    }

    CaptureResult RunCaptureDialog(const KeyCodes& codes,
                                   const std::array<std::string, kCodesPerKey>& names) override {
        if (!w.hooks->runCaptureDialog) {
            return {};
        }
        return w.hooks->runCaptureDialog(&w, codes, names);
    }

    std::optional<KeyboardSettingsValues>
    RunKeyboardSettingsDialog(const KeyboardSettingsValues& values) override {
        if (!w.hooks->runSettingsDialog) {
            return std::nullopt;
        }
        return w.hooks->runSettingsDialog(&w, values);
    }

    std::optional<std::string> RunOpenDialog() override {
        if (const std::optional<QString> path = DialogsFor(&w).AskOpenPath(&w, {})) {
            return ToPath(*path);
        }
        return std::nullopt;
    }

    std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                int preselected) override {
        SaveDialogRequest request;
        for (const std::string& name : typeNames) {
            request.typeNames << QString::fromLatin1(name.c_str());
        }
        request.preselectedType = preselected;
        request.defaultSuffix = QString::fromLatin1(kLayoutExtension);
        if (const std::optional<SaveDialogAnswer> answer =
                DialogsFor(&w).AskSavePath(&w, request)) {
            return SaveAsChoice{ToPath(answer->path), answer->typeIndex};
        }
        return std::nullopt;
    }

    bool AskToSaveLosing(KeyboardVariant variant, const std::vector<Difference>& losses,
                         bool showsSaved) override {
        return vorlan::AskToSaveLosing(&w, variant, losses, showsSaved);
    }

    void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) override {
        std::vector<std::pair<int, QString>> shown;
        for (const RecentFileEntry& e : entries) {
            shown.emplace_back(e.index, FromPath(e.path));
        }
        w.ShowRecentFiles(shown);
    }

    void SetClipboardKey(const std::string& keyText, const std::string& plainText) override {
        PutKeyOnClipboard(keyText, plainText);
    }

    std::string ClipboardKeyText() override { return KeyTextFromClipboard(); }

    void StartProgrammingRun(const std::string& layoutPath) override {
        if (w.hooks->startProgrammingRun) {
            w.hooks->startProgrammingRun(&w, layoutPath);
        }
    }

private:
    MainDialog& w;
};

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

    BuildMenus();
    BuildControls();
    BuildReadReportBar();
    BuildStatusBar();
    FitTexts();
    MakeResizable();
    RestoreWindowSize();
    setMouseTracking(true);

    view = std::make_unique<View>(*this);
    editor = std::make_unique<KeyEditor>(*view, *store);
    ConnectControls();
    InstallDialogs();
    viewActions = new GridViewActions(*this, *grid, *editor);
    AddLanguageMenu(*this, programPath.isEmpty() ? QCoreApplication::applicationDirPath()
                                                 : QFileInfo(programPath).absolutePath());
    SetUpAccessibility(*this);
    editor->Start();
    InstallEditing();

    // Arrows, Enter and Escape belong to the window whatever control has the
    // focus, so the filter sits on the application and checks the window.
    qApp->installEventFilter(this);
    // Before any window's filter: a key held from another window is no key here.
    HeldKeyGuard::Install();
    // The keys typed first select and edit keys, not an RFID setting.
    grid->setFocus(Qt::OtherFocusReason);
}

MainDialog::~MainDialog() {
    qApp->removeEventFilter(this);
}

// The dialogs of other subsystems are plugged in here.
void MainDialog::InstallDialogs() {
    // The capture dialog is made on first use, not before the first paint, and
    // then lives as long as the window.
    hooks->runCaptureDialog = [this](QWidget*, const KeyCodes& codes,
                                     const std::array<std::string, kCodesPerKey>& names) {
        auto* capture = findChild<CaptureScanCodesDialog*>(QString(), Qt::FindDirectChildrenOnly);
        if (capture == nullptr) {
            capture = new CaptureScanCodesDialog(this);
        }
        return RunCaptureDialogForKey(*capture, codes, names);
    };
    InstallProgrammingDialogs(this, *hooks);
    // The key test, the programming log and batch programming (Tools menu).
    new VerifyTools(this, *hooks, *editor, programmingAction);
    // A batch of keyboards (Tools menu), after the tools it builds on.
    new StationTools(this, *editor);
}

void MainDialog::ConnectControls() {
    KeyEditor* e = editor.get();

    // Grid.
    connect(grid, &KeyGridWidget::PointerMoved, this,
            [e](QPoint p) { e->OnPointerMove(p.x(), p.y()); });
    connect(grid, &KeyGridWidget::PointerPressed, this,
            [e](QPoint p) { e->OnPointerPress(p.x(), p.y()); });
    connect(grid, &KeyGridWidget::PointerDoubleClicked, this,
            [e](QPoint p) { e->OnPointerDoubleClick(p.x(), p.y()); });
    connect(grid, &KeyGridWidget::ContextMenuRequested, this, &MainDialog::ShowPopup);
    // A new canvas (another screen's pixel ratio) is drawn again from the layout.
    connect(grid, &KeyGridWidget::CanvasReset, this, [e] {
        e->DrawGrid();
        e->ShowKey(e->CurrentKey());
    });

    // Popup menu.
    connect(insertKeyAction, &QAction::triggered, this, [e] { e->OnInsertKey(); });
    connect(copyKeyAction, &QAction::triggered, this, [e] { e->OnCopyKey(); });
    connect(singleAction, &QAction::triggered, this, [e] { e->OnSingle(); });
    connect(toRightAction, &QAction::triggered, this, [e] { e->OnDoubleRight(); });
    connect(toDownAction, &QAction::triggered, this, [e] { e->OnDoubleDown(); });
    connect(quadAction, &QAction::triggered, this, [e] { e->OnQuad(); });
    connect(clearKeyAction, &QAction::triggered, this, [e] { e->OnClearKey(); });
    connect(clearAllAction, &QAction::triggered, this, [e] { e->OnClearAll(); });

    // File menu.
    // A layout just begun or opened is worked on in the grid first: the
    // keys typed next are not a setting's.
    connect(newAction, &QAction::triggered, this, [this, e] {
        e->OnFileNew();
        grid->setFocus(Qt::OtherFocusReason);
    });
    connect(openAction, &QAction::triggered, this, [this, e] {
        e->OnFileOpen();
        grid->setFocus(Qt::OtherFocusReason);
    });
    connect(saveAction, &QAction::triggered, this, [e] { e->OnFileSave(); });
    connect(compareAction, &QAction::triggered, this, &MainDialog::CompareWithFile);
    connect(saveAsAction, &QAction::triggered, this, [e] { e->OnFileSaveAs(); });
    connect(programmingAction, &QAction::triggered, this, [e] { e->OnFileProgramming(); });
    connect(settingsAction, &QAction::triggered, this, [e] { e->OnFileSettings(); });

    // Key panel: only the user's own changes reach the editor (textEdited,
    // clicked and activated are not sent for changes made by the program).
    connect(keyName, &QLineEdit::textEdited, this, [e] { e->OnKeyNameChanged(); });
    connect(singleKey, &QCheckBox::clicked, this, [e] { e->OnSingleKeyClicked(); });
    for (std::size_t i = 0; i < modeRadios.size(); ++i) {
        static_assert(std::tuple_size_v<decltype(modeRadios)> == kOfferedModes.size());
        const KeyMode mode = kOfferedModes[i];
        connect(modeRadios[i], &QRadioButton::clicked, this, [e, mode] { e->OnModeClicked(mode); });
    }
    connect(setModeForAll, &QPushButton::clicked, this, [e] { e->OnSetModeForAll(); });
    connect(setFlagForAll, &QPushButton::clicked, this, [e] { e->OnSetFlagForAll(); });
    connect(previousButton, &QPushButton::clicked, this, [e] { e->OnPreviousButton(); });
    connect(nextButton, &QPushButton::clicked, this, [e] { e->OnNextButton(); });
    connect(programmedKeys, &QComboBox::activated, this, [e](int row) { e->OnCatalogPick(row); });

    // RFID options.
    const auto rfidEdited = [e] { e->OnRfidFieldEdited(); };
    connect(prefixEdit, &QLineEdit::textEdited, this, rfidEdited);
    connect(suffixEdit, &QLineEdit::textEdited, this, rfidEdited);
    connect(prefixExtended, &QCheckBox::clicked, this, rfidEdited);
    connect(suffixExtended, &QCheckBox::clicked, this, rfidEdited);
    connect(digitsTypeNum, &QCheckBox::clicked, this, rfidEdited);
    connect(digitsCount, &QSpinBox::valueChanged, this, rfidEdited);
}

void MainDialog::ShowPopup(QPoint clientPoint, QPoint globalPoint) {
    const std::optional<PopupMenuItems> items =
        editor->OnContextMenu(clientPoint.x(), clientPoint.y());
    if (!items) {
        return;
    }
    insertKeyAction->setEnabled(items->insertKey);
    copyKeyAction->setEnabled(items->copyKey);
    singleAction->setEnabled(items->single);
    toRightAction->setEnabled(items->toRight);
    toDownAction->setEnabled(items->toDown);
    quadAction->setEnabled(items->quad);
    clearKeyAction->setEnabled(items->clearKey);
    clearAllAction->setEnabled(items->clearAll);
    popupMenu->exec(globalPoint);
}

void MainDialog::ShowRecentFiles(const std::vector<std::pair<int, QString>>& entries) {
    for (QAction* a : recentBlock) {
        fileMenu->removeAction(a);
        a->deleteLater();
    }
    recentBlock.clear();
    if (entries.empty()) {
        return;
    }
    for (const auto& [index, path] : entries) {
        // "&1" to "&4" pick an entry by its number; an "&" in the path itself is
        // shown, not taken as an access key.
        const QString shown = QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(
            index < 9 ? QStringLiteral("&%1 %2").arg(index + 1).arg(shown) : shown, fileMenu);
        action->setObjectName(QStringLiteral("actionRecent%1").arg(index + 1));
        const int i = index;
        connect(action, &QAction::triggered, this, [this, i] {
            editor->OnRecentFile(i);
            grid->setFocus(Qt::OtherFocusReason);
        });
        fileMenu->insertAction(exitAction, action);
        recentBlock.push_back(action);
    }
    recentBlock.push_back(fileMenu->insertSeparator(exitAction));
}

void MainDialog::ShowAbout() {
    AboutDialog about(ProgramVersion(), this);
    about.exec();
}

void MainDialog::OpenGivenFile(const QString& path) {
    editor->OnOpenGivenFile(ToPath(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

// Help stays closed while a key's codes are being captured.
void MainDialog::ShowHelp() {
    if (!editor->KeyEditActive()) {
        OpenHelp(programPath, this);
    }
}

} // namespace vorlan
