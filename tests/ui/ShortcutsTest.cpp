// The main window by keyboard alone: the platform's standard shortcuts do
// what their File and Help entries do, the recent files carry number keys,
// the title marks unsaved changes, and the popup's commands and the popup
// itself are reached from the keyboard.
#include "app/AppShell.h"
#include "app/HelpWindow.h"
#include "app/MainDialog.h"
#include "app/ProgramDialogs.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "programming/ui/KeyboardSettingsDialog.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class ShortcutsTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("help")));
        QFile guide(dir.filePath(QStringLiteral("help/Vorlan.html")));
        ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
        guide.write("<h2 id=\"start\">Start</h2><p>See <a href=\"#settings\">settings</a>.</p>"
                    "<h2 id=\"settings\">Keyboard settings</h2><p>The typematic rate.</p>");
        guide.close();
        dialogs->saveType = 2;
        w = std::make_unique<MainDialog>(dialogs, dir.filePath(QStringLiteral("vorlan")));
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        name = w->findChild<QLineEdit*>(QStringLiteral("keyName"));
        ASSERT_NE(name, nullptr);
    }
    void TearDown() override {
        w.reset();
        MainWindowTest::TearDown();
    }

    // Presses a key sequence where the focus is, as a user would.
    void Press(QKeySequence::StandardKey command) { Press(StandardKeys(command).value(0)); }
    void Press(const QKeySequence& keys) {
        ASSERT_FALSE(keys.isEmpty());
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
        QTest::keySequence(target, keys);
        QApplication::processEvents();
    }

    // Selects key 1 and types its name.
    void TypeKey(const QString& text) {
        w->Editor().OnPointerPress(KeyGridWidget::kLeft + 5, KeyGridWidget::kTop + 5);
        name->setFocus();
        QTest::keyClicks(name, text);
        QApplication::processEvents();
    }

    QString Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    QTemporaryDir dir;
    std::unique_ptr<MainDialog> w;
    QLineEdit* name = nullptr;
    const QStringList& helpOpened = dialogs->helpOpened;
    QString& savePath = dialogs->savePath;
};

TEST_F(ShortcutsTest, MenusShowThePlatformsStandardKeys) {
    const std::pair<const char*, QKeySequence::StandardKey> rows[] = {
        {"actionNew", QKeySequence::New},      {"actionOpen", QKeySequence::Open},
        {"actionSave", QKeySequence::Save},    {"actionSaveAs", QKeySequence::SaveAs},
        {"actionExit", QKeySequence::Quit},    {"actionContent", QKeySequence::HelpContents},
        {"actionFindKey", QKeySequence::Find},
    };
    for (const auto& [object, standard] : rows) {
        auto* action = w->findChild<QAction*>(QString::fromLatin1(object));
        ASSERT_NE(action, nullptr) << object;
        // The platform's own keys where it has them.
        const QList<QKeySequence> platform = QKeySequence::keyBindings(standard);
        if (!platform.isEmpty()) {
            EXPECT_EQ(action->shortcuts(), platform) << object;
        }
        EXPECT_FALSE(action->shortcut().isEmpty()) << object;
        EXPECT_TRUE(action->text().contains(QLatin1Char('&'))) << object;
    }
    // Where the platform has none, the usual ones.
    EXPECT_EQ(StandardKeys(QKeySequence::SaveAs).value(0),
              QKeySequence::keyBindings(QKeySequence::SaveAs)
                  .value(0, QKeySequence(QStringLiteral("Ctrl+Shift+S"))));
    // The Windows GUI test's menu letters stay.
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("actionProgramming"))->text(),
              QStringLiteral("&Programming..."));
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("actionExit"))->text(),
              QStringLiteral("E&xit"));
}

