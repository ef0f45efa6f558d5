// The window's crash test: a program is killed after edits, the next start
// offers them and restores exactly what was edited; and a damaged settings
// store gives the defaults with a message.
#include "app/MainDialog.h"
#include "app/RecoveryActions.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "recovery/RecoveryFile.h"
#include "recovery/ui/RecoveryGuard.h"
#include "testing/MainWindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
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
    // A name outside ASCII: the question shows it as the file system has it.
    const QString layout = folder.filePath(QStringLiteral("été.txt"));

    QProcess child;
    child.start(QStringLiteral(VORLAN_CRASH_CHILD), {folder.path(), layout});
    ASSERT_TRUE(child.waitForStarted(20000));
    ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.readLine().trimmed(), QByteArray("ready"));
    child.kill(); // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(child.waitForFinished(20000));
    ASSERT_EQ(RecoveryFiles(folder.path()).size(), 1);

    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    dialogs->reply = MessageResult::Yes;
    const QStringList& asked = dialogs->messages;
    {
        MainDialog window(dialogs);
        RecoveryGuard guard(&window, RecoveryActionsOf(window.Editor().Files()),
                            window.Editor().Document(), folder.path());
        guard.OfferAbandoned();

        ASSERT_EQ(asked.size(), 1);
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
}

// Typing alone, with no helper reporting the change: the window's own report
// gets the name into the recovery file within a second, long before the
// 30-second backstop.
TEST(RecoveryWindow, ANameTypedASecondBeforeTheKillIsRecovered) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString layout = folder.filePath(QStringLiteral("typed.txt"));

    QProcess child;
    child.start(QStringLiteral(VORLAN_CRASH_CHILD), {folder.path(), layout, QStringLiteral("Fn")});
    ASSERT_TRUE(child.waitForStarted(20000));
    ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.readLine().trimmed(), QByteArray("typed"));
    EXPECT_FALSE(child.waitForFinished(1500)); // still running 1.5 s later
    child.kill();
    ASSERT_TRUE(child.waitForFinished(20000));
    ASSERT_EQ(RecoveryFiles(folder.path()).size(), 1);

    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    dialogs->reply = MessageResult::Yes;
    {
        MainDialog window(dialogs);
        RecoveryGuard guard(&window, RecoveryActionsOf(window.Editor().Files()),
                            window.Editor().Document(), folder.path());
        guard.OfferAbandoned();
        EXPECT_EQ(window.Editor().Document().keys[1].name, "KEY1Fn");
        EXPECT_TRUE(window.Editor().Document().dirty);
    }
}

// What a crashed program left, offered by the window: No, then No again keeps
// the file for the next start; No, then Yes discards it. A file that cannot be
// read is set aside with a message and never offered.
TEST(RecoveryWindow, DiscardTakesASecondQuestionAndAnUnreadableFileIsSetAside) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    LayoutDocument crashed;
    crashed.keys[7].codes[0] = 0x10;
    crashed.keys[7].name = "Q";
    crashed.filePath = folder.filePath(QStringLiteral("lost.txt")).toStdString();
    // Left by processes that no longer run (beyond any process id).
    const QString left = folder.filePath(QStringLiteral("recovery-999999999-0123456789abcdef.txt"));
    const QString broken =
        folder.filePath(QStringLiteral("recovery-999999998-0123456789abcdef.txt"));
    {
        std::ofstream(QFile::encodeName(left).toStdString(), std::ios::binary)
            << FormatRecovery(crashed, 1, std::nullopt);
        std::ofstream(QFile::encodeName(broken).toStdString(), std::ios::binary) << "garbage";
    }
    const struct {
        std::vector<MessageResult> answers;
        bool kept;
    } cases[] = {{{MessageResult::No, MessageResult::No}, true},
                 {{MessageResult::No, MessageResult::Yes}, false}};
    for (const auto& c : cases) {
        auto dialogs = std::make_shared<test::ScriptedDialogs>();
        const QStringList& told = dialogs->messages;
        std::size_t next = 0;
        dialogs->answer = [&](const MessageRequest& r) {
            return r.buttons == MessageButtons::Ok ? MessageResult::Ok
                                                   : c.answers.at(std::min(next++, std::size_t{1}));
        };
        {
            MainDialog window(dialogs);
            RecoveryGuard guard(&window, RecoveryActionsOf(window.Editor().Files()),
                                window.Editor().Document(), folder.path());
            guard.OfferAbandoned();
            EXPECT_FALSE(window.Editor().Document().IsProgrammed(7));
        }
        EXPECT_EQ(QFile::exists(left), c.kept);
        EXPECT_EQ(next, 2u);
        const auto asked = [&told](const char* start) {
            return std::count_if(told.begin(), told.end(), [start](const QString& text) {
                return text.startsWith(QLatin1String(start));
            });
        };
        EXPECT_EQ(asked("Recover unsaved changes to "), 1);
        EXPECT_EQ(asked("Discard these unsaved changes for good?"), 1);
        EXPECT_FALSE(QFile::exists(broken));
        EXPECT_TRUE(QFile::exists(broken + QStringLiteral(".unreadable")));
    }
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
    QWidget owner;
    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    SetDialogSeam(&owner, dialogs);
    const QStringList& shown = dialogs->messages;
    EXPECT_FALSE(CheckSettingsStore(&owner));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("The settings could not be read")));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(QFile::exists(file + QStringLiteral(".unreadable")));
    EXPECT_TRUE(QSettings().value(QStringLiteral("Recent File List/File1")).toString().isEmpty());
    EXPECT_TRUE(CheckSettingsStore(&owner)); // the defaults read fine
    QFile::remove(file + QStringLiteral(".unreadable"));
}

TEST(RecoveryWindow, TheProgramSetsADamagedSettingsStoreAsideAtStartUp) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString config = home.filePath(QStringLiteral("config"));
    const QString file = config + QStringLiteral("/Kelvane/vorlan.conf");
    QDir().mkpath(QFileInfo(file).path());
    {
        QFile broken(file);
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("[Recent File List\nFile1=/home/u/a.txt\n");
    }
    const QString log = home.filePath(QStringLiteral("messages.log"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("VORLAN_MESSAGE_LOG"), log);
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VORLAN_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(20000));
    // The message box waits for an answer: the log shows it was asked.
    QString told;
    for (int i = 0; i < 600 && !told.contains(QStringLiteral("settings")); ++i) {
        program.waitForFinished(100);
        QFile read(log);
        if (read.open(QIODevice::ReadOnly)) {
            told = QString::fromUtf8(read.readAll());
        }
    }
    program.kill();
    program.waitForFinished(20000);
    EXPECT_TRUE(told.contains(QStringLiteral("The settings could not be read")))
        << told.toStdString();
    EXPECT_TRUE(QFile::exists(file + QStringLiteral(".unreadable")));
}

} // namespace
} // namespace vorlan
