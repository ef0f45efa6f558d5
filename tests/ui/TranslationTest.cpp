// A "local.qm" beside the program replaces the program's texts; key names and
// file texts stay as they are. The test takes its translator out again, so
// the other tests of the binary see English whatever order they run in.
#include "app/AppShell.h"
#include "app/MainDialog.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(LocalTranslation, LocalQmBesideTheProgramReplacesTheTexts) {
    QStandardPaths::setTestModeEnabled(true);
    const QList<QTranslator*> before = qApp->findChildren<QTranslator*>();
    {
        const auto removeNew = qScopeGuard([&before] {
            for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
                if (!before.contains(translator)) {
                    QCoreApplication::removeTranslator(translator);
                    delete translator;
                }
            }
            QCoreApplication::sendPostedEvents();
        });
        QTemporaryDir empty;
        EXPECT_FALSE(InstallLocalTranslation(empty.path()));

        ASSERT_TRUE(InstallLocalTranslation(QStringLiteral(VORLAN_TEST_QM_DIR)));
        QCoreApplication::sendPostedEvents();
        MainDialog w;
        EXPECT_EQ(QStringLiteral("&Datei"), w.FileMenu()->title());
        EXPECT_EQ(QStringLiteral("Vorlan - keyboard programmer  -  [unbenannt[*]]"),
                  w.windowTitle());
        EXPECT_EQ(QStringLiteral("&Open..."),
                  w.FileMenu()->actions().at(1)->text()); // untranslated
    }
    // Gone again: the tests after this one see the program's own texts.
    MainDialog after;
    EXPECT_EQ(QStringLiteral("&File"), after.FileMenu()->title());
}

} // namespace
} // namespace vorlan