TEST_F(ShortcutsTest, SaveSaveAsOpenNewHelpAndQuitByKeys) {
    savePath = dir.filePath(QStringLiteral("typed.txt"));
    TypeKey(QStringLiteral("Esc"));
    EXPECT_TRUE(w->isWindowModified());
    EXPECT_TRUE(w->windowTitle().endsWith(QStringLiteral("[untitled[*]]")));

    // Save As by its keys asks for a name and writes the file.
    Press(QKeySequence::SaveAs);
    EXPECT_TRUE(Read(savePath).contains(QStringLiteral("Esc")));
    EXPECT_FALSE(w->isWindowModified());

    // Save by its keys writes the change into the same file.
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Enter"));
    QApplication::processEvents();
    EXPECT_TRUE(w->isWindowModified());
    Press(QKeySequence::Save);
    EXPECT_TRUE(Read(savePath).contains(QStringLiteral("Enter")));
    EXPECT_FALSE(w->isWindowModified());

    // New clears it; Open brings the file back, and it is the first recent
    // file, reached by its number.
    Press(QKeySequence::New);
    EXPECT_NE(name->text(), QStringLiteral("Enter"));
    dialogs->openPaths = {savePath};
    Press(QKeySequence::Open);
    EXPECT_EQ(name->text(), QStringLiteral("Enter"));
    auto* recent = w->findChild<QAction*>(QStringLiteral("actionRecent1"));
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(savePath));

    Press(QKeySequence::HelpContents);
    EXPECT_EQ(helpOpened, QStringList{dir.filePath(QStringLiteral("help/Vorlan.html"))});

    Press(QKeySequence::Quit);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ShortcutsTest, PopupCommandsHaveKeysInTheEditMenuAndShiftF10OpensThePopup) {
    // A programmed key at 1, selected (codes come from the capture, not typed).
    KeyEditor& e = w->Editor();
    KeyContent key{KeyShape::Single, "A", {}, true, KeyMode::Mode1};
    key.codes[0] = 0x1C;
    ASSERT_TRUE(PlaceKey(e.Document(), 1, key));
    e.DrawGrid();
    e.OnPointerPress(KeyGridWidget::kLeft + 5, KeyGridWidget::kTop + 5);
    name->setFocus();
    ASSERT_EQ(e.CurrentKey(), 1);
    struct Row {
        QKeySequence keys;
        SpanKind kind;
    } rows[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_2), SpanKind::Double}, // to the right
        {QKeySequence(Qt::CTRL | Qt::Key_1), SpanKind::Single},
        {QKeySequence(Qt::CTRL | Qt::Key_3), SpanKind::Double}, // down
        {QKeySequence(Qt::CTRL | Qt::Key_1), SpanKind::Single},
    };
    for (const Row& row : rows) {
        Press(row.keys);
        EXPECT_EQ(e.Document().spans[1].kind, row.kind) << row.keys.toString().toStdString();
    }
    // Single on a single key is not offered: the key stays as it is.
    Press(QKeySequence(Qt::CTRL | Qt::Key_1));
    EXPECT_EQ(e.Document().spans[1].kind, SpanKind::Single);
    // Clear Key asks first, as from the popup.
    dialogs->reply = MessageResult::Yes;
    // (The splits above left copies of the key in the cells it was joined
    // with; only the selected key goes.)
    Press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    EXPECT_FALSE(e.Document().keys[1].IsProgrammed());
    EXPECT_EQ(e.Document().spans[1].kind, SpanKind::Empty);

    for (const QKeySequence& keys : {QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        bool shown = false;
        QTimer::singleShot(0, w.get(), [&] {
            shown = w->PopupMenu()->isVisible();
            w->PopupMenu()->close();
        });
        Press(keys);
        EXPECT_TRUE(shown) << keys.toString().toStdString();
        EXPECT_EQ(e.CurrentKey(), 1);
    }
}

TEST_F(ShortcutsTest, F1OpensTheHelpWindowWhichListsSectionsAndFindsAWord) {
    SetDialogSeam(w.get(), std::make_shared<ProgramDialogs>()); // the program's help window
    Press(QKeySequence::HelpContents);
    auto* help = w->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    ASSERT_EQ(help->Contents()->count(), 2);
    EXPECT_EQ(help->Contents()->item(1)->text(), QStringLiteral("Keyboard settings"));

    QTest::keyClicks(help->FindField(), QStringLiteral("typematic"));
    EXPECT_EQ(help->Browser()->textCursor().selectedText(), QStringLiteral("typematic"));
    QTest::keyClicks(help->FindField(), QStringLiteral("xyz"));
    EXPECT_FALSE(help->Find());
    QTest::keyClick(help->FindField(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(ShortcutsTest, F1InADialogOpensItsSection) {
    bool asked = false;
    QTimer::singleShot(0, w.get(), [&] {
        auto* settings = w->findChild<KeyboardSettingsDialog*>();
        ASSERT_NE(settings, nullptr);
        asked = true;
        QTest::keyClick(settings->focusWidget() ? settings->focusWidget() : settings, Qt::Key_F1);
        settings->reject();
    });
    w->findChild<QAction*>(QStringLiteral("actionSettings"))->trigger();
    EXPECT_TRUE(asked);
    EXPECT_EQ(helpOpened, QStringList{dir.filePath(QStringLiteral("help/Vorlan.html#settings"))});
}

} // namespace
} // namespace vorlan
