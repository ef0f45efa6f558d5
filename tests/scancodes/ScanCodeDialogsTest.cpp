#include "common/ui/MessageBox.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "scancodes/ui/EditScanCodesDialog.h"
#include "scancodes/ui/KeystrokeCaptureEdit.h"
#include "testing/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

// X keycodes (Linux input-event code + 8) of the keys the tests press.
struct NativeKey {
    int qtKey;
    quint32 x11;
};
constexpr NativeKey kA{Qt::Key_A, 38};
constexpr NativeKey kC{Qt::Key_C, 54};
constexpr NativeKey kUp{Qt::Key_Up, 111};
constexpr NativeKey kKeypadEnter{Qt::Key_Enter, 104};
constexpr NativeKey kEnter{Qt::Key_Return, 36};
constexpr NativeKey kEscape{Qt::Key_Escape, 9};
constexpr NativeKey kTab{Qt::Key_Tab, 23};
constexpr NativeKey kNumLock{Qt::Key_NumLock, 77};
constexpr NativeKey kPause{Qt::Key_Pause, 127};
constexpr NativeKey kRightCtrl{Qt::Key_Control, 105};
constexpr NativeKey kRightAlt{Qt::Key_AltGr, 108};
constexpr NativeKey kF4{Qt::Key_F4, 70};

// Sends a key press as the platform would, with its native scan code, to the
// widget that has the focus in `window` (the window itself when none has).
// Offscreen there is no window manager to reactivate a window after a nested
// dialog, so the window's own focus widget is used rather than the application's.
bool Press(QWidget* window, NativeKey key, Qt::KeyboardModifiers modifiers = {},
           bool autoRepeat = false) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent override(QEvent::ShortcutOverride, key.qtKey, modifiers, key.x11, 0, 0, QString(),
                       autoRepeat);
    QApplication::sendEvent(target, &override);
    QKeyEvent press(QEvent::KeyPress, key.qtKey, modifiers, key.x11, 0, 0, QString(), autoRepeat);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key.qtKey, modifiers, key.x11, 0, 0);
    QApplication::sendEvent(target, &release);
    return override.isAccepted() && press.isAccepted();
}

SlotCodes Codes(std::initializer_list<std::uint32_t> codes) {
    SlotCodes out{};
    std::copy(codes.begin(), codes.end(), out.begin());
    return out;
}

// No message box may open while capturing; one would wait for a click.
MessageResult UnexpectedMessage(const MessageRequest& request) {
    ADD_FAILURE() << "unexpected message: " << request.text.toStdString();
    return MessageResult::Ok;
}

class CaptureDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto dialogs = std::make_shared<test::ScriptedDialogs>();
        dialogs->answer = UnexpectedMessage;
        SetDialogSeam(&dialog, dialogs);
        dialog.Load(SlotCodes{});
        dialog.show();
        dialog.activateWindow();
        QApplication::setActiveWindow(&dialog);
        QCoreApplication::processEvents();
    }
    void TearDown() override { dialog.hide(); }

    std::string CodeText(int slot) const {
        return dialog.codeField(slot - 1)->text().toStdString();
    }
    std::string NameText(int slot) const {
        return dialog.nameField(slot - 1)->text().toStdString();
    }
    QPushButton* Button(const char* name) {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }

    QWidget parent;
    CaptureScanCodesDialog dialog{&parent};
};

TEST_F(CaptureDialogTest, KeyPressesShowCodesAndNames) {
    ASSERT_EQ(dialog.focusWidget(), dialog.captureEdit());
    for (NativeKey key : {kA, kUp, kKeypadEnter, kEnter, kNumLock, kPause, kRightCtrl, kRightAlt}) {
        Press(&dialog, key);
    }
    const std::vector<std::string> codes = {"28",  "224", "117", "224", "90", "90",
                                            "119", "224", "20",  "224", "17", "0"};
    const std::vector<std::string> names = {"A",          "extended", "Up",        "extended",
                                            "Enter_num",  "Enter",    "Num_lock",  "extended",
                                            "Ctrl_right", "extended", "Alt_right", ""};
    for (int slot = 1; slot <= static_cast<int>(codes.size()); ++slot) {
        EXPECT_EQ(CodeText(slot), codes[slot - 1]) << slot;
        EXPECT_EQ(NameText(slot), names[slot - 1]) << slot;
    }
    EXPECT_EQ(dialog.capture().nextSlot(), 12);
}

