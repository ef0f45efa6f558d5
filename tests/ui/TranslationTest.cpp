// A "local.qm" beside the program replaces the program's texts; key names and
// file texts stay as they are. Runs last in its binary: it leaves the
// translator installed.
#include "app/AppShell.h"
#include "app/MainDialog.h"

#include <QApplication>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(ZTranslation, LocalQmBesideTheProgramReplacesTheTexts) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir empty;
    EXPECT_FALSE(InstallLocalTranslation(empty.path()));

    ASSERT_TRUE(InstallLocalTranslation(QStringLiteral(VORLAN_TEST_QM_DIR)));
    QCoreApplication::sendPostedEvents();
    MainDialog w;
    EXPECT_EQ(QStringLiteral("&Datei"), w.FileMenu()->title());
    EXPECT_EQ(QStringLiteral("Vorlan - keyboard programmer  -  [unbenannt[*]]"), w.windowTitle());
    EXPECT_EQ(QStringLiteral("&Open..."), w.FileMenu()->actions().at(1)->text()); // untranslated
}

} // namespace
} // namespace vorlan
