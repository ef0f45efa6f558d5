// The settings file when it cannot be written: a choice made in the window
// leaves the old file as it was, whole, on a read-only folder and on a full
// disk (POSIX: a small tmpfs, which only root may mount).
#include "app/MainDialog.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/mount.h>

namespace vorlan {
namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsStore, AChoiceThatCannotBeWrittenLeavesTheOldSettingsWhole) {
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString config = base.filePath(QStringLiteral("config"));
    const struct {
        const char* name;
        bool readOnly;
    } cases[] = {{"read-only folder", true}, {"full disk", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A file of its own each time: Qt keeps what it could not write in
        // memory for the rest of the process.
        QCoreApplication::setApplicationName(QStringLiteral("vorlan_%1").arg(c.readOnly));
        ASSERT_TRUE(QDir().mkpath(config));
        if (::mount("tmpfs", QFile::encodeName(config).constData(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs as this user";
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
        QString file;
        {
            QSettings old;
            old.setValue(QStringLiteral("View/KeyNames"), QStringLiteral("0"));
            old.setValue(QStringLiteral("Recent File List/File1"), QStringLiteral("/home/u/a.txt"));
            old.sync();
            file = old.fileName();
        }
        ASSERT_TRUE(file.startsWith(config)) << file.toStdString();
        const QByteArray before = Bytes(file);
        ASSERT_TRUE(before.contains("a.txt"));
        if (c.readOnly) {
            ASSERT_EQ(::mount(nullptr, QFile::encodeName(config).constData(), nullptr,
                              MS_REMOUNT | MS_RDONLY, nullptr),
                      0);
        } else {
            std::ofstream filler(
                QFile::encodeName(config + QStringLiteral("/filler")).toStdString(),
                std::ios::binary);
            const std::string block(4096, 'f');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
            }
        }
        {
            MainDialog w(std::make_shared<test::ScriptedDialogs>());
            auto* keyNames = w.findChild<QAction*>(QStringLiteral("actionKeyNames"));
            ASSERT_NE(keyNames, nullptr);
            keyNames->trigger(); // on: written to the settings at once
            EXPECT_TRUE(keyNames->isChecked());
        }
        EXPECT_EQ(Bytes(file), before);
        ASSERT_EQ(::umount(QFile::encodeName(config).constData()), 0);
    }
}

} // namespace
} // namespace vorlan
