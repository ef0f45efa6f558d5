#include "common/ui/HeldKeyGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vorlan {
namespace {

// The physical key where the platform tells it (the same for press and
// release whatever the modifiers make of it), else Qt's key.
quint64 KeyOf(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? (quint64{1} << 32) | event.nativeScanCode()
                                       : static_cast<quint64>(static_cast<quint32>(event.key()));
}

} // namespace

void HeldKeyGuard::Install() {
    static QPointer<HeldKeyGuard> guard;
    if (guard == nullptr) {
        guard = new HeldKeyGuard(qApp);
    }
    // The filter installed last is asked first.
    qApp->removeEventFilter(guard);
    qApp->installEventFilter(guard);
}

bool HeldKeyGuard::Swallows(QObject* receiver, const QKeyEvent& event) {
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr) {
        return false;
    }
    QWidget* window = widget->window();
    const auto found = presses.find(KeyOf(event));
    // X11 sends a held key's repeats as a release and a press at the same
    // time, and does not always mark them: such a press goes on holding.
    constexpr ulong kRepeatGapMs = 60;
    const bool repeat =
        event.isAutoRepeat() || (found != presses.end() && found->releasedAt != 0 &&
                                 event.timestamp() - found->releasedAt < kRepeatGapMs);
    if (event.type() == QEvent::KeyRelease) {
        if (found != presses.end()) {
            found->releasedAt = event.timestamp();
        }
    } else if (!repeat) {
        // A shortcut's key press never arrives: its override stands for it.
        presses.insert(KeyOf(event), {window, 0});
        return false;
    }
    return found == presses.end() || found->window != window;
}

bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease ||
         type == QEvent::ShortcutOverride) &&
        Swallows(watched, *static_cast<QKeyEvent*>(event))) {
        event->accept(); // an accepted override keeps the key from every shortcut
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorlan
