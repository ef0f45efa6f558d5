// The keyboard settings dialog, run by the main window's Settings command:
// the keys pause check, the sliders following the keys type, OK through the
// key editor (including emptying keys 57..112 for a single keyboard) and
// Cancel leaving everything as it was.
#include "programming/ui/KeyboardSettingsDialog.h"

#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "programming/ui/ProgrammingWindows.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class KeyboardSettingsTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window = std::make_unique<MainDialog>(dialogs);
        dialog = KeyboardSettingsDialogOf(window.get());
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override {
        window.reset();
        MainWindowTest::TearDown();
    }

    LayoutDocument& Doc() { return window->Editor().Document(); }
    KeyboardSettings& Settings() { return Doc().settings; }

    // Gives the Settings command; act works the modal dialog and must end it.
    void RunSettings(const std::function<void()>& act) {
        QTimer::singleShot(0, dialog, [this, act] {
            act();
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        window->findChild<QAction*>(QStringLiteral("actionSettings"))->trigger();
    }

    void ClickOk() { dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click(); }
    void ClickCancel() { dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); }
    void TypePause(const QString& text) {
        dialog->KeysPauseEdit()->clear();
        QTest::keyClicks(dialog->KeysPauseEdit(), text);
    }

    void Program(int k, std::uint32_t code) {
        Doc().keys[static_cast<std::size_t>(k)].codes[0] = code;
        Doc().keys[static_cast<std::size_t>(k)].name = "Mine";
        Doc().spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
    }

    std::unique_ptr<MainDialog> window;
    KeyboardSettingsDialog* dialog = nullptr;
    std::vector<MessageRequest>& messages = dialogs->requests;
};

TEST_F(KeyboardSettingsTest, ControlsShowTheSettingsWithTickedSliders) {
    Settings() = {};
    Settings().keyCount = 112;
    Settings().keysType = 1;
    Settings().keyBeep = 1;
    Settings().keyDelay = 3;
    Settings().typematicRate = 17;
    Settings().keysPause = 42;
    RunSettings([this] {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Keyboard settings"));
        EXPECT_TRUE(dialog->DoubleButton()->isChecked());
        EXPECT_TRUE(dialog->TypematicButton()->isChecked());
        EXPECT_TRUE(dialog->BeepOnButton()->isChecked());
        EXPECT_EQ(dialog->KeysPauseEdit()->text(), QStringLiteral("42"));
        for (QSlider* slider : {dialog->RateSlider(), dialog->DelaySlider()}) {
            EXPECT_TRUE(slider->isEnabled());
            EXPECT_EQ(slider->orientation(), Qt::Horizontal);
            EXPECT_EQ(slider->tickInterval(), 1);
            EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
            EXPECT_EQ(slider->minimum(), 0);
        }
        EXPECT_EQ(dialog->RateSlider()->maximum(), 31);
        EXPECT_EQ(dialog->DelaySlider()->maximum(), 3);
        EXPECT_EQ(dialog->RateSlider()->value(), 17);
        EXPECT_EQ(dialog->DelaySlider()->value(), 3);
        // Digits only.
        TypePause(QStringLiteral("1x-2"));
        EXPECT_EQ(dialog->KeysPauseEdit()->text(), QStringLiteral("12"));
        ClickCancel();
    });
    EXPECT_EQ(Settings().keysPause, 42);
}

TEST_F(KeyboardSettingsTest, SlidersFollowTheKeysTypeButtons) {
    Settings().keysType = 0;
    RunSettings([this] {
        EXPECT_TRUE(dialog->MakeBreakButton()->isChecked());
        EXPECT_FALSE(dialog->RateSlider()->isEnabled());
        EXPECT_FALSE(dialog->DelaySlider()->isEnabled());
        QTest::mouseClick(dialog->TypematicButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog->RateSlider()->isEnabled());
        EXPECT_TRUE(dialog->DelaySlider()->isEnabled());
        QTest::mouseClick(dialog->MakeBreakButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->RateSlider()->isEnabled());
        EXPECT_FALSE(dialog->DelaySlider()->isEnabled());
        // The arrow keys move through the buttons as clicks do.
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        dialog->MakeBreakButton()->setFocus();
        ASSERT_TRUE(dialog->MakeBreakButton()->hasFocus());
        QTest::keyClick(dialog->MakeBreakButton(), Qt::Key_Down);
        EXPECT_TRUE(dialog->TypematicButton()->isChecked());
        EXPECT_TRUE(dialog->RateSlider()->isEnabled());
        QTest::keyClick(dialog->TypematicButton(), Qt::Key_Up);
        EXPECT_TRUE(dialog->MakeBreakButton()->isChecked());
        EXPECT_FALSE(dialog->RateSlider()->isEnabled());
        EXPECT_FALSE(dialog->DelaySlider()->isEnabled());
        // Positions are kept whatever the sliders' state.
        dialog->RateSlider()->setValue(9);
        dialog->DelaySlider()->setValue(1);
        ClickOk();
    });
    EXPECT_EQ(Settings().keysType, 0);
    EXPECT_EQ(Settings().typematicRate, 9);
    EXPECT_EQ(Settings().keyDelay, 1);
}

struct PauseCase {
    const char* typed;
    const char* message; // null: accepted
};

