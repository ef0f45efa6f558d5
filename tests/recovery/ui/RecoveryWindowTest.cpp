// The window's crash test: a program is killed after edits, the next start
// offers them and restores exactly what was edited; and a damaged settings
// store gives the defaults with a message.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "grid/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "recovery/ui/RecoveryGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vorlan {
namespace {

std::string ReadFile(const QString& path) {
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

QStringList RecoveryFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("recovery-*")}, QDir::Files);
}

TEST(RecoveryWindow, AKilledProgramsEditsAreRecoveredAtTheNextStart) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString layout = folder.filePath(QStringLiteral("edited.txt"));

    QProcess child;
    child.start(QStringLiteral(VORLAN_CRASH_CHILD), {folder.path(), layout});
    ASSERT_TRUE(child.waitForStarted(20000));
    ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.readLine().trimmed(), QByteArray("ready"));
    child.kill(); // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(child.waitForFinished(20000));
    ASSERT_EQ(RecoveryFiles(folder.path()).size(), 1);

    std::vector<QString> asked;
    SetMessageHandler([&asked](const MessageRequest& r) {
        asked.push_back(r.text);
        return MessageResult::Yes;
    });
    {
        MainDialog window;
        RecoveryGuard guard(&window, window.Editor().Files(), window.Editor().Document(),
                            folder.path());
        guard.OfferAbandoned();

        ASSERT_EQ(asked.size(), 1u);
        EXPECT_TRUE(asked[0].startsWith(QStringLiteral("Recover unsaved changes to ") + layout +
                                        QStringLiteral(" from ")));
        EXPECT_TRUE(asked[0].contains(
            QStringLiteral("112 keys; programmed: 4 (Key1, Key20, Key77, Key112)")));
        const LayoutDocument& doc = window.Editor().Document();
        EXPECT_EQ(FormatLayout(doc, KeyboardVariant::SixteenScan),
                  ReadFile(folder.filePath(QStringLiteral("expected.txt"))));
        EXPECT_TRUE(doc.dirty);
        EXPECT_EQ(QString::fromStdString(doc.filePath), layout);
        // The crashed program's file is gone; this window keeps its own.
        const QStringList files = RecoveryFiles(folder.path());
        ASSERT_EQ(files.size(), 1);
        EXPECT_TRUE(files[0].contains(QString::number(QCoreApplication::applicationPid())));
    }
    // A normal end leaves nothing to recover.
    EXPECT_TRUE(RecoveryFiles(folder.path()).isEmpty());
    SetMessageHandler({});
}

TEST(RecoveryWindow, ADamagedSettingsStoreGivesTheDefaultsAndAMessage) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
    QCoreApplication::setApplicationName(
        QStringLiteral("vorlan_recovery_ui_test_%1").arg(QCoreApplication::applicationPid()));
    const QString file = QSettings().fileName();
    QDir().mkpath(QFileInfo(file).path());
    {
        QFile broken(file);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        // A section header without its end is no settings file.
        broken.write("[Recent File List\nFile1=/home/u/a.txt\n");
    }
    std::vector<QString> shown;
    SetMessageHandler([&shown](const MessageRequest& r) {
        shown.push_back(r.text);
        return MessageResult::Ok;
    });
    EXPECT_FALSE(CheckSettingsStore(nullptr));
    SetMessageHandler({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("The settings could not be read")));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(QFile::exists(file + QStringLiteral(".unreadable")));
    EXPECT_TRUE(QSettings().value(QStringLiteral("Recent File List/File1")).toString().isEmpty());
    EXPECT_TRUE(CheckSettingsStore(nullptr)); // the defaults read fine
    QFile::remove(file + QStringLiteral(".unreadable"));
}

} // namespace
} // namespace vorlan
