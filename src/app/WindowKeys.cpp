#include "app/WindowKeys.h"

#include "app/AppShell.h"
#include "app/EditActions.h"
#include "app/KeyPanelControls.h"
#include "app/MainDialog.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyFindBar.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace vorlan {

WindowKeys::WindowKeys(MainDialog& theWindow, KeyEditor& theEditor,
                       const KeyPanelControls& thePanel, EditActions& theEdits,
                       QString theProgramPath)
    : window(theWindow), editor(theEditor), panel(thePanel), edits(theEdits),
      programPath(std::move(theProgramPath)) {
    qApp->installEventFilter(this);
}

WindowKeys::~WindowKeys() {
    qApp->removeEventFilter(this);
}

// F1 in one of the program's dialogs opens the guide at that dialog's
// section, which the dialog names in its "helpSection" property. The capture
// dialog names none: there F1 is a key to capture.
bool WindowKeys::ShowDialogHelp(QWidget* widget, QEvent* event) {
    if (event->type() != QEvent::KeyPress || widget == nullptr ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
        return false;
    }
    QWidget* dialog = widget->window();
    const QString section = dialog->property("helpSection").toString();
    QWidget* owner = dialog->parentWidget();
    while (owner != nullptr && owner != &window) {
        owner = owner->parentWidget();
    }
    if (dialog == &window || section.isEmpty() || owner == nullptr) {
        return false;
    }
    OpenHelp(programPath, &window, section);
    return true;
}

void WindowKeys::ForwardWindowKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        editor.OnArrowLeft();
        break;
    case Qt::Key_Right:
        editor.OnArrowRight();
        break;
    case Qt::Key_Up:
        editor.OnArrowUp();
        break;
    case Qt::Key_Down:
        editor.OnArrowDown();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        editor.OnEnter();
        break;
    case Qt::Key_Escape:
        window.close();
        break;
    default:
        break;
    }
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    // Whatever the user did may have changed the layout: the title's mark
    // follows once the event has been handled.
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, &window, &MainDialog::UpdateModifiedMark);
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (ShowDialogHelp(widget, event)) {
        return true;
    }
    // An open menu owns every key, those it hands on to the menu bar too:
    // Left and Right walk the menus, Escape closes the menu only.
    if (widget == nullptr || widget->window() != &window ||
        widget->property(KeyFindBar::kOwnsWindowKeys).toBool() ||
        QApplication::activePopupWidget() != nullptr ||
        qobject_cast<QMenuBar*>(widget) != nullptr) {
        return false;
    }
    // A code field is read-only: typing into it says where codes are entered.
    if (const auto* typed = static_cast<QKeyEvent*>(event);
        event->type() == QEvent::KeyPress && !typed->text().isEmpty() &&
        typed->text().front().isPrint() && !typed->modifiers().testFlag(Qt::ControlModifier) &&
        panel.IsCodeField(widget)) {
        QToolTip::showText(widget->mapToGlobal(QPoint(0, widget->height())),
                           UiText(StringId::CodesTypedHint), widget);
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride &&
        EditActions::IsHistoryShortcut(static_cast<QKeyEvent*>(event))) {
        return true; // not taken by the field: the window's shortcut runs
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    static constexpr int kWindowKeys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,
                                          Qt::Key_Down,  Qt::Key_Return, Qt::Key_Enter,
                                          Qt::Key_Escape};
    if (std::find(std::begin(kWindowKeys), std::end(kWindowKeys), key) == std::end(kWindowKeys)) {
        return false;
    }
    // A field that steps its value with Up and Down (the digit count) keeps
    // them; its text is inside it, so the focus may be on its line edit.
    if ((key == Qt::Key_Up || key == Qt::Key_Down) &&
        (qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
         qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr)) {
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep the key from any shortcut; the key press follows.
        event->accept();
        return true;
    }
    if (static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::AltModifier) &&
        edits.MoveKeyByArrow(key)) {
        return true;
    }
    ForwardWindowKey(key);
    return true;
}

} // namespace vorlan
