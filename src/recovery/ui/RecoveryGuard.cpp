#include "recovery/ui/RecoveryGuard.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "recovery/RecoveryKeeper.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <ctime>
#include <filesystem>

namespace vorlan {
namespace {

class WindowRecoveryHost : public RecoveryHost {
public:
    WindowRecoveryHost(QWidget* theWindow, const RecoveryFileActions& theFiles,
                       RecoveryKeeper& theKeeper)
        : window(theWindow), files(theFiles), keeper(theKeeper) {}

    bool AskYesNo(const UiMessage& question) override { return vorlan::AskYesNo(window, question); }
    void ShowError(const UiMessage& message) override {
        vorlan::ShowError(window, UiMessageText(message));
    }
    void Restore(const RecoveryRecord& record) override {
        files.restore(record);
        // This window's own copy is on the disk before the old one goes, so
        // a second crash right away loses nothing either.
        keeper.NoteChange();
        keeper.Tick(RecoveryKeeper::Clock::now(), static_cast<std::int64_t>(std::time(nullptr)));
    }

private:
    QWidget* window;
    const RecoveryFileActions& files;
    RecoveryKeeper& keeper;
};

} // namespace

QString RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryGuard::RecoveryGuard(QWidget* theWindow, RecoveryFileActions theFiles,
                             const LayoutDocument& document, const QString& folder)
    : QObject(theWindow), window(theWindow), files(std::move(theFiles)) {
    setObjectName(QStringLiteral("RecoveryGuard"));
    keeper = std::make_unique<RecoveryKeeper>(document, ToPath(folder), files.stamp);
    // The keeper decides when a write is due (at most one a second); ticks
    // four times a second are cheap and get a noted change written within
    // a second and a quarter even when it came just after a write.
    timer.setInterval(250);
    connect(&timer, &QTimer::timeout, this, &RecoveryGuard::Tick);
    timer.start();
    theWindow->installEventFilter(this);
}

// A normal end of the window, or of the program: nothing is left to recover.
RecoveryGuard::~RecoveryGuard() {
    keeper->Close();
}

void RecoveryGuard::OfferAbandoned() {
    const std::string folder = std::filesystem::path(keeper->Path()).parent_path().string();
    if (folder.empty()) {
        return;
    }
    WindowRecoveryHost host(window, files, *keeper);
    checking = true;
    OfferRecovery(folder, host);
    checking = false;
    Tick();
}

void RecoveryGuard::NoteChange() {
    keeper->NoteChange();
    Tick();
}

void RecoveryGuard::Tick() {
    keeper->Tick(RecoveryKeeper::Clock::now(), static_cast<std::int64_t>(std::time(nullptr)));
}

bool RecoveryGuard::eventFilter(QObject* watched, QEvent* event) {
    // The question's own box takes and gives back the activation: ask once.
    if (watched == window && event->type() == QEvent::WindowActivate && !checking &&
        window->isEnabled() && QApplication::activeModalWidget() == nullptr) {
        checking = true;
        files.checkDiskChange();
        checking = false;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<QString> SetAsideUnreadableSettings() {
    QString file;
    {
        QSettings settings;
        if (settings.status() == QSettings::NoError) {
            return std::nullopt;
        }
        file = settings.fileName();
    }
    const QString aside = file + QStringLiteral(".unreadable");
    QFile::remove(aside);
    const bool moved = QFile::rename(file, aside);
    return moved ? aside : file;
}

QString SettingsUnreadableMessage(const QString& file) {
    return UiMessageText({StringId::SettingsUnreadable, {ToPath(file)}});
}

bool CheckSettingsStore(QWidget* parent) {
    const std::optional<QString> file = SetAsideUnreadableSettings();
    if (file) {
        ShowError(parent, SettingsUnreadableMessage(*file));
    }
    return !file;
}

} // namespace vorlan
