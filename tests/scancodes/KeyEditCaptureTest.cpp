// The key edit of the main window through the real capture dialog: Enter,
// double click and "Insert key" open it for the selected key, and OK stores
// the captured codes into the key and every cell joined with it.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "testing/MainWindowFixture.h"

#include <QApplication>
#include <QKeyEvent>
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

} // namespace
} // namespace vorlan
