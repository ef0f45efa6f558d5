// Keeps a key that went down in one window from acting in another: when a
// window closes while its key is still held (Escape held to leave the key
// test, Enter that opened a dialog), the key's repeats and its release reach
// whichever window gets the focus next, which never asked for that key.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

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
        ulong releasedAt = 0;     // the window system's time of its last release
    };
    // Each key's last press; a released key keeps its entry, so the release
    // may travel up to the window's parents and a repeat is still known.
    QHash<quint64, Press> presses;
};

} // namespace vorlan