TEST_F(KeyboardSettingsTest, KeysPauseOutsideOneTo255IsRefusedAndTheDialogStaysOpen) {
    const PauseCase cases[] = {
        {"0", "Please enter an integer between 1 and 255."},
        {"256", "Please enter an integer between 1 and 255."},
        {"99999999999999999999", "Please enter an integer between 1 and 255."},
        {"", "Please enter an integer."},
        {"1", nullptr},
        {"255", nullptr},
    };
    for (const PauseCase& c : cases) {
        SCOPED_TRACE(c.typed);
        Settings().keysPause = 3;
        messages.clear();
        bool stayedOpen = false;
        RunSettings([&] {
            TypePause(QString::fromLatin1(c.typed));
            ClickOk();
            stayedOpen = dialog->isVisible();
            if (stayedOpen) {
                EXPECT_TRUE(dialog->KeysPauseEdit()->hasFocus() || !dialog->isActiveWindow());
                ClickCancel();
            }
        });
        if (c.message != nullptr) {
            EXPECT_TRUE(stayedOpen);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].text, QString::fromLatin1(c.message));
            EXPECT_EQ(messages[0].parent, dialog);
            EXPECT_EQ(Settings().keysPause, 3);
        } else {
            EXPECT_FALSE(stayedOpen);
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(Settings().keysPause, QString::fromLatin1(c.typed).toInt());
        }
    }
}

TEST_F(KeyboardSettingsTest, GoingSingleEmptiesKeys57To112AndSelectsKeyOne) {
    Settings().keyCount = 112;
    window->Editor().DrawGrid();
    Program(3, 28);
    Program(60, 30);
    Program(112, 31);
    window->Editor().ShowKey(70);

    RunSettings([this] {
        QTest::mouseClick(dialog->SingleButton(), Qt::LeftButton);
        ClickOk();
    });

    EXPECT_EQ(Settings().keyCount, 56);
    EXPECT_EQ(window->Editor().CurrentKey(), 1);
    EXPECT_TRUE(Doc().IsProgrammed(3));
    for (int k = 57; k <= 112; ++k) {
        EXPECT_FALSE(Doc().IsProgrammed(k)) << k;
        EXPECT_EQ(Doc().keys[static_cast<std::size_t>(k)].name, "KEY" + std::to_string(k));
        EXPECT_EQ(Doc().spans[static_cast<std::size_t>(k)].kind, SpanKind::Empty) << k;
    }
    EXPECT_TRUE(Doc().dirty);

    // Back to the double keyboard: the keys stay empty.
    RunSettings([this] {
        QTest::mouseClick(dialog->DoubleButton(), Qt::LeftButton);
        ClickOk();
    });
    EXPECT_EQ(Settings().keyCount, 112);
    EXPECT_FALSE(Doc().IsProgrammed(60));
    EXPECT_FALSE(Doc().IsProgrammed(112));
}

TEST_F(KeyboardSettingsTest, CancelLeavesEverySettingAsItWas) {
    Settings().keyCount = 112;
    Settings().keysType = 1;
    Settings().keyBeep = 0;
    Settings().keyDelay = 2;
    Settings().typematicRate = 11;
    Settings().keysPause = 3;
    Program(60, 30);
    Doc().dirty = false;
    const KeyboardSettings before = Settings();

    RunSettings([this] {
        QTest::mouseClick(dialog->SingleButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->MakeBreakButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->BeepOnButton(), Qt::LeftButton);
        dialog->RateSlider()->setValue(30);
        dialog->DelaySlider()->setValue(0);
        TypePause(QStringLiteral("200"));
        ClickCancel();
    });

    EXPECT_EQ(Settings().keyCount, before.keyCount);
    EXPECT_EQ(Settings().keysType, before.keysType);
    EXPECT_EQ(Settings().keyBeep, before.keyBeep);
    EXPECT_EQ(Settings().keyDelay, before.keyDelay);
    EXPECT_EQ(Settings().typematicRate, before.typematicRate);
    EXPECT_EQ(Settings().keysPause, before.keysPause);
    EXPECT_TRUE(Doc().IsProgrammed(60));
    EXPECT_FALSE(Doc().dirty);
}

TEST_F(KeyboardSettingsTest, OkStoresEveryValue) {
    Settings().keyCount = 56;
    Settings().keysType = 0;
    Settings().keyBeep = 1;
    RunSettings([this] {
        QTest::mouseClick(dialog->DoubleButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->TypematicButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->BeepOffButton(), Qt::LeftButton);
        dialog->RateSlider()->setValue(31);
        dialog->DelaySlider()->setValue(3);
        TypePause(QStringLiteral("77"));
        ClickOk();
    });
    EXPECT_EQ(Settings().keyCount, 112);
    EXPECT_EQ(Settings().keysType, 1);
    EXPECT_EQ(Settings().keyBeep, 0);
    EXPECT_EQ(Settings().typematicRate, 31);
    EXPECT_EQ(Settings().keyDelay, 3);
    EXPECT_EQ(Settings().keysPause, 77);
    EXPECT_EQ(window->StatusPaneText(0).toStdString().find("Vorlan D") != std::string::npos, true);
}

} // namespace
} // namespace vorlan
