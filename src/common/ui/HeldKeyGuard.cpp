#include "common/ui/HeldKeyGuard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

namespace vorlan {
namespace {

// The physical key where the platform tells it (the same for press and
// release whatever the modifiers make of it), else Qt's key.
quint64 KeyOf(const QKeyEvent& event) {
    return event.nativeScanCode() != 0 ? (quint64{1} << 32) | event.nativeScanCode()
                                       : static_cast<quint64>(static_cast<quint32>(event.key()));
}

// X11 sends a held key's repeats as a release and a press at one time (Qt
// pairs them up to this far apart), and does not always mark them.
constexpr ulong kRepeatPairGapMs = 10;
// No keyboard repeats a key held for less than this; a press sooner after
// the key went down is the typist's (rolled keys, a reader typing a code).
constexpr ulong kShortestRepeatDelayMs = 100;

bool Within(ulong now, ulong then, ulong limit) {
    return now >= then && now - then <= limit;
}

bool AtLeast(ulong now, ulong then, ulong limit) {
    return now >= then && now - then >= limit;
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

bool HeldKeyGuard::IsRepeat(const Press* last, const QKeyEvent& event,
                            const QWidget* window) const {
    if (last == nullptr || !last->released) {
        return event.isAutoRepeat();
    }
    // After a release, only the pair's press is a repeat: it reaches the
    // window the release reached, at once, once the key was held long enough
    // to repeat. A press after the window changed is a new key: a popup that
    // opens while typing takes it in, as the field would have.
    const ulong now = event.timestamp();
    return last->releasedIn == window && Within(now, last->releasedAt, kRepeatPairGapMs) &&
           AtLeast(now, last->pressedAt, kShortestRepeatDelayMs);
}

bool HeldKeyGuard::Swallows(QObject* receiver, const QKeyEvent& event) {
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr) {
        return false;
    }
    QWidget* window = widget->window();
    const quint64 key = KeyOf(event);
    const auto found = presses.find(key);
    const std::optional<Override> override = std::exchange(lastOverride, std::nullopt);
    if (event.type() == QEvent::KeyRelease) {
        if (found != presses.end()) {
            found->released = true;
            found->releasedAt = event.timestamp();
            found->releasedIn = window;
        }
        return found == presses.end() || found->window != window;
    }
    // The key press after its override is that same press, wherever it goes.
    if (event.type() == QEvent::KeyPress && override && override->key == key &&
        override->at == event.timestamp() && found != presses.end()) {
        if (!override->swallowed) {
            found->window = window;
        }
        return override->swallowed;
    }
    bool swallowed = false;
    if (IsRepeat(found == presses.end() ? nullptr : &*found, event, window)) {
        swallowed = found == presses.end() || found->window != window;
    } else {
        // A shortcut's key press never arrives: its override stands for it.
        presses.insert(key, {window, event.timestamp(), false, 0, nullptr});
    }
    if (event.type() == QEvent::ShortcutOverride) {
        lastOverride = Override{key, event.timestamp(), swallowed};
    }
    return swallowed;
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
