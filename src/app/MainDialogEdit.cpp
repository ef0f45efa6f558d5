// The main window's Edit menu: undo and redo of the editor's history (each
// named after its step), the key clipboard, and moving keys by keyboard
// (Alt+arrow) and by dragging them in the grid; and the recovery keeper,
// which hears of every step.
#include "app/MainDialog.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyDragController.h"
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
    editor->History().AddListener([this](HistoryChange) { UpdateUndoActions(); });
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
