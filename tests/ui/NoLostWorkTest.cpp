// The main window never throws work away: the save question has a way back,
// and Save As into a form that holds less stays undoable.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/LayoutFile.h"
#include "recovery/ui/RecoveryGuard.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vorlan {
namespace {

class NoLostWorkTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        saveType = 2;
    }
    static void Escape(QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    // Answers every loss question with Yes and records the texts.
    void AnswerLossesWithYes() { dialogs->reply = MessageResult::Yes; }

    static void Program(MainDialog& w, int key, int code) {
        KeyEditor& e = w.Editor();
        const GridPoint cell = CellOrigin(key);
        e.OnPointerPress(cell.x + 5, cell.y + 5);
        LayoutDocument& doc = e.Document();
        doc.keys[static_cast<std::size_t>(key)].codes[0] = static_cast<std::uint8_t>(code);
        doc.MakeSlotSingle(key);
        doc.MarkDirty();
    }

    QString& savePath = dialogs->savePath;
    int& saveType = dialogs->saveType;
};

// Escape on the real question box is Cancel: two Escapes keep the program
// and the layout; with nothing unsaved one Escape still closes the window.
TEST_F(NoLostWorkTest, EscapeEscapeKeepsTheWindowAndTheLayout) {
    MainDialog w; // the real question box first
    w.show();
    auto* name = w.findChild<QLineEdit*>(QStringLiteral("keyName"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("X"));
    ASSERT_TRUE(w.Editor().Document().dirty);

    QString asked;
    QTimer::singleShot(0, [&asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        asked = box->text();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    Escape(name);
    EXPECT_EQ(asked, QStringLiteral("Do you want to save current file?"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Editor().Document().dirty);
    EXPECT_EQ(w.Editor().Document().keys[1].name, "KEY1X");

    // Cancel also abandons New: the layout stays.
    SetDialogSeam(&w, dialogs);
    dialogs->answer = [](const MessageRequest& r) {
        return r.buttons == MessageButtons::YesNoCancel ? MessageResult::Cancel
                                                        : MessageResult::Yes;
    };
    w.Editor().OnFileNew();
    EXPECT_EQ(w.Editor().Document().keys[1].name, "KEY1X");

    // No answers No: the window closes.
    dialogs->answer = [](const MessageRequest&) { return MessageResult::No; };
    Escape(name);
    EXPECT_FALSE(w.isVisible());

    MainDialog clean(dialogs);
    clean.show();
    Escape(&clean);
    EXPECT_FALSE(clean.isVisible());
}

// Save As "left side" of a 112-key layout shows the left half as saved; one
// Undo brings back the right half and the keys pause, marked unsaved, and the
// file it was saved in before, so Save writes there and never into the part.
TEST_F(NoLostWorkTest, UndoAfterALossySaveAsBringsTheWholeLayoutBack) {
    QTemporaryDir dir;
    MainDialog w(dialogs);
    w.show();
    LayoutDocument& doc = w.Editor().Document();
    doc.settings.keyCount = kMaxKeys;
    doc.settings.keysPause = 10;
    Program(w, 3, 30);
    Program(w, 60, 31);
    Program(w, 112, 32);
    AnswerLossesWithYes();
    const QString whole = dir.filePath(QStringLiteral("whole.txt"));
    savePath = whole;
    saveType = 2;
    w.findChild<QAction*>(QStringLiteral("actionSaveAs"))->trigger();
    ASSERT_EQ(QString::fromStdString(doc.filePath), whole);
    const struct {
        int type;
        const char* undo;
    } cases[] = {{3, "&Undo Save As left side"}, {1, "&Undo Save As 7/3scan"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.undo);
        messages.clear();
        savePath = dir.filePath(QStringLiteral("saved-%1.txt").arg(c.type));
        saveType = c.type;
        w.findChild<QAction*>(QStringLiteral("actionSaveAs"))->trigger();
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_TRUE(messages[0].contains(QStringLiteral(
            "The window will then show the layout as saved; Undo brings the rest back.")));
        EXPECT_FALSE(doc.dirty);
        auto* undo = w.findChild<QAction*>(QStringLiteral("actionUndo"));
        ASSERT_TRUE(undo->isEnabled());
        EXPECT_EQ(undo->text(), QString::fromLatin1(c.undo));
        undo->trigger();
        EXPECT_EQ(doc.settings.keyCount, kMaxKeys);
        EXPECT_EQ(doc.settings.keysPause, 10);
        EXPECT_EQ(doc.keys[60].codes[0], 31);
        EXPECT_EQ(doc.keys[112].codes[0], 32);
        EXPECT_EQ(doc.spans[60].kind, SpanKind::Single);
        EXPECT_TRUE(doc.dirty);
        EXPECT_EQ(QString::fromStdString(doc.filePath), whole);
        EXPECT_EQ(w.windowTitle().contains(QStringLiteral("whole.txt")), true);
        EXPECT_EQ(doc.loadedVariant, KeyboardVariant::SixteenScan);
        EXPECT_EQ(doc.CellsWithCodesButNoKey(), std::vector<int>{});
    }
    messages.clear();
    w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
    EXPECT_FALSE(doc.dirty);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    LayoutDocument back;
    back.filePath = ToPath(whole);
    ASSERT_TRUE(ReadLayout(back));
    EXPECT_EQ(back.settings.keyCount, kMaxKeys);
    EXPECT_EQ(back.keys[112].codes[0], 32);
    LayoutDocument left;
    left.filePath = ToPath(dir.filePath(QStringLiteral("saved-3.txt")));
    ASSERT_TRUE(ReadLayout(left));
    EXPECT_EQ(left.settings.keyCount, kBlockKeys); // the part stays the part
}

// A quad copied and pasted elsewhere, then saved as 7/3scan: both quads come
// back whole; no cell with codes is left out of a key.
TEST_F(NoLostWorkTest, ACopiedQuadSurvivesSaveAsSevenThree) {
    QTemporaryDir dir;
    MainDialog w(dialogs);
    w.show();
    KeyEditor& e = w.Editor();
    Program(w, 5, 30);
    e.OnQuad();
    ASSERT_EQ(e.Document().spans[14].kind, SpanKind::Quad);
    w.findChild<QAction*>(QStringLiteral("actionCopy"))->trigger();
    const GridPoint target = CellOrigin(35);
    e.OnPointerPress(target.x + 5, target.y + 5);
    AnswerLossesWithYes();
    w.findChild<QAction*>(QStringLiteral("actionPaste"))->trigger();
    ASSERT_EQ(e.Document().spans[44].kind, SpanKind::Quad);

    savePath = dir.filePath(QStringLiteral("quads.txt"));
    saveType = 1;
    w.findChild<QAction*>(QStringLiteral("actionSaveAs"))->trigger();
    const LayoutDocument& doc = e.Document();
    EXPECT_EQ(QString::fromStdString(doc.filePath), savePath);
    EXPECT_EQ(doc.CellsWithCodesButNoKey(), std::vector<int>{});
    for (int k : {5, 6, 13, 14, 35, 36, 43, 44}) {
        EXPECT_EQ(doc.spans[static_cast<std::size_t>(k)].kind, SpanKind::Quad) << k;
    }
}

// Panes 5 and 6 name the key under the pointer as it is after each change,
// and go back to none when the pointer leaves the grid.
TEST_F(NoLostWorkTest, ThePointerPanesFollowRenameUndoAndLeavingTheGrid) {
    MainDialog w(dialogs);
    w.show();
    QMouseEvent over(QEvent::MouseMove, QPointF(34 + 5, 34 + 5), QPointF(), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.Grid(), &over); // key 10
    QTest::mouseClick(w.Grid(), Qt::LeftButton, Qt::NoModifier, QPoint(34 + 5, 34 + 5));
    auto* name = w.findChild<QLineEdit*>(QStringLiteral("keyName"));
    name->setFocus();
    name->end(false);
    const struct {
        const char* step;
        std::function<void()> act;
        const char* pane5;
        const char* pane6;
    } steps[] = {
        {"rename", [&] { QTest::keyClicks(name, QStringLiteral("Z")); }, "Number: 10",
         "Name: KEY10Z"},
        {"undo", [&] { w.findChild<QAction*>(QStringLiteral("actionUndo"))->trigger(); },
         "Number: 10", "Name: KEY10"},
        {"redo", [&] { w.findChild<QAction*>(QStringLiteral("actionRedo"))->trigger(); },
         "Number: 10", "Name: KEY10Z"},
        // A key name is Latin-1 in the file and shown as its characters.
        {"accented", [&] { QTest::keyClicks(name, QStringLiteral("é")); }, "Number: 10",
         "Name: KEY10Z\xE9"},
        {"leave",
         [&] {
             QEvent leave(QEvent::Leave);
             QApplication::sendEvent(w.Grid(), &leave);
         },
         "Number: ----", "Name: ----"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(w.StatusPaneText(5), QString::fromLatin1(s.pane5));
        EXPECT_EQ(w.StatusPaneText(6), QString::fromLatin1(s.pane6));
    }
}

// A file another program changed: the window asks when it comes to the
// front (once per change), and Save asks before overwriting it; No keeps
// both the layout and the other program's file. The questions name the file
// as the file system does, beyond ASCII too.
TEST_F(NoLostWorkTest, AFileChangedElsewhereIsAskedAboutBeforeItIsLostOrOverwritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Łódź été.txt"));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(VORLAN_TEST_DATA_DIR "/programming/layout57.txt"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    MainDialog w(dialogs);
    w.KeepRecovery(dir.filePath(QStringLiteral("recovery"))); // as the program starts
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.OpenGivenFile(path);
    ASSERT_EQ(w.Editor().Document().filePath, QFile::encodeName(path).toStdString());
    Program(w, 9, 0x20);

    QByteArray other;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        other = file.readAll() + "\r\n";
        file.seek(0);
        file.write(other);
    }
    const auto toFront = [&w] {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        QApplication::processEvents();
    };
    toFront();
    // The question names the file as the title does.
    EXPECT_EQ(messages.join(u'|').toStdString(),
              "Łódź été.txt was changed by another program. Reload it from the disk? Your unsaved "
              "changes are lost.");
    toFront(); // the same change is not asked about again
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(w.Editor().Document().IsProgrammed(9));

    messages.clear();
    w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
    // No to the overwrite, and No to the reload offered instead.
    EXPECT_EQ(messages.join(u'|').toStdString(),
              "Łódź été.txt was changed by another program since it was opened. Overwrite it "
              "with this layout?|Łódź été.txt was changed by another program. Reload it from "
              "the disk? Your unsaved changes are lost.");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), other);
    EXPECT_TRUE(w.Editor().Document().dirty);
    EXPECT_TRUE(w.Editor().Document().IsProgrammed(9));
}

#ifndef _WIN32
// A folder or a pipe given as the layout to open or the file to save is
// refused at once, with the reader's or the writer's words, and the layout
// in the window stays as it was. (A pipe without a writer would otherwise
// hold the open forever.)
TEST_F(NoLostWorkTest, AFolderOrPipeIsRefusedAtOnceWhenOpenedOrSaved) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString notPlain = QStringLiteral(
        "This is not a plain file (it is a folder, pipe, socket or device), so it cannot be "
        "opened.");
    for (const QString& path : {folder, pipe}) {
        SCOPED_TRACE(path.toStdString());
        MainDialog w(dialogs);
        w.show();
        Program(w, 4, 0x1C);
        AnswerLossesWithYes();
        messages.clear();
        savePath = path;
        w.findChild<QAction*>(QStringLiteral("actionSaveAs"))->trigger();
        EXPECT_EQ(messages, QStringList{path + QStringLiteral(" is not a plain file.")});
        EXPECT_TRUE(w.Editor().Document().dirty);

        // Opened as from the command line, after the save question (No).
        dialogs->reply = MessageResult::No;
        messages.clear();
        w.OpenGivenFile(path);
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.back(), notPlain);
    }
}

#endif

} // namespace
} // namespace vorlan
