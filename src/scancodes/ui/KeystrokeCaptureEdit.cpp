#include "scancodes/ui/KeystrokeCaptureEdit.h"

#include "scancodes/ScanCodeCapture.h"
#include "scancodes/ui/KeyEventMapping.h"

#include <QKeyEvent>

namespace vorlan {

KeystrokeCaptureEdit::KeystrokeCaptureEdit(ScanCodeCapture& capture, QWidget* parent)
    : QWidget(parent), capture_(capture) {
    setObjectName(QStringLiteral("keystrokeCapture"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A hidden widget cannot hold the focus, so it stays shown but takes no room.
    setFixedSize(0, 0);
}

bool KeystrokeCaptureEdit::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claim the key before shortcuts, mnemonics and default buttons see it.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        // Handled here rather than in keyPressEvent, which never sees Tab.
        // Each auto-repeated press counts as a press of its own.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const auto down = KeyDownFromEvent(*key); down && capture_.KeyDown(*down)) {
            emit slotsChanged();
        }
        event->accept();
        return true;
    }
    case QEvent::KeyRelease:
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

} // namespace vorlan
