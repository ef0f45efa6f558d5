// Keeps a key that went down in one window from acting in another: when a
// window closes while its key is still held (Escape held to leave the key
// test, Enter that opened a dialog), the key's repeats and its release reach
// whichever window gets the focus next, which never asked for that key.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <optional>

class QKeyEvent;
class QWidget;

namespace vorlan {

class HeldKeyGuard : public QObject {
    Q_OBJECT

public:
    // Installs the one guard of the application, once; later calls move it
    // to the front, so it sees each key before any other event filter.
    static void Install();

    // True when event (a key press, repeat or release sent to receiver)
    // belongs to a press that began in another window, or in no window of
    // the program at all.
    bool Swallows(QObject* receiver, const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    struct Press {
        QPointer<QWidget> window; // where the key went down
        ulong pressedAt = 0;      // the window system's time of that press
        bool released = false;
        ulong releasedAt = 0;         // the time of its last release
        QPointer<QWidget> releasedIn; // the window that release reached
    };
    bool IsRepeat(const Press* last, const QKeyEvent& event, const QWidget* window) const;

    // Each key's last press; a released key keeps its entry, so the release
    // may travel up to the window's parents and a repeat is still known.
    QHash<quint64, Press> presses;
    // The verdict on the last shortcut override: the key press that follows
    // it is the same press, though a popup may receive it.
    struct Override {
        quint64 key = 0;
        ulong at = 0;
        bool swallowed = false;
    };
    std::optional<Override> lastOverride;
};

} // namespace vorlan
