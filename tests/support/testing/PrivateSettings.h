// Window tests keep their settings apart: ctest runs tests in parallel
// processes, and none may read or change the user's own settings.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QLatin1StringView>
#include <QSettings>
#include <QStandardPaths>

namespace vorlan::test {

// Settings in Qt's test folder under a name of this process's own, emptied.
inline void UsePrivateSettings(const char* tag) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
    QCoreApplication::setApplicationName(QStringLiteral("vorlan_%1_test_%2")
                                             .arg(QLatin1StringView(tag))
                                             .arg(QCoreApplication::applicationPid()));
    QSettings().clear();
}

// Leaves nothing of them behind: the test folder outlives the process.
inline void DropPrivateSettings() {
    QSettings settings;
    settings.clear();
    settings.sync();
    QFile::remove(settings.fileName());
}

} // namespace vorlan::test