TEST_F(CaptureDialogTest, TabEscapeEnterAndAltF4AreCapturedWithoutClosingOrMovingFocus) {
    EXPECT_TRUE(Press(&dialog, kTab));
    EXPECT_TRUE(Press(&dialog, kEscape));
    EXPECT_TRUE(Press(&dialog, kEnter));
    EXPECT_TRUE(Press(&dialog, kF4, Qt::AltModifier));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.captureEdit());
    EXPECT_EQ(CodeText(1), "13");
    EXPECT_EQ(NameText(1), "Tab");
    EXPECT_EQ(NameText(2), "Esc");
    EXPECT_EQ(NameText(3), "Enter");
    EXPECT_EQ(NameText(4), "F4");
    // A click on a display field does not keep the focus there either.
    dialog.nameField(5)->setFocus();
    EXPECT_EQ(dialog.focusWidget(), dialog.captureEdit());
}

TEST_F(CaptureDialogTest, HeldKeyFillsSlotsUntilFullAndExtendedNeedsTwo) {
    for (int i = 0; i < 15; ++i) {
        Press(&dialog, kA, {}, i > 0);
    }
    Press(&dialog, kUp);
    EXPECT_EQ(CodeText(16), "0");
    Press(&dialog, kC);
    EXPECT_EQ(NameText(16), "C");
    Press(&dialog, kA);
    EXPECT_EQ(NameText(16), "C");
    EXPECT_EQ(dialog.capture().nextSlot(), 17);
}

TEST_F(CaptureDialogTest, LoadedCodesStayBehindCapturedOnes) {
    dialog.Load(Codes({0x14, 0x21}));
    EXPECT_EQ(NameText(1), "Ctrl_left");
    EXPECT_EQ(NameText(2), "C");
    Button("clearLastButton")->click();
    EXPECT_EQ(CodeText(1), "20");
    Press(&dialog, kA);
    EXPECT_EQ(NameText(1), "A");
    EXPECT_EQ(NameText(2), "C");
    EXPECT_EQ(dialog.focusWidget(), dialog.captureEdit());
}

TEST_F(CaptureDialogTest, ClearLastRemovesExtendedKeyAndClearAllEverything) {
    Press(&dialog, kA);
    Press(&dialog, kUp);
    Button("clearLastButton")->click();
    EXPECT_EQ(CodeText(2), "0");
    EXPECT_EQ(CodeText(3), "0");
    EXPECT_EQ(NameText(1), "A");
    Button("clearAllButton")->click();
    EXPECT_EQ(CodeText(1), "0");
    EXPECT_EQ(NameText(1), "");
    EXPECT_EQ(dialog.focusWidget(), dialog.captureEdit());
}

// Runs `action` on the modal dialog that opens next, once it is shown.
void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

TEST_F(CaptureDialogTest, EditNamesEachCodeAloneAndKeepsTheCapturePosition) {
    Press(&dialog, kUp);
    OnNextModal([](QWidget* modal) {
        auto* editor = qobject_cast<EditScanCodesDialog*>(modal);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->field(0)->text().toStdString(), "224");
        editor->field(2)->selectAll();
        QTest::keyClicks(editor->field(2), QStringLiteral("28"));
        editor->accept();
    });
    Button("editButton")->click();
    EXPECT_EQ(NameText(1), "extended");
    EXPECT_EQ(NameText(2), "8_num");
    EXPECT_EQ(NameText(3), "A");
    EXPECT_EQ(dialog.focusWidget(), dialog.captureEdit());
    Press(&dialog, kC);
    EXPECT_EQ(NameText(3), "C");
}

TEST_F(CaptureDialogTest, EditCancelledChangesNothing) {
    Press(&dialog, kA);
    OnNextModal([](QWidget* modal) {
        auto* editor = qobject_cast<EditScanCodesDialog*>(modal);
        ASSERT_NE(editor, nullptr);
        editor->field(0)->selectAll();
        QTest::keyClicks(editor->field(0), QStringLiteral("5"));
        editor->reject();
    });
    Button("editButton")->click();
    EXPECT_EQ(CodeText(1), "28");
}

TEST_F(CaptureDialogTest, CaptionComesBackOnPaint) {
    dialog.setWindowTitle(QStringLiteral("something else"));
    dialog.repaint();
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Insert scan-codes by pressing key");
}

