// What a user sees of the main window beyond its wiring: values from a file
// shown as they are, captions that fit, the status panes where they belong,
// and the keyboard focus.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "testing/MainWindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class MainWindowConformanceTest : public test::MainWindowTest {
protected:
    // A copy of the worked example whose header carries the given RFID byte.
    QString LayoutWithRfidByte(int rfidByte) {
        QFile example(QStringLiteral(VORLAN_TEST_DATA_DIR "/layout/worked-example-16scan.txt"));
        EXPECT_TRUE(example.open(QIODevice::ReadOnly));
        QByteArray text = example.readAll();
        const qsizetype eol = text.indexOf('\n');
        QList<QByteArray> header = text.left(eol).split(';');
        EXPECT_GT(header.size(), 5);
        header[5] = " " + QByteArray::number(rfidByte);
        text = header.join(';') + text.mid(eol);
        const QString path = dir.filePath(QStringLiteral("rfid%1.txt").arg(rfidByte));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return path;
    }

    QTemporaryDir dir;
    QStringList& openPaths = dialogs->openPaths;
};

// The reader takes 0..13 digits; the arrows step within 1..13. A value the
// arrows cannot reach must still be shown and kept, not replaced unasked.
TEST_F(MainWindowConformanceTest, DigitsCountFromAFileIsShownAndKeptUntilTheUserSteps) {
    struct Case {
        int rfidByte;
        int digits;
    };
    for (const Case c : {Case{0, 0}, Case{16, 1}, Case{9 * 16, 9}, Case{13 * 16, 13}}) {
        SCOPED_TRACE(c.digits);
        MainDialog w(dialogs);
        auto* digits = w.findChild<QSpinBox*>(QStringLiteral("digitsCount"));
        ASSERT_NE(nullptr, digits);
        openPaths << LayoutWithRfidByte(c.rfidByte);
        w.Editor().OnFileOpen();
        ASSERT_EQ(c.digits, w.Editor().Document().rfid.digitsCount);
        EXPECT_EQ(QString::number(c.digits), digits->text());

        // Taking the panel values (as every repaint does) keeps the file's value.
        w.Editor().OnPaintRequest();
        EXPECT_EQ(c.digits, w.Editor().Document().rfid.digitsCount);
        EXPECT_FALSE(w.Editor().Document().dirty);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowConformanceTest, DigitsCountArrowsStepWithinOneToThirteen) {
    MainDialog w(dialogs);
    auto* digits = w.findChild<QSpinBox*>(QStringLiteral("digitsCount"));
    ASSERT_NE(nullptr, digits);
    openPaths << LayoutWithRfidByte(0);
    w.Editor().OnFileOpen();
    ASSERT_EQ(0, digits->value());

    // From 0 the down arrow does nothing; the up arrow leads into the range.
    digits->stepDown();
    EXPECT_EQ(0, digits->value());
    EXPECT_FALSE(w.Editor().Document().dirty);
    digits->stepUp();
    EXPECT_EQ(1, digits->value());
    EXPECT_TRUE(w.Editor().Document().dirty);
    digits->stepDown();
    EXPECT_EQ(1, digits->value());
    digits->stepBy(-5);
    EXPECT_EQ(1, digits->value());

    for (int i = 0; i < 20; ++i) {
        digits->stepUp();
    }
    EXPECT_EQ(13, digits->value());
    w.Editor().OnPaintRequest();
    EXPECT_EQ(13, w.Editor().Document().rfid.digitsCount);
}

// What is typed or stepped into an RFID field is taken before an arrow key
// shows another key (one Undo step), or refused with the field's message;
// Up and Down step the digit count where it has the focus.
TEST_F(MainWindowConformanceTest, RfidValuesTypedOrSteppedSurviveTheArrowKeys) {
    struct Case {
        const char* field;
        const char* typed; // nullptr: Up pressed once in the field
        Qt::Key arrow;
        int prefix, suffix, digits, key; // after the arrow
        bool refused;
    };
    const Case cases[] = {
        {"prefixEdit", "120", Qt::Key_Right, 120, 0, 9, 2, false},
        {"prefixEdit", "120", Qt::Key_Down, 120, 0, 9, 9, false},
        {"suffixEdit", "7", Qt::Key_Left, 0, 7, 9, 56, false},
        {"suffixEdit", "300", Qt::Key_Right, 0, 0, 9, 2, true},
        {"digitsCount", nullptr, Qt::Key_Right, 0, 0, 10, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + (c.typed ? c.typed : "Up"));
        messages.clear();
        MainDialog w(dialogs);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        auto* field = w.findChild<QWidget*>(QString::fromLatin1(c.field));
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (c.typed != nullptr) {
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(focus, QString::fromLatin1(c.typed));
        } else {
            QTest::keyClick(focus, Qt::Key_Up);
            EXPECT_EQ(w.Editor().CurrentKey(), 1); // the value stepped, not the selection
            EXPECT_EQ(qobject_cast<QSpinBox*>(field)->value(), 10);
        }
        QTest::keyClick(QApplication::focusWidget(), c.arrow);
        const RfidOptions& rfid = w.Editor().Document().rfid;
        EXPECT_EQ(w.Editor().CurrentKey(), c.key);
        EXPECT_EQ(rfid.prefix, c.prefix);
        EXPECT_EQ(rfid.suffix, c.suffix);
        EXPECT_EQ(rfid.digitsCount, c.digits);
        EXPECT_EQ(!messages.isEmpty(), c.refused) << messages.join(u'|').toStdString();
        auto* shown = w.findChild<QLineEdit*>(QString::fromLatin1(c.field));
        if (shown != nullptr) { // the panel shows what the layout now holds
            EXPECT_EQ(shown->text().toInt(), c.field[0] == 'p' ? c.prefix : c.suffix);
        }
        EXPECT_EQ(w.Editor().History().CanUndo(), !c.refused);
        if (!c.refused) {
            w.Editor().OnUndo();
            EXPECT_EQ(rfid, RfidOptions{});
        }
    }
}

// The horizontal pixels a control's caption occupies, as the style lays it out.
std::pair<int, int> CaptionExtent(const QWidget* widget) {
    const QRect g = widget->geometry();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int text = label->fontMetrics().horizontalAdvance(label->text());
        if (label->alignment() & Qt::AlignRight) {
            return {g.right() + 1 - text, g.right() + 1};
        }
        return {g.left(), g.left() + text};
    }
    const QStyle* style = widget->style();
    int indicator = 0;
    if (qobject_cast<const QCheckBox*>(widget) != nullptr) {
        indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
                    style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
    } else if (qobject_cast<const QRadioButton*>(widget) != nullptr) {
        indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
                    style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
    } else {
        return {g.left(), g.right() + 1};
    }
    const auto* button = static_cast<const QAbstractButton*>(widget);
    return {g.left(),
            g.left() + indicator + button->fontMetrics().horizontalAdvance(button->text())};
}

