#include "records/ui/RecordsDialog.h"

#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "records/RecordLocation.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>
#include <optional>
#include <thread>

namespace vorlan {
namespace {

const QString kSettingKey = QStringLiteral("records/location");

// The address as it may be used, or nothing after the reason was said.
std::optional<std::string> UsableAddress(const QString& text, QString& why) {
    const std::string trimmed = TrimmedAddress(ToUtf8Text(text));
    if (const std::optional<StringId> problem = ServerAddressProblem(trimmed)) {
        why = *problem == StringId::RecordPasswordGiven
                  ? UiText(*problem).arg(FromUtf8Text(LocationWithoutPassword(trimmed)))
                  : UiText(*problem);
        return std::nullopt;
    }
    return trimmed;
}

} // namespace

QString RecordSetting() {
    return QSettings().value(kSettingKey).toString();
}

void KeepRecordSetting(const QString& address) {
    // Checked again here: whatever calls this, no password reaches the settings.
    const std::string trimmed = TrimmedAddress(ToUtf8Text(address));
    QSettings settings;
    if (trimmed.empty() || ServerAddressProblem(trimmed)) {
        settings.remove(kSettingKey);
    } else {
        settings.setValue(kSettingKey, FromUtf8Text(trimmed));
    }
}

// One connection test: the thread opens the record and leaves its result;
// the dialog may close first, the thread then finishes alone.
struct RecordsDialog::Test {
    std::string location;
    std::atomic<bool> done{false};
    RecordResult result;
    std::string name;
};

RecordsDialog::RecordsDialog(const QString& theLogPath, const QString& setting, QWidget* parent)
    : QDialog(parent), logPath(theLogPath) {
    setObjectName(QStringLiteral("RecordsDialog"));
    setProperty("helpSection", QStringLiteral("workshop"));
    setWindowTitle(UiText(StringId::RecordsCaption));
    auto* layout = new QVBoxLayout(this);
    poll = new QTimer(this);
    poll->setInterval(50);
    connect(poll, &QTimer::timeout, this, &RecordsDialog::Poll);
    const std::string file = WindowRecordAt({}, ToPath(logPath)).location;
    beside = new QRadioButton(UiText(StringId::RecordsBesideLog)
                                  .arg(QDir::toNativeSeparators(FromPath(file))
                                           .replace(QLatin1Char('&'), QStringLiteral("&&"))),
                              this);
    beside->setObjectName(QStringLiteral("recordsBesideLog"));
    server = new QRadioButton(UiText(StringId::RecordsOnServer), this);
    server->setObjectName(QStringLiteral("recordsOnServer"));
    address = new QLineEdit(setting, this);
    address->setObjectName(QStringLiteral("recordsAddress"));
    address->setPlaceholderText(QStringLiteral("postgresql://station@workshop-server/vorlan"));
    address->setMinimumWidth(address->fontMetrics().averageCharWidth() * 48);
    auto* hint = new QLabel(UiText(StringId::RecordsPasswordHint), this);
    hint->setWordWrap(true);
    testButton = new QPushButton(UiText(StringId::RecordsTest), this);
    testButton->setObjectName(QStringLiteral("recordsTest"));
    testButton->setAutoDefault(false);
    said = new QLabel(this);
    said->setObjectName(QStringLiteral("recordsSaid"));
    said->setWordWrap(true);
    said->setTextInteractionFlags(Qt::TextSelectableByMouse);
    said->setMinimumHeight(said->fontMetrics().lineSpacing() * 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(beside);
    layout->addWidget(server);
    layout->addWidget(address);
    layout->addWidget(hint);
    layout->addWidget(testButton, 0, Qt::AlignLeft);
    layout->addWidget(said);
    layout->addWidget(buttons);
    (setting.isEmpty() ? beside : server)->setChecked(true);
    Choose();
    connect(beside, &QRadioButton::toggled, this, &RecordsDialog::Choose);
    connect(testButton, &QPushButton::clicked, this, &RecordsDialog::StartTest);
    // Typing the address chooses the server; what was said is about another address.
    connect(address, &QLineEdit::textEdited, this, [this] {
        server->setChecked(true);
        if (!Testing()) {
            said->clear();
        }
    });
    (setting.isEmpty() ? static_cast<QWidget*>(beside) : address)->setFocus();
}

RecordsDialog::~RecordsDialog() = default;

void RecordsDialog::Choose() {
    address->setEnabled(server->isChecked());
    if (!Testing()) {
        said->clear();
    }
}

QString RecordsDialog::Setting() const {
    return server->isChecked() ? FromUtf8Text(TrimmedAddress(ToUtf8Text(address->text())))
                               : QString();
}

QString RecordsDialog::Said() const {
    return said->text();
}

bool RecordsDialog::Testing() const {
    // Until its result is said.
    return poll->isActive();
}

void RecordsDialog::Say(const QString& text) {
    said->setText(text);
    said->setAccessibleName(text);
    // A server's own words can be long: the dialog grows rather than cut them.
    adjustSize();
}

void RecordsDialog::StartTest() {
    if (Testing()) {
        return;
    }
    std::string location = WindowRecordAt({}, ToPath(logPath)).location;
    if (server->isChecked()) {
        QString why;
        const std::optional<std::string> usable = UsableAddress(address->text(), why);
        if (!usable) {
            Say(why);
            address->setFocus();
            return;
        }
        location = *usable;
    }
    test = std::make_shared<Test>();
    test->location = location;
    Say(UiText(StringId::RecordsTesting).arg(FromUtf8Text(LocationWithoutPassword(location))));
    testButton->setEnabled(false);
    std::thread([running = test] {
        RecordResult result;
        // As the window opens it (its folder made), the old log left for the window's import.
        const std::unique_ptr<RecordStore> store = OpenRecord(running->location, {}, result);
        running->name = store ? store->Name() : running->location;
        running->result = result;
        running->done = true;
    }).detach();
    poll->start();
}

void RecordsDialog::Poll() {
    if (!test || !test->done) {
        return;
    }
    poll->stop();
    testButton->setEnabled(true);
    Say(test->result.Ok() ? UiText(StringId::RecordsReady).arg(FromUtf8Text(test->name))
                          : UiMessageText(test->result.Message()));
    testButton->setFocus();
}

void RecordsDialog::accept() {
    if (server->isChecked()) {
        QString why;
        if (!UsableAddress(address->text(), why)) {
            // Said in the dialog, which stays: Enter never keeps a password.
            Say(why);
            address->setFocus();
            return;
        }
    }
    QDialog::accept();
}

bool AskRecordPlace(QWidget* parent, const QString& logPath) {
    const QString before = RecordSetting();
    RecordsDialog dialog(logPath, before, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    KeepRecordSetting(dialog.Setting());
    return RecordSetting() != before;
}

} // namespace vorlan