TEST(CaptureDialogRun, OkReturnsTheCodesAndCancelNothing) {
    QWidget parent;
    CaptureScanCodesDialog dialog(&parent);
    OnNextModal([&dialog](QWidget*) {
        Press(&dialog, kC);
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    const CaptureDialogResult ok = dialog.Run(Codes({0x14, 0x21}), {"Ctrl_left", "C"});
    EXPECT_TRUE(ok.accepted);
    EXPECT_EQ(ok.codes, Codes({0x21, 0x21}));
    EXPECT_EQ(ok.names[0], "C");

    OnNextModal([&dialog](QWidget*) {
        Press(&dialog, kA);
        dialog.reject(); // what Escape and the close request do: nothing
        EXPECT_TRUE(dialog.isVisible());
        dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    const CaptureDialogResult cancelled = dialog.Run(Codes({0x14}), {"Ctrl_left"});
    EXPECT_FALSE(cancelled.accepted);
}

// The keyboard's way out: a few seconds after the last key is let go the
// capture pauses, says so, and the keys work the buttons.
void WaitForPause(CaptureScanCodesDialog& dialog) {
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.Capturing(), CaptureScanCodesDialog::kPauseAfterMs * 3);
}

TEST_F(CaptureDialogTest, PausedCaptureIsConfirmedCancelledOrResumedByKeys) {
    const QString capturing = dialog.StateLabel()->text();
    EXPECT_TRUE(capturing.contains(QStringLiteral("3 seconds"))) << capturing.toStdString();
    struct Row {
        const char* name;
        NativeKey key;
        int result; // after the key: -1 still open
    } rows[] = {
        {"Enter on OK", kEnter, QDialog::Accepted},
        {"Escape", kEscape, QDialog::Rejected},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        dialog.Load(SlotCodes{});
        dialog.show();
        dialog.setResult(-1);
        // Tab and Escape pressed while capturing are codes, as ever.
        Press(&dialog, kTab);
        Press(&dialog, kA);
        EXPECT_TRUE(dialog.Capturing());
        WaitForPause(dialog);
        EXPECT_NE(dialog.StateLabel()->text(), capturing);
        EXPECT_EQ(dialog.focusWidget(), Button("okButton"));
        Press(&dialog, row.key);
        EXPECT_EQ(dialog.result(), row.result);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(CodeText(1), "13");
        EXPECT_EQ(NameText(2), "A");
    }
}

TEST_F(CaptureDialogTest, TabReachesCaptureAgainAndAHeldKeyNeverPauses) {
    // A modifier held down for longer than the pause keeps the capture going.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 50, 0, 0);
    QApplication::sendEvent(dialog.captureEdit(), &down);
    QTest::qWait(CaptureScanCodesDialog::kPauseAfterMs + 500);
    EXPECT_TRUE(dialog.Capturing());
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Shift, {}, 50, 0, 0);
    QApplication::sendEvent(dialog.captureEdit(), &up);
    WaitForPause(dialog);
    EXPECT_EQ(NameText(1), "Shift_left");

    // Tab walks the buttons to "Capture again"; Enter there captures again.
    QPushButton* again = Button("againButton");
    for (int i = 0; i < 8 && dialog.focusWidget() != again; ++i) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(dialog.focusWidget(), again);
    Press(&dialog, kEnter);
    EXPECT_TRUE(dialog.Capturing());
    EXPECT_EQ(dialog.focusWidget(), dialog.captureEdit());
    Press(&dialog, kEscape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(NameText(2), "Esc");
}

class EditDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto dialogs = std::make_shared<test::ScriptedDialogs>();
        dialogs->answer = [this](const MessageRequest& request) {
            messages.push_back(request.text.toStdString());
            EXPECT_EQ(request.icon, MessageIcon::Exclamation);
            EXPECT_EQ(request.caption, QCoreApplication::applicationName());
            return MessageResult::Ok;
        };
        SetDialogSeam(&dialog, dialogs);
        dialog.setFieldCodes(Codes({25, 0, 7}));
        dialog.show();
        QApplication::setActiveWindow(&dialog);
    }

    // Types at the end of field k (0-based) as a user would.
    void TypeAtEnd(int k, const char* keys) {
        QLineEdit* field = dialog.field(k);
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, QLatin1String(keys));
    }

    std::vector<std::string> messages;
    EditScanCodesDialog dialog{nullptr};
};