TEST_F(MainWindowConformanceTest, CaptionsFitAndKeepClearOfTheirNeighboursAndGroupFrames) {
    MainDialog w(dialogs);
    const QList<QWidget*> children = w.Client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QList<QGroupBox*> groups;
    QList<QWidget*> controls;
    for (QWidget* child : children) {
        if (auto* group = qobject_cast<QGroupBox*>(child)) {
            groups << group;
        } else if (child != w.Grid() && child->objectName() != QStringLiteral("gridFrame")) {
            controls << child;
        }
    }
    ASSERT_EQ(5, groups.size());
    ASSERT_GT(controls.size(), 40);

    const auto describe = [](const QWidget* widget) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        return (label    ? label->text()
                : button ? button->text()
                         : widget->objectName())
            .toStdString();
    };
    for (const QWidget* control : controls) {
        SCOPED_TRACE(describe(control));
        const auto [left, right] = CaptionExtent(control);
        const QRect g = control->geometry();
        // The whole caption is drawn: none of it lies outside the control.
        EXPECT_GE(left, g.left());
        EXPECT_LE(right, g.right() + 1);
        // Inside every group frame around it, clear of the frame's sides.
        for (const QGroupBox* group : groups) {
            if (group->geometry().contains(g.center())) {
                EXPECT_GE(left, group->geometry().left() + 3);
                EXPECT_LE(right, group->geometry().right() - 2);
            }
        }
        // Clear of every neighbour on the same row.
        for (const QWidget* other : controls) {
            if (other == control || !other->isVisibleTo(&w) || !control->isVisibleTo(&w)) {
                continue;
            }
            const QRect o = other->geometry();
            if (o.bottom() < g.top() || o.top() > g.bottom()) {
                continue;
            }
            const auto [otherLeft, otherRight] = CaptionExtent(other);
            EXPECT_TRUE(right + 2 <= otherLeft || otherRight + 2 <= left) << describe(other);
        }
    }
}

// Pane edges at 160, 330, 410, 485, 560 and 630 pixels of the window, the last
// pane reaching the window's width, and the widest texts shown whole.
TEST_F(MainWindowConformanceTest, StatusPanesLieOnTheirEdgesAndShowTheirWidestTexts) {
    MainDialog w(dialogs);
    w.show();
    static constexpr int kEdges[7] = {160, 330, 410, 485, 560, 630, MainDialog::kClientWidth};
    int left = 0;
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        auto* pane = w.findChild<QLabel*>(QStringLiteral("statusPane%1").arg(i));
        ASSERT_NE(nullptr, pane);
        const QRect r(pane->mapTo(&w, QPoint(0, 0)), pane->size());
        EXPECT_EQ(left, r.left());
        EXPECT_GE(r.right() + 1, kEdges[i] - 2);
        EXPECT_LE(r.right() + 1, kEdges[i]);
        EXPECT_LE(r.bottom(), w.height() - 1);
        left = kEdges[i];
    }

    KeyboardSettings& settings = w.Editor().Document().settings;
    settings.keyCount = 112;
    settings.keysType = 0;
    settings.keyBeep = 0;
    settings.keyDelay = 3;
    settings.typematicRate = 31;
    w.Editor().FillStatusBar();
    w.Editor().OnPointerMove(KeyGridWidget::kLeft + 400, KeyGridWidget::kTop + 200);
    EXPECT_NE(QStringLiteral("Number: ----"), w.StatusPaneText(5));
    for (int i = 0; i < 6; ++i) {
        auto* pane = w.findChild<QLabel*>(QStringLiteral("statusPane%1").arg(i));
        EXPECT_LE(pane->fontMetrics().horizontalAdvance(pane->text()),
                  pane->contentsRect().width() - pane->indent())
            << pane->text().toStdString();
    }
}

} // namespace
} // namespace vorlan
