#include "app/EditActions.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyDragController.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <functional>

namespace vorlan {
namespace {

QString StepText(StringId plain, StringId named, const std::optional<StringId>& step) {
    return step ? FillPlaceholders(UiText(named), {UiText(*step)}) : UiText(plain);
}

// The editor is bound before the call: GCC's vptr sanitizer reads the object
// of `(editor->*command)()` only on the virtual-call branch and then checks an
// uninitialised register.
void Run(KeyEditor& editor, void (KeyEditor::*command)()) {
    // A value typed into the panel is taken (or refused) before the command
    // shows the panel again; Undo then takes back that typing first.
    editor.TakePanelValues();
    std::invoke(command, editor);
}

const QKeySequence kRedoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                  QKeySequence(Qt::CTRL | Qt::Key_Y)};

} // namespace

EditActions::EditActions(QMainWindow& theWindow) : QObject(&theWindow), window(theWindow) {
    BuildEditMenu();
    BuildKeyCommands();
    BuildPopup();
}

void EditActions::BuildEditMenu() {
    editMenu = window.menuBar()->addMenu(UiText(StringId::MenuEdit));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    const auto add = [this](StringId text, const char* name, QList<QKeySequence> keys,
                            void (KeyEditor::*command)()) {
        QAction* action = editMenu->addAction(UiText(text));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        // The window's own shortcuts, whatever child has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] { Run(*editor, command); });
        return action;
    };
    undoAction = add(StringId::MenuUndo, "actionUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                     &KeyEditor::OnUndo);
    redoAction =
        add(StringId::MenuRedo, "actionRedo", {kRedoKeys[0], kRedoKeys[1]}, &KeyEditor::OnRedo);
    editMenu->addSeparator();
    add(StringId::MenuCut, "actionCut", {QKeySequence(Qt::CTRL | Qt::Key_X)}, &KeyEditor::OnCut);
    add(StringId::MenuCopy, "actionCopy", {QKeySequence(Qt::CTRL | Qt::Key_C)}, &KeyEditor::OnCopy);
    add(StringId::MenuPaste, "actionPaste", {QKeySequence(Qt::CTRL | Qt::Key_V)},
        &KeyEditor::OnPaste);
    add(StringId::MenuDelete, "actionDelete", {QKeySequence(Qt::Key_Delete)}, &KeyEditor::OnDelete);
}

// The grid's popup menu, for the selected key: the same texts and commands,
// each with a shortcut. The entries stay enabled so their shortcuts always
// reach RunKeyCommand, which asks the editor first as the popup does; while
// the menu is open they show what the popup would offer.
void EditActions::BuildKeyCommands() {
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
    connect(keyMenu, &QAction::triggered, this, &EditActions::ShowPopupAtSelectedKey);

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

// The popup itself shows only what the editor allows for the key under the pointer.
void EditActions::BuildPopup() {
    popupMenu = new QMenu(&window);
    popupMenu->setObjectName(QStringLiteral("popupMenu"));
    const auto add = [this](QMenu* menu, StringId text, bool PopupMenuItems::*allowed,
                            void (KeyEditor::*command)()) {
        QAction* action = menu->addAction(UiText(text));
        connect(action, &QAction::triggered, this, [this, command] { Run(*editor, command); });
        popupEntries.emplace_back(action, allowed);
    };
    add(popupMenu, StringId::PopupInsertKey, &PopupMenuItems::insertKey, &KeyEditor::OnInsertKey);
    add(popupMenu, StringId::PopupCopyKey, &PopupMenuItems::copyKey, &KeyEditor::OnCopyKey);
    popupMenu->addSeparator();
    add(popupMenu, StringId::PopupSingle, &PopupMenuItems::single, &KeyEditor::OnSingle);
    QMenu* doubleMenu = popupMenu->addMenu(UiText(StringId::PopupDouble));
    add(doubleMenu, StringId::PopupToRight, &PopupMenuItems::toRight, &KeyEditor::OnDoubleRight);
    add(doubleMenu, StringId::PopupToDown, &PopupMenuItems::toDown, &KeyEditor::OnDoubleDown);
    add(popupMenu, StringId::PopupQuad, &PopupMenuItems::quad, &KeyEditor::OnQuad);
    popupMenu->addSeparator();
    add(popupMenu, StringId::PopupClearKey, &PopupMenuItems::clearKey, &KeyEditor::OnClearKey);
    add(popupMenu, StringId::PopupClearAll, &PopupMenuItems::clearAll, &KeyEditor::OnClearAll);
}

void EditActions::Connect(KeyEditor& theEditor, KeyGridWidget& theGrid) {
    editor = &theEditor;
    grid = &theGrid;
    connect(grid, &KeyGridWidget::ContextMenuRequested, this, &EditActions::ShowPopup);
    editor->History().AddListener([this](HistoryChange) { UpdateUndoActions(); });
    UpdateUndoActions();
    drag = new KeyDragController(grid, *editor);
    // A click on the grid takes the focus from the text fields, so the
    // clipboard keys then act on the key rather than on a field's text; Tab
    // still reaches it.
    grid->setFocusPolicy(Qt::StrongFocus);
}

// The popup menu's choices for the selected key, as a click on its middle
// would offer them.
std::optional<PopupMenuItems> EditActions::SelectedKeyItems() {
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

void EditActions::RunKeyCommand(bool PopupMenuItems::*allowed, void (KeyEditor::*command)()) {
    if (const std::optional<PopupMenuItems> items = SelectedKeyItems();
        items && (*items).*allowed) {
        Run(*editor, command);
    }
}

void EditActions::ShowPopup(QPoint clientPoint, QPoint globalPoint) {
    const std::optional<PopupMenuItems> items =
        editor->OnContextMenu(clientPoint.x(), clientPoint.y());
    if (!items) {
        return;
    }
    for (const auto& [action, allowed] : popupEntries) {
        action->setEnabled((*items).*allowed);
    }
    popupMenu->exec(globalPoint);
}

void EditActions::ShowPopupAtSelectedKey() {
    const int key = editor->CurrentKey();
    if (key == 0) {
        return;
    }
    editor->TakePanelValues();
    const GridPoint origin = CellOrigin(key);
    const QPoint clientPoint(origin.x + kCellPitch / 2, origin.y + kCellPitch / 2);
    // The point is the client area's, where the grid lies.
    ShowPopup(clientPoint, grid->parentWidget()->mapToGlobal(clientPoint));
}

void EditActions::UpdateUndoActions() {
    const LayoutHistory& history = editor->History();
    undoAction->setText(StepText(StringId::MenuUndo, StringId::MenuUndoStep, history.UndoName()));
    undoAction->setEnabled(history.CanUndo());
    redoAction->setText(StepText(StringId::MenuRedo, StringId::MenuRedoStep, history.RedoName()));
    redoAction->setEnabled(history.CanRedo());
}

bool EditActions::MoveKeyByArrow(int key) {
    editor->TakePanelValues();
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

bool EditActions::IsHistoryShortcut(const QKeyEvent* event) {
    const QKeySequence pressed(event->keyCombination());
    return pressed == QKeySequence(Qt::CTRL | Qt::Key_Z) || pressed == kRedoKeys[0] ||
           pressed == kRedoKeys[1];
}

} // namespace vorlan
