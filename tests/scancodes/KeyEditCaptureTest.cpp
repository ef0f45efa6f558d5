// The key edit of the main window through the real capture dialog: Enter,
// double click and "Insert key" open it for the selected key, and OK stores
// the captured codes into the key and every cell joined with it.
#include "app/GridViewActions.h"
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "keyboards/ui/PcLayoutMenu.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "testing/MainWindowFixture.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct NativeKey {
    int qtKey;
    quint32 x11;
};
constexpr NativeKey kLeftCtrl{Qt::Key_Control, 37};
constexpr NativeKey kC{Qt::Key_C, 54};
constexpr NativeKey kUp{Qt::Key_Up, 111};
constexpr NativeKey kEnter{Qt::Key_Return, 36};

void Press(QWidget* window, NativeKey key) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key.qtKey, {}, key.x11, 0, 0);
    QApplication::sendEvent(target, &press);
}

class KeyEditCaptureTest : public test::MainWindowTest {
protected:
    // Runs `keys` in the capture dialog once it is open, then presses `button`.
    void WhenCaptureOpens(std::vector<NativeKey> keys, const char* button) {
        QTimer::singleShot(0, [this, keys, button] {
            auto* dialog = qobject_cast<CaptureScanCodesDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            ++opened;
            for (NativeKey key : keys) {
                Press(dialog, key);
            }
            dialog->findChild<QPushButton*>(QLatin1String(button))->click();
        });
    }

    static QPoint CellCentre(int slot) {
        return KeyGridWidget::CanvasCellOrigin(slot) + QPoint(17, 17);
    }

    int opened = 0;
};

TEST_F(KeyEditCaptureTest, EnterEditsADoubleKeyAndBothCellsTakeTheCodes) {
    MainDialog w(dialogs);
    w.show();
    KeyEditor& e = w.Editor();
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, CellCentre(10));
    ASSERT_EQ(e.CurrentKey(), 10);
    e.Document().keys[10].codes[0] = 0x1C;
    e.Document().MakeSlotSingle(10);
    e.OnDoubleRight();

    WhenCaptureOpens({kLeftCtrl, kC, kUp, kEnter}, "okButton");
    Press(&w, kEnter);
    EXPECT_EQ(opened, 1);

    const KeyCodes expected = {0x14, 0x21, 0xE0, 0x75, 0x5A};
    EXPECT_EQ(e.Document().keys[10].codes, expected);
    EXPECT_EQ(e.Document().keys[11].codes, expected);
    EXPECT_EQ(e.Panel().codeTextsUtf8[0], "Ctrl_left");
    EXPECT_EQ(e.Panel().codeTextsUtf8[3], "Up");
    auto* code4 = w.findChild<QLineEdit*>(QStringLiteral("code1004"));
    ASSERT_NE(code4, nullptr);
    EXPECT_EQ(code4->text().toStdString(), "Up");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(KeyEditCaptureTest, DoubleClickOpensTheDialogAndCancelKeepsTheKey) {
    MainDialog w(dialogs);
    w.show();
    KeyEditor& e = w.Editor();
    const KeyCodes before = e.Document().keys[3].codes;
    WhenCaptureOpens({kC}, "cancelButton");
    QTest::mouseDClick(w.Grid(), Qt::LeftButton, {}, CellCentre(3));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(e.Document().keys[3].codes, before);
}

TEST_F(KeyEditCaptureTest, InsertKeyFromThePopupOpensTheDialog) {
    MainDialog w(dialogs);
    w.show();
    KeyEditor& e = w.Editor();
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, CellCentre(5));
    WhenCaptureOpens({kC}, "okButton");
    w.PopupMenu()->actions().first()->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(e.Document().keys[5].codes[0], 0x21);
}

// "Type a text..." as a user works it: the capture's button clicked, the
// text typed into the text dialog and Enter; the text dialog's refusal says
// what and where, and neither Enter on it nor Escape stores anything.
class TypeATextTest : public KeyEditCaptureTest {
protected:
    // Opens the key's capture with Enter, clicks "Type a text..." and runs
    // `typing` in the text dialog; then `afterText` in the capture, whose
    // OK is clicked last.
    void TypeInCapture(QWidget& window, std::function<void(QDialog&, QLineEdit&)> typing,
                       std::function<void(CaptureScanCodesDialog&)> afterText = {}) {
        QTimer::singleShot(0, [&, typing, afterText] {
            auto* capture =
                qobject_cast<CaptureScanCodesDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(capture, nullptr);
            ++opened;
            QTimer::singleShot(0, [typing] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(dialog, nullptr);
                TypeInto(*dialog, typing);
                if (dialog->isVisible()) {
                    ADD_FAILURE() << "the text dialog stayed open";
                    dialog->reject();
                }
            });
            QTest::mouseClick(capture->TypeTextButton(), Qt::LeftButton);
            if (afterText) {
                afterText(*capture);
            }
            QTest::mouseClick(capture->findChild<QPushButton*>(QStringLiteral("okButton")),
                              Qt::LeftButton);
        });
        Press(&window, kEnter);
    }

    static void TypeInto(QDialog& dialog, const std::function<void(QDialog&, QLineEdit&)>& typing) {
        ASSERT_EQ(dialog.objectName().toStdString(), "typeTextDialog");
        auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("typedText"));
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(dialog.focusWidget(), text) << "the text field takes the keys first";
        typing(dialog, *text);
    }
    static QString Shown(const QDialog& dialog) {
        return dialog.findChild<QLabel*>(QStringLiteral("typedCodes"))->text();
    }
    // A sign QTest cannot type, as a keyboard of another layout sends it.
    static void TypeSign(QLineEdit& text, const QString& sign) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, sign);
        QApplication::sendEvent(&text, &press);
    }
};