// As in any dialog, the first field opens with the focus and its text
// selected, so the first digit typed replaces the code instead of adding to it.
TEST_F(EditDialogTest, FieldOneOpensWithTheFocusAndItsTextSelected) {
    EXPECT_EQ(dialog.focusWidget(), dialog.field(0));
    EXPECT_EQ(dialog.field(0)->selectedText().toStdString(), "25");
    QTest::keyClicks(dialog.field(0), QStringLiteral("6"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialog.field(0)->text().toStdString(), "6");
    EXPECT_EQ(dialog.fieldCodes()[0], 6u);
}

TEST_F(EditDialogTest, OutOfRangeIsRefusedAndThePreviousValueComesBack) {
    TypeAtEnd(0, "6");
    ASSERT_EQ(messages, (std::vector<std::string>{"Please enter an integer between 0 and 255."}));
    EXPECT_EQ(dialog.field(0)->text().toStdString(), "25");
    EXPECT_EQ(dialog.fieldCodes()[0], 25u);
    EXPECT_EQ(dialog.focusWidget(), dialog.field(0));
    EXPECT_EQ(dialog.field(0)->selectedText().toStdString(), "25");
}

TEST_F(EditDialogTest, EmptyFieldIsRefused) {
    TypeAtEnd(2, "\b");
    ASSERT_EQ(messages, (std::vector<std::string>{"Please enter a positive integer."}));
    EXPECT_EQ(dialog.field(2)->text().toStdString(), "7");
}

TEST_F(EditDialogTest, LeadingZeroIsDroppedAndLettersCannotBeTyped) {
    TypeAtEnd(1, "7");
    EXPECT_EQ(dialog.field(1)->text().toStdString(), "7");
    EXPECT_EQ(dialog.fieldCodes()[1], 7u);
    TypeAtEnd(1, "x-+ ");
    EXPECT_EQ(dialog.field(1)->text().toStdString(), "7");
    EXPECT_TRUE(messages.empty());
}

TEST_F(EditDialogTest, PastedTextThatIsNotANumberIsRefused) {
    QApplication::clipboard()->setText(QStringLiteral("12ab"));
    dialog.field(4)->selectAll();
    dialog.field(4)->paste();
    ASSERT_EQ(messages, (std::vector<std::string>{"Please enter a positive integer."}));
    EXPECT_EQ(dialog.field(4)->text().toStdString(), "0");
}

TEST_F(EditDialogTest, EveryFieldTakes255AndRefuses256) {
    for (int k = 0; k < kSlotCount; ++k) {
        dialog.field(k)->selectAll();
        QTest::keyClicks(dialog.field(k), QStringLiteral("256"));
    }
    EXPECT_EQ(static_cast<int>(messages.size()), kSlotCount);
    for (int k = 0; k < kSlotCount; ++k) {
        // Typing "256" passes through "2" and "25" before it is refused.
        EXPECT_EQ(dialog.field(k)->text().toStdString(), "25") << k;
        EXPECT_EQ(dialog.fieldCodes()[k], 25u) << k;
        dialog.field(k)->selectAll();
        QTest::keyClicks(dialog.field(k), QStringLiteral("255"));
        EXPECT_EQ(dialog.fieldCodes()[k], 255u) << k;
    }
    EXPECT_EQ(static_cast<int>(messages.size()), kSlotCount);
}

TEST_F(EditDialogTest, OkReturnsLoadedValuesUnchangedAndRefusesABadField) {
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.fieldCodes(), Codes({25, 0, 7}));

    dialog.show();
    dialog.setResult(0);
    dialog.field(9)->setText(QStringLiteral("300")); // not a user edit: no check yet
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(messages, (std::vector<std::string>{"Please enter an integer between 0 and 255."}));
    EXPECT_EQ(dialog.focusWidget(), dialog.field(9));
}

TEST_F(EditDialogTest, TabOrderRunsFromFieldOneToSixteen) {
    for (int k = 0; k + 1 < kSlotCount; ++k) {
        QWidget* next = dialog.field(k)->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) {
            next = next->nextInFocusChain();
        }
        EXPECT_EQ(next, dialog.field(k + 1)) << k;
    }
}

} // namespace
} // namespace vorlan
