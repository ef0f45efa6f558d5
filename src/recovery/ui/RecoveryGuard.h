// The window side of crash recovery and of files changed elsewhere: a timer
// that keeps the recovery file (RecoveryKeeper) current, the start-up offer of
// what a crashed program left, a look at the open file whenever the window
// comes to the front, and the check of the settings store at start.
#pragma once

#include "recovery/RecoveryKeeper.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace vorlan {

class LayoutDocument;

// What the guard needs of the window's file commands: take a recovered layout
// as unsaved changes to its file, look whether the open file was changed
// elsewhere (offering to reload it), and what the open file was when it was
// last read or written.
struct RecoveryFileActions {
    std::function<void(const RecoveryRecord&)> restore;
    std::function<void()> checkDiskChange;
    RecoveryKeeper::StampSource stamp;
};

// The folder of recovery files: "recovery" in the user's data folder.
QString RecoveryFolder();

// No Q_OBJECT: it has no signals or slots of its own.
class RecoveryGuard : public QObject {
public:
    // Lives as long as window (its child); keeps document, which the window's
    // file commands open and save, in folder.
    RecoveryGuard(QWidget* window, RecoveryFileActions files, const LayoutDocument& document,
                  const QString& folder);
    ~RecoveryGuard() override;

    // Offers what crashed programs left; call once the window is shown.
    void OfferAbandoned();
    // A change worth keeping at once (an undo step): written within a second.
    void NoteChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Tick();

    QWidget* window;
    RecoveryFileActions files;
    std::unique_ptr<RecoveryKeeper> keeper;
    QTimer timer;
    bool checking = false;
};

// A settings store that cannot be read is set aside (renamed) and the
// defaults used, with a message; returns false then.
bool CheckSettingsStore(QWidget* parent);

// The first half of that check, for start-up: it must run before anything
// reads or writes the settings (a write would replace the damaged file, a
// read caches its empty contents), before the translations and long before
// there is a window for the message. Returns the file the message names
// (the set-aside copy), or nothing when the store reads fine.
std::optional<QString> SetAsideUnreadableSettings();
// The message about that file, in the program's language.
QString SettingsUnreadableMessage(const QString& file);

} // namespace vorlan
