// The Edit menu's wiring in the main window: its place and shortcuts, undo
// naming its step and giving back the grid's picture, the clipboard between
// two windows, Alt+arrow, and dragging keys in the grid.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyClipboard.h"
#include "editor/ui/KeyDragController.h"
#include "grid/ui/KeyGridWidget.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vorlan {
namespace {

class EditMenuTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        dialogs->reply = MessageResult::Yes;
    }

    static QAction* Action(MainDialog& w, const char* name) {
        return w.findChild<QAction*>(QString::fromLatin1(name));
    }

    // A 112-key layout with a programmed single key at slot.
    static void Program(MainDialog& w, int slot, const char* name) {
        KeyEditor& e = w.Editor();
        e.Document().settings.keyCount = kMaxKeys;
        KeyContent key{KeyShape::Single, name, {}, true, KeyMode::Mode1};
        key.codes[0] = 0x1E;
        ASSERT_TRUE(PlaceKey(e.Document(), slot, key));
        e.DrawGrid();
        e.ShowKey(e.CurrentKey());
    }

    static void Select(MainDialog& w, int slot) {
        const QPoint p = KeyGridWidget::CanvasCellOrigin(slot) + QPoint(5, 5);
        QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, p);
    }

    // A drag of the key at `from` over `to`, dropped there (the events the
    // grid passes to the controller during a drag).
    static Qt::DropAction Drag(MainDialog& w, int from, int to, Qt::KeyboardModifiers mods,
                               std::vector<int>* shown = nullptr) {
        std::unique_ptr<QMimeData> data(w.DragController()->MimeDataForSlot(from));
        const QPointF at = KeyGridWidget::CanvasCellOrigin(to) + QPoint(10, 10);
        QDragMoveEvent move(at.toPoint(), Qt::MoveAction | Qt::CopyAction, data.get(),
                            Qt::LeftButton, mods);
        w.DragController()->DragMoved(&move);
        if (shown != nullptr) {
            *shown = w.DragController()->ShownDropCells();
        }
        QDropEvent drop(at, Qt::MoveAction | Qt::CopyAction, data.get(), Qt::LeftButton, mods);
        w.DragController()->Dropped(&drop);
        return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
    }
};

TEST_F(EditMenuTest, HasTheUsualShortcuts) {
    MainDialog w(dialogs);
    const std::pair<const char*, QList<QKeySequence>> rows[] = {
        {"actionUndo", {QKeySequence(QStringLiteral("Ctrl+Z"))}},
        {"actionRedo",
         {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}},
        {"actionCut", {QKeySequence(QStringLiteral("Ctrl+X"))}},
        {"actionCopy", {QKeySequence(QStringLiteral("Ctrl+C"))}},
        {"actionPaste", {QKeySequence(QStringLiteral("Ctrl+V"))}},
        {"actionDelete", {QKeySequence(QStringLiteral("Del"))}},
    };
    for (const auto& [name, keys] : rows) {
        QAction* a = Action(w, name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->shortcuts(), keys) << name;
    }
    EXPECT_FALSE(Action(w, "actionUndo")->isEnabled());
}

TEST_F(EditMenuTest, CtrlZInTheNameFieldUndoesTheTypingAndRestoresTheGrid) {
    MainDialog w(dialogs);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Program(w, 1, "A");
    w.Editor().History().Clear();
    const QImage before = w.Grid()->Canvas();
    w.Editor().OnDoubleRight();
    EXPECT_NE(w.Grid()->Canvas(), before);
    auto* name = w.findChild<QLineEdit*>(QStringLiteral("keyName"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("bc"));
    EXPECT_EQ(Action(w, "actionUndo")->text(), QStringLiteral("&Undo Key name"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("A"));
    EXPECT_EQ(Action(w, "actionUndo")->text(), QStringLiteral("&Undo Double"));
    EXPECT_EQ(Action(w, "actionRedo")->text(), QStringLiteral("&Redo Key name"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w.Grid()->Canvas(), before);
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(w.Editor().Document().spans[1].kind, SpanKind::Double);
}

TEST_F(EditMenuTest, CopiesAKeyToTheClipboardThatAnotherWindowPastes) {
    MainDialog from(dialogs);
    MainDialog to(dialogs);
    Program(from, 9, "Shift");
    Select(from, 9);
    Action(from, "actionCopy")->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QString::fromLatin1(kKeyMimeType)));
    EXPECT_TRUE(data->text().startsWith(QStringLiteral("Shift:")));

    to.Editor().Document().settings.keyCount = kMaxKeys;
    Select(to, 60);
    Action(to, "actionPaste")->trigger();
    EXPECT_EQ(to.Editor().Document().keys[60].name.str(), "Shift");
    EXPECT_TRUE(to.Editor().Document().dirty);

    QGuiApplication::clipboard()->setText(QStringLiteral("not a key"));
    Select(to, 61);
    Action(to, "actionPaste")->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("The clipboard holds no key that can be pasted."));
}

TEST_F(EditMenuTest, AltArrowMovesTheSelectedKey) {
    MainDialog w(dialogs);
    Program(w, 9, "K");
    Select(w, 9);
    QKeyEvent altRight(QEvent::KeyPress, Qt::Key_Right, Qt::AltModifier);
    QApplication::sendEvent(w.Grid(), &altRight);
    EXPECT_EQ(w.Editor().Document().spans[9].kind, SpanKind::Empty);
    EXPECT_EQ(w.Editor().Document().keys[10].name.str(), "K");
    EXPECT_EQ(w.Editor().CurrentKey(), 10);
}

TEST_F(EditMenuTest, DraggingMovesCopiesOrRefusesAndShowsTheTarget) {
    MainDialog w(dialogs);
    Program(w, 1, "One");
    Program(w, 2, "Two");
    std::vector<int> shown;
    EXPECT_EQ(Drag(w, 1, 12, Qt::NoModifier, &shown), Qt::MoveAction);
    EXPECT_EQ(shown, std::vector<int>{12});
    EXPECT_EQ(w.Editor().Document().keys[12].name.str(), "One");
    EXPECT_EQ(w.Editor().Document().spans[1].kind, SpanKind::Empty);
    EXPECT_TRUE(w.DragController()->ShownDropCells().empty()) << "nothing framed after the drop";

    EXPECT_EQ(Drag(w, 12, 20, Qt::ControlModifier), Qt::CopyAction);
    EXPECT_EQ(w.Editor().Document().keys[20].name.str(), "One");
    EXPECT_EQ(w.Editor().Document().keys[12].name.str(), "One");

    w.Editor().OnDoubleRight(); // selected: 20, now a double key
    EXPECT_EQ(Drag(w, 2, 20, Qt::NoModifier, &shown), Qt::IgnoreAction) << "forbidden";
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(w.Editor().Document().keys[2].name.str(), "Two");

    // A drag from elsewhere carries no slot of this window.
    MainDialog other(dialogs);
    Program(other, 3, "Other");
    std::unique_ptr<QMimeData> foreign(other.DragController()->MimeDataForSlot(3));
    QDragMoveEvent move(QPoint(5, 5), Qt::MoveAction, foreign.get(), Qt::LeftButton, {});
    w.DragController()->DragMoved(&move);
    EXPECT_FALSE(move.isAccepted());
}

} // namespace
} // namespace vorlan
