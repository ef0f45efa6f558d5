// Tools > Records...: where the window's record is, the file beside the
// programming log or a PostgreSQL server's address (a password never part of
// it), with a connection test that says what came of it in words. The choice
// is kept in the settings; the test runs on a thread of its own, so an
// unreachable server never freezes the window.
#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vorlan {

// The kept server address; empty for the file beside the log.
QString RecordSetting();
void KeepRecordSetting(const QString& address);

class RecordsDialog : public QDialog {
    Q_OBJECT
public:
    RecordsDialog(const QString& logPath, const QString& setting, QWidget* parent);
    ~RecordsDialog() override;
    // What to keep: empty for the file, the trimmed address otherwise.
    QString Setting() const;
    // What the last test or refusal said (for tests and screen readers alike).
    QString Said() const;
    bool Testing() const;

    void accept() override; // only with an address that can be kept

private:
    struct Test;
    void StartTest();
    void Poll();
    void Say(const QString& text);
    void Choose();

    QString logPath;
    QRadioButton* beside = nullptr;
    QRadioButton* server = nullptr;
    QLineEdit* address = nullptr;
    QPushButton* testButton = nullptr;
    QLabel* said = nullptr;
    QTimer* poll = nullptr;
    std::shared_ptr<Test> test;
};

// Asks where the record is and keeps the answer; true when the place changed.
bool AskRecordPlace(QWidget* parent, const QString& logPath);

} // namespace vorlan
