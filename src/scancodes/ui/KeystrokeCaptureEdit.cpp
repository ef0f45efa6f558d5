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
    // Each auto-repeated press counts as a press of its own.
    return ClaimKeyEvent(event,
                         [this](const QKeyEvent& key) {
                             if (const auto down = KeyDownFromEvent(key);
                                 down && capture_.KeyDown(*down)) {
                                 Q_EMIT slotsChanged();
                             }
                         }) ||
           QWidget::event(event);
}

} // namespace vorlan
