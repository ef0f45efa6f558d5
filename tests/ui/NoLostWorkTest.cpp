// The main window never throws work away: the save question has a way back,
// and Save As into a form that holds less stays undoable.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/ui/FileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class NoLostWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
        QCoreApplication::setApplicationName(
            QStringLiteral("vorlan_ui_test_%1").arg(QCoreApplication::applicationPid()));
        QSettings().clear();
        SetFileDialogHandlers(
            [](QWidget*) -> std::optional<QString> { return std::nullopt; },
            [this](QWidget*, const SaveDialogRequest&) {
                return std::optional<SaveDialogAnswer>(SaveDialogAnswer{savePath, saveType});
            });
    }
    void TearDown() override {
        SetMessageHandler({});
        SetFileDialogHandlers({}, {});
        QSettings().clear();
    }

    static void Escape(QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    // Answers every loss question with Yes and records the texts.
    void AnswerLossesWithYes() {
        SetMessageHandler([this](const MessageRequest& r) {
            messages << r.text;
            return MessageResult::Yes;
        });
    }

    static void Program(MainDialog& w, int key, int code) {
        KeyEditor& e = w.Editor();
        const GridPoint cell = CellOrigin(key);
        e.OnPointerPress(cell.x + 5, cell.y + 5);
        LayoutDocument& doc = e.Document();
        doc.keys[static_cast<std::size_t>(key)].codes[0] = static_cast<std::uint8_t>(code);
        doc.MakeSlotSingle(key);
        doc.MarkDirty();
    }

    QStringList messages;
    QString savePath;
    int saveType = 2;
};

// Escape on the real question box is Cancel: two Escapes keep the program
// and the layout; with nothing unsaved one Escape still closes the window.
TEST_F(NoLostWorkTest, EscapeEscapeKeepsTheWindowAndTheLayout) {
    MainDialog w;
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
    SetMessageHandler([](const MessageRequest& r) {
        return r.buttons == MessageButtons::YesNoCancel ? MessageResult::Cancel
                                                        : MessageResult::Yes;
    });
    w.Editor().OnFileNew();
    EXPECT_EQ(w.Editor().Document().keys[1].name, "KEY1X");

    // No answers No: the window closes.
    SetMessageHandler([](const MessageRequest&) { return MessageResult::No; });
    Escape(name);
    EXPECT_FALSE(w.isVisible());

    MainDialog clean;
    clean.show();
    Escape(&clean);
    EXPECT_FALSE(clean.isVisible());
}

// Save As "left side" of a 112-key layout shows the left half as saved; one
// Undo brings back the right half and the keys pause, marked unsaved.
TEST_F(NoLostWorkTest, UndoAfterALossySaveAsBringsTheWholeLayoutBack) {
    QTemporaryDir dir;
    MainDialog w;
    w.show();
    LayoutDocument& doc = w.Editor().Document();
    doc.settings.keyCount = kMaxKeys;
    doc.settings.keysPause = 10;
    Program(w, 3, 30);
    Program(w, 60, 31);
    Program(w, 112, 32);
    AnswerLossesWithYes();
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
        EXPECT_EQ(QString::fromStdString(doc.filePath), savePath); // still bound to the new file
        EXPECT_EQ(doc.CellsWithCodesButNoKey(), std::vector<int>{});
    }
}

// A quad copied and pasted elsewhere, then saved as 7/3scan: both quads come
// back whole; no cell with codes is left out of a key.
TEST_F(NoLostWorkTest, ACopiedQuadSurvivesSaveAsSevenThree) {
    QTemporaryDir dir;
    MainDialog w;
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
    MainDialog w;
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

} // namespace
} // namespace vorlan
