// How the main window takes keys, the pointer outside the grid and closing:
// arrows, Enter and Escape drive the grid whatever has the focus, F1 in a
// dialog opens its section of the guide.
#include "app/AppShell.h"
#include "app/MainDialog.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyFindBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace vorlan {

// F1 in one of the program's dialogs opens the guide at that dialog's
// section, which the dialog names in its "helpSection" property. The capture
// dialog names none: there F1 is a key to capture.
bool MainDialog::ShowDialogHelp(QWidget* widget, QEvent* event) {
    if (event->type() != QEvent::KeyPress || widget == nullptr ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
        return false;
    }
    QWidget* dialog = widget->window();
    const QString section = dialog->property("helpSection").toString();
    QWidget* owner = dialog->parentWidget();
    while (owner != nullptr && owner != this) {
        owner = owner->parentWidget();
    }
    if (dialog == this || section.isEmpty() || owner == nullptr) {
        return false;
    }
    OpenHelp(programPath, this, section);
    return true;
}

bool MainDialog::ForwardWindowKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        editor->OnArrowLeft();
        return true;
    case Qt::Key_Right:
        editor->OnArrowRight();
        return true;
    case Qt::Key_Up:
        editor->OnArrowUp();
        return true;
    case Qt::Key_Down:
        editor->OnArrowDown();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editor->OnEnter();
        return true;
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void MainDialog::UpdateModifiedMark() {
    if (editor) {
        setWindowModified(editor->Document().dirty);
    }
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client && event->type() == QEvent::Resize) {
        PlaceClientControls();
        return false;
    }
    // Whatever the user did may have changed the layout: the title's mark
    // follows once the event has been handled.
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, this, &MainDialog::UpdateModifiedMark);
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (ShowDialogHelp(widget, event)) {
        return true;
    }
    // An open menu owns every key, those it hands on to the menu bar too:
    // Left and Right walk the menus, Escape closes the menu only.
    if (widget == nullptr || widget->window() != this ||
        widget->property(KeyFindBar::kOwnsWindowKeys).toBool() ||
        QApplication::activePopupWidget() != nullptr ||
        qobject_cast<QMenuBar*>(widget) != nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    // A code field is read-only: typing into it says where codes are entered.
    if (const auto* typed = static_cast<QKeyEvent*>(event);
        event->type() == QEvent::KeyPress && !typed->text().isEmpty() &&
        typed->text().front().isPrint() && !typed->modifiers().testFlag(Qt::ControlModifier) &&
        std::find(codeEdits.begin(), codeEdits.end(), qobject_cast<QLineEdit*>(widget)) !=
            codeEdits.end()) {
        QToolTip::showText(widget->mapToGlobal(QPoint(0, widget->height())),
                           UiText(StringId::CodesTypedHint), widget);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride &&
        IsHistoryShortcut(static_cast<QKeyEvent*>(event))) {
        return true; // not taken by the field: the window's shortcut runs
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    static constexpr int kWindowKeys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,
                                          Qt::Key_Down,  Qt::Key_Return, Qt::Key_Enter,
                                          Qt::Key_Escape};
    if (std::find(std::begin(kWindowKeys), std::end(kWindowKeys), key) == std::end(kWindowKeys)) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep the key from any shortcut; the key press follows.
        event->accept();
        return true;
    }
    if (static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::AltModifier) &&
        MoveKeyByArrow(key)) {
        return true;
    }
    ForwardWindowKey(key);
    return true;
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
    SaveWindowSize();
    event->accept();
}

// Pointer over the window outside the grid: the status panes show no key, and
// a press takes the panel's values as a press on the grid does.
// The grid takes every press and move over it itself; what reaches the
// window lies off the grid, even where the window's own pixels would fall in
// a cell of the designed grid (the room around a larger, centred grid).
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
