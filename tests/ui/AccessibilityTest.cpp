// The main window through Qt's accessibility API: the key grid as a table of
// key cells, names for every control the keyboard reaches, and a tab order
// that follows the window's visual order.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "testing/MainWindowFixture.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class AccessibilityTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        dialogs->reply = MessageResult::Yes;
    }

    QAccessibleInterface* Grid() { return QAccessible::queryAccessibleInterface(w.Grid()); }

    MainDialog w{dialogs};
};

TEST_F(AccessibilityTest, TheGridIsATableWithOneCellPerKey) {
    QAccessibleInterface* grid = Grid();
    ASSERT_NE(nullptr, grid);
    EXPECT_EQ(QAccessible::Table, grid->role());
    EXPECT_EQ(QStringLiteral("Key grid"), grid->text(QAccessible::Name));
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(7, table->rowCount());
    EXPECT_EQ(8, table->columnCount());
    EXPECT_EQ(56, grid->childCount());

    LayoutDocument& doc = w.Editor().Document();
    doc.keys[1].codes[0] = 1;
    doc.keys[1].name = "Esc";
    const int quadSlots[] = {10, 11, 18, 19};
    for (const int s : quadSlots) {
        KeySpan span{SpanKind::Quad, {}};
        int i = 0;
        for (const int other : quadSlots) {
            if (other != s) {
                span.partners[static_cast<std::size_t>(i++)] = other;
            }
        }
        doc.spans[static_cast<std::size_t>(s)] = span;
    }
    QAccessibleInterface* first = table->cellAt(0, 0);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(QStringLiteral("Esc, key 1, single, selected"), first->text(QAccessible::Name));
    EXPECT_TRUE(first->state().selected);
    EXPECT_EQ(first, grid->child(0));
    EXPECT_EQ(0, grid->indexOfChild(first));
    EXPECT_EQ(grid, first->parent());

    QAccessibleInterface* quad = table->cellAt(1, 1); // slot 10
    ASSERT_NE(nullptr, quad);
    EXPECT_EQ(QStringLiteral("empty, key 10, quad key of keys 10, 11, 18 and 19"),
              quad->text(QAccessible::Name));
    EXPECT_EQ(2, quad->tableCellInterface()->rowExtent());
    EXPECT_EQ(2, quad->tableCellInterface()->columnExtent());
    EXPECT_EQ(1, table->cellAt(1, 2)->tableCellInterface()->columnExtent());
    EXPECT_EQ(quad->rect().topLeft(), w.Grid()->mapToGlobal(KeyGridWidget::CanvasCellOrigin(10)));
    EXPECT_EQ(quad, grid->childAt(quad->rect().center().x(), quad->rect().center().y()));

    // The press action selects the key, as a click does.
    quad->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(10, w.Editor().CurrentKey());
    EXPECT_FALSE(first->tableCellInterface()->isSelected());
    EXPECT_EQ(4, table->selectedCellCount()); // every cell of the quad key

    doc.settings.keyCount = 112;
    EXPECT_EQ(16, table->columnCount());
    EXPECT_EQ(QStringLiteral("empty, key 57, single"),
              table->cellAt(0, 8)->text(QAccessible::Name));
}

TEST_F(AccessibilityTest, EveryControlTheKeyboardReachesHasAName) {
    w.show();
    int reached = 0;
    QWidget* start = w.Client();
    for (QWidget* widget = start->nextInFocusChain(); widget != start;
         widget = widget->nextInFocusChain()) {
        // A spin box's own line edit is named through the spin box.
        if (!w.Client()->isAncestorOf(widget) || !(widget->focusPolicy() & Qt::TabFocus) ||
            qobject_cast<QLabel*>(widget) ||
            qobject_cast<QAbstractSpinBox*>(widget->parentWidget())) {
            continue;
        }
        ++reached;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(nullptr, iface);
        const QString name = iface->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << widget->objectName().toStdString();
        EXPECT_NE(QStringLiteral("X"), name) << widget->objectName().toStdString();
    }
    EXPECT_GE(reached, 30);
}

TEST_F(AccessibilityTest, TabLeadsFromTheGridToTheKeyNameAndItsCodes) {
    const QStringList expected = {QStringLiteral("keyGrid"), QStringLiteral("keyName"),
                                  QStringLiteral("code1000"), QStringLiteral("code1001")};
    // The tab stops among the window's own controls, from the first one.
    const auto next = [this](QWidget* widget) {
        do {
            widget = widget->nextInFocusChain();
        } while (widget->parentWidget() != w.Client() || !(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    QStringList chain;
    QWidget* widget = w.Client()->findChild<QWidget*>(expected.front());
    ASSERT_NE(nullptr, widget);
    while (chain.size() < expected.size()) {
        chain << widget->objectName();
        widget = next(widget);
    }
    EXPECT_EQ(expected.join(u' ').toStdString(), chain.join(u' ').toStdString());
    // The last code field, the step buttons, then the RFID options.
    widget = w.Client()->findChild<QWidget*>(QStringLiteral("code1022"));
    QStringList tail;
    for (int i = 0; i < 3; ++i) {
        widget = next(widget);
        tail << widget->objectName();
    }
    EXPECT_EQ("previousButton nextButton digitsCount", tail.join(u' ').toStdString());
}

TEST_F(AccessibilityTest, TheMenuKeyOpensThePopupOfTheSelectedKeyNotOfTheGridsMiddle) {
    w.show();
    w.Editor().OnPointerPress(KeyGridWidget::kLeft + 5, KeyGridWidget::kTop + 5); // slot 1
    bool shown = false;
    QTimer::singleShot(0, &w, [&] {
        shown = w.PopupMenu()->isVisible();
        w.PopupMenu()->close();
    });
    // The keyboard's request carries the widget's middle, over slot 28.
    const QPoint middle = w.Grid()->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, middle, w.Grid()->mapToGlobal(middle));
    QApplication::sendEvent(w.Grid(), &request);
    EXPECT_TRUE(shown);
    EXPECT_EQ(1, w.Editor().CurrentKey());
}

} // namespace
} // namespace vorlan
