// The main window's Edit menu: undo and redo of the editor's history (each
// named after its step), the key clipboard, and moving keys by keyboard
// (Alt+arrow) and by dragging them in the grid; and the recovery keeper,
// which hears of every step.
#include "app/MainDialog.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyDragController.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "recovery/ui/RecoveryGuard.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace vorlan {
namespace {

QString StepText(StringId plain, StringId named, const std::optional<StringId>& step) {
    return step ? FillPlaceholders(UiText(named), {UiText(*step)}) : UiText(plain);
}

const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)};

} // namespace

void MainDialog::BuildEditMenu() {
    editMenu = menuBar()->addMenu(UiText(StringId::MenuEdit));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    const auto add = [this](StringId text, const char* name, QList<QKeySequence> keys,
                            void (KeyEditor::*command)()) {
        QAction* action = editMenu->addAction(UiText(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        // The window's own shortcuts, whatever child has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] { (editor.get()->*command)(); });
        return action;
    };
    undoAction = add(StringId::MenuUndo, "actionUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                     &KeyEditor::OnUndo);
    redoAction =
        add(StringId::MenuRedo, "actionRedo", {kRedoKeys[0], kRedoKeys[1]}, &KeyEditor::OnRedo);
    editMenu->addSeparator();
    cutAction = add(StringId::MenuCut, "actionCut", {QKeySequence(Qt::CTRL | Qt::Key_X)},
                    &KeyEditor::OnCut);
    copyAction = add(StringId::MenuCopy, "actionCopy", {QKeySequence(Qt::CTRL | Qt::Key_C)},
                     &KeyEditor::OnCopy);
    pasteAction = add(StringId::MenuPaste, "actionPaste", {QKeySequence(Qt::CTRL | Qt::Key_V)},
                      &KeyEditor::OnPaste);
    deleteAction = add(StringId::MenuDelete, "actionDelete", {QKeySequence(Qt::Key_Delete)},
                       &KeyEditor::OnDelete);
    BuildKeyCommands();
}

// The grid's popup menu, for the selected key: the same texts and commands,
// each with a shortcut. The entries stay enabled so their shortcuts always
// reach RunKeyCommand, which asks the editor first as the popup does; while
// the menu is open they show what the popup would offer.
void MainDialog::BuildKeyCommands() {
    editMenu->addSeparator();
    const auto add = [this](QMenu* menu, StringId text, const char* name, QKeySequence keys,
                            bool PopupMenuItems::*allowed, void (KeyEditor::*command)()) {
        QAction* action = menu->addAction(UiText(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, allowed, command] { RunKeyCommand(allowed, command); });
        keyCommands.push_back({action, allowed});
    };
    add(editMenu, StringId::PopupInsertKey, "actionInsertKey", QKeySequence(Qt::CTRL | Qt::Key_I),
        &PopupMenuItems::insertKey, &KeyEditor::OnInsertKey);
    add(editMenu, StringId::PopupCopyKey, "actionCopyKey",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &PopupMenuItems::copyKey,
        &KeyEditor::OnCopyKey);
    add(editMenu, StringId::PopupSingle, "actionSingle", QKeySequence(Qt::CTRL | Qt::Key_1),
        &PopupMenuItems::single, &KeyEditor::OnSingle);
    QMenu* doubleMenu = editMenu->addMenu(UiText(StringId::PopupDouble));
    doubleMenu->setObjectName(QStringLiteral("editDoubleMenu"));
    add(doubleMenu, StringId::PopupToRight, "actionToRight", QKeySequence(Qt::CTRL | Qt::Key_2),
        &PopupMenuItems::toRight, &KeyEditor::OnDoubleRight);
    add(doubleMenu, StringId::PopupToDown, "actionToDown", QKeySequence(Qt::CTRL | Qt::Key_3),
        &PopupMenuItems::toDown, &KeyEditor::OnDoubleDown);
    add(editMenu, StringId::PopupQuad, "actionQuad", QKeySequence(Qt::CTRL | Qt::Key_4),
        &PopupMenuItems::quad, &KeyEditor::OnQuad);
    add(editMenu, StringId::PopupClearKey, "actionClearKey",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), &PopupMenuItems::clearKey,
        &KeyEditor::OnClearKey);
    add(editMenu, StringId::PopupClearAll, "actionClearAll",
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &PopupMenuItems::clearAll,
        &KeyEditor::OnClearAll);

    // Shift+F10 and the menu key, wherever the focus is in the window.
    QAction* keyMenu = editMenu->addAction(UiText(StringId::MenuKeyMenu));
    keyMenu->setObjectName(QStringLiteral("actionKeyMenu"));
    keyMenu->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    keyMenu->setShortcutContext(Qt::WindowShortcut);
    connect(keyMenu, &QAction::triggered, this, &MainDialog::ShowPopupAtSelectedKey);

    connect(editMenu, &QMenu::aboutToShow, this, [this] {
        const std::optional<PopupMenuItems> items = SelectedKeyItems();
        for (const auto& [action, allowed] : keyCommands) {
            action->setEnabled(items && (*items).*allowed);
        }
    });
    connect(editMenu, &QMenu::aboutToHide, this, [this] {
        for (const auto& command : keyCommands) {
            command.first->setEnabled(true);
        }
    });
}

// The popup menu's choices for the selected key, as a click on its middle
// would offer them.
std::optional<PopupMenuItems> MainDialog::SelectedKeyItems() {
    const int key = editor->CurrentKey();
    if (key == 0) {
        return std::nullopt;
    }
    // What was typed into the panel belongs to the key first, as a press on
    // the grid would take it.
    editor->TakePanelValues();
    const GridPoint origin = CellOrigin(key);
    return editor->OnContextMenu(origin.x + kCellPitch / 2, origin.y + kCellPitch / 2);
}

void MainDialog::RunKeyCommand(bool PopupMenuItems::*allowed, void (KeyEditor::*command)()) {
    if (const std::optional<PopupMenuItems> items = SelectedKeyItems();
        items && (*items).*allowed) {
        (editor.get()->*command)();
    }
}

void MainDialog::ShowPopupAtSelectedKey() {
    const int key = editor->CurrentKey();
    if (key == 0) {
        return;
    }
    editor->TakePanelValues();
    const GridPoint origin = CellOrigin(key);
    const QPoint clientPoint(origin.x + kCellPitch / 2, origin.y + kCellPitch / 2);
    ShowPopup(clientPoint, client->mapToGlobal(clientPoint));
}

RecoveryGuard* MainDialog::KeepRecovery(const QString& folder) {
    auto* guard = new RecoveryGuard(this, editor->Files(), editor->Document(), folder);
    // Every change of the layout is an undo step (typing merges into one):
    // each reaches the keeper, which writes within a second; its 30-second
    // write stays as the backstop.
    editor->History().AddListener([guard = QPointer<RecoveryGuard>(guard)](HistoryChange) {
        if (guard) {
            guard->NoteChange();
        }
    });
    return guard;
}

void MainDialog::InstallEditing() {
    editor->History().AddListener([this](HistoryChange) {
        UpdateUndoActions();
        UpdateModifiedMark();
    });
    UpdateUndoActions();
    dragController = new KeyDragController(grid, *editor);
    // A click on the grid takes the focus from the text fields, so the
    // clipboard keys then act on the key rather than on a field's text; Tab
    // still reaches it.
    grid->setFocusPolicy(Qt::StrongFocus);
}

void MainDialog::UpdateUndoActions() {
    const LayoutHistory& history = editor->History();
    undoAction->setText(StepText(StringId::MenuUndo, StringId::MenuUndoStep, history.UndoName()));
    undoAction->setEnabled(history.CanUndo());
    redoAction->setText(StepText(StringId::MenuRedo, StringId::MenuRedoStep, history.RedoName()));
    redoAction->setEnabled(history.CanRedo());
}

bool MainDialog::MoveKeyByArrow(int key) {
    switch (key) {
    case Qt::Key_Left:
        editor->OnMoveKey(-1, 0);
        return true;
    case Qt::Key_Right:
        editor->OnMoveKey(1, 0);
        return true;
    case Qt::Key_Up:
        editor->OnMoveKey(0, -1);
        return true;
    case Qt::Key_Down:
        editor->OnMoveKey(0, 1);
        return true;
    default:
        return false;
    }
}

bool MainDialog::IsHistoryShortcut(const QKeyEvent* event) {
    const QKeySequence pressed(event->keyCombination());
    return pressed == QKeySequence(Qt::CTRL | Qt::Key_Z) || pressed == kRedoKeys[0] ||
           pressed == kRedoKeys[1];
}

} // namespace vorlan