TEST_F(TypeATextTest, TheTextsCodesInTheChosenPcLayoutGoIntoTheKeyAndThePanelSaysWhatItTypes) {
    MainDialog w(dialogs);
    w.show();
    w.ViewActions().PcLayouts().Entry("de")->trigger();
    KeyEditor& e = w.Editor();
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, CellCentre(7));
    QString codesShown;
    TypeInCapture(
        w,
        [&](QDialog& dialog, QLineEdit& text) {
            QTest::keyClicks(&text, QStringLiteral("z@{Enter}"));
            codesShown = Shown(dialog);
            QTest::keyClick(&text, Qt::Key_Return); // OK, the dialog's default button
        },
        [](CaptureScanCodesDialog& capture) {
            // The text is in the capture's fields, and capture goes on after it.
            EXPECT_EQ(capture.findChild<QLineEdit*>(QStringLiteral("name1"))->text().toStdString(),
                      "Z");
            Press(&capture, kC);
        });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(codesShown.toStdString(), "53 Z, 224 extended, 17 Alt_right, 21 Q, 90 Enter");
    const KeyCodes expected = {0x35, 0xE0, 0x11, 0x15, 0x5A, 0x21};
    EXPECT_EQ(e.Document().keys[7].codes, expected);
    EXPECT_EQ(e.Panel().codeTextsUtf8[0], "Z");
    EXPECT_TRUE(messages.isEmpty());

    // The panel says what a key types in the PC layout: with AltGr held
    // from the @ on, C types a cent sign. Nothing for codes that are no text.
    auto* types = w.findChild<QLabel*>(QStringLiteral("keyTypes"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->text().toStdString(), "types z@\u23CE\u00A2");
    e.Document().keys[7].codes = {0x35, 0x12};
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, CellCentre(8));
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, CellCentre(7));
    EXPECT_EQ(types->text(), QString()); // Shift with nothing after it
}

TEST_F(TypeATextTest, ARefusedTextOrEscapeStoresNothing) {
    MainDialog w(dialogs);
    w.show();
    w.ViewActions().PcLayouts().Entry("de")->trigger();
    KeyEditor& e = w.Editor();
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, CellCentre(3));
    e.Document().keys[3].codes = {0x1C};
    e.Document().MakeSlotSingle(3);
    const KeyCodes before = e.Document().keys[3].codes;
    const struct {
        const char* what;
        std::function<void(QLineEdit&)> type;
        std::string refusal;
    } cases[] = {
        {"a sign the layout has no key for",
         [](QLineEdit& text) {
             QTest::keyClicks(&text, QStringLiteral("ab"));
             TypeSign(text, QString::fromUtf8("\xE2\x98\x83"));
         },
         "\"\xE2\x98\x83\" cannot be typed on a German PC keyboard (character 3)"},
        {"more than 16 codes",
         [](QLineEdit& text) { QTest::keyClicks(&text, QStringLiteral("1234567890123456{F1}")); },
         "The text needs 17 codes and a key holds 16: it stops fitting at character 17"},
        {"a name no key has",
         [](QLineEdit& text) { QTest::keyClicks(&text, QStringLiteral("1{Nope}")); },
         "No key is named \"{Nope}\""},
        {"Escape after a text that would do",
         [](QLineEdit& text) { QTest::keyClicks(&text, QStringLiteral("42")); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TypeInCapture(w, [&](QDialog& dialog, QLineEdit& text) {
            c.type(text);
            auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            if (!c.refusal.empty()) {
                EXPECT_NE(Shown(dialog).toStdString().find(c.refusal), std::string::npos)
                    << Shown(dialog).toStdString();
                EXPECT_FALSE(ok->isEnabled());
                QTest::keyClick(&text, Qt::Key_Return);
                EXPECT_TRUE(dialog.isVisible()) << "Enter took a refused text";
            } else {
                EXPECT_TRUE(ok->isEnabled());
            }
            QTest::keyClick(&text, Qt::Key_Escape);
        });
        EXPECT_EQ(e.Document().keys[3].codes, before);
    }
    EXPECT_EQ(opened, 4);
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace
} // namespace vorlan
