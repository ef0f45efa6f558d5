// A layout set up from start to keyboard with key presses only: the name,
// the codes (captured, then confirmed by keys), a double key, the keyboard
// settings, Save As and a programming run on an emulated keyboard.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "grid/KeyEditor.h"
#include "layout/ui/FileDialogs.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

// A key as the platform sends it, with its X keycode, to the focus widget of
// the active modal window (the capture takes the native code).
void Key(int qtKey, quint32 x11) {
    QWidget* window = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : QApplication::activeWindow();
    ASSERT_NE(window, nullptr);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QKeyEvent override(QEvent::ShortcutOverride, qtKey, {}, x11, 0, 0);
    QApplication::sendEvent(target, &override);
    QKeyEvent press(QEvent::KeyPress, qtKey, {}, x11, 0, 0);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, {}, x11, 0, 0);
    QApplication::sendEvent(target, &release);
}

// Runs action on the first modal window that is.
void WhenModal(std::function<bool(QWidget*)> is, std::function<void(QWidget*)> action) {
    QTimer::singleShot(50, [is, action] {
        QWidget* modal = nullptr;
        QTest::qWaitFor(
            [&] {
                modal = QApplication::activeModalWidget();
                return modal != nullptr && is(modal);
            },
            20000);
        ASSERT_NE(modal, nullptr);
        action(modal);
    });
}

bool Named(QWidget* widget, const char* name) {
    return widget->objectName() == QLatin1String(name);
}

// Offscreen no window manager gives the window back its activation once a
// dialog has closed; a desktop does.
void BackToWindow(QWidget& w) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

QWidget* Focus(QWidget& w) {
    return QApplication::focusWidget() ? QApplication::focusWidget() : &w;
}

TEST(KeyboardWalk, ALayoutFromNameToProgrammedKeyboardByKeysAlone) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(
        QStringLiteral("vorlan_walk_test_%1").arg(QCoreApplication::applicationPid()));
    QSettings().clear();
    qputenv("VORLAN_DEVICE", "emulator:2");
    QStringList messages;
    SetMessageHandler([&](const MessageRequest& r) {
        messages << r.text;
        return MessageResult::Yes;
    });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("walk.txt"));
    SetFileDialogHandlers({}, [&](QWidget*, const SaveDialogRequest&) {
        return std::optional<SaveDialogAnswer>({path, 2});
    });

    MainDialog w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    KeyEditor& e = w.Editor();
    ASSERT_EQ(e.CurrentKey(), 1);

    // The name: Tab to the field, type it.
    auto* name = w.findChild<QLineEdit*>(QStringLiteral("keyName"));
    for (int i = 0; i < 40 && QApplication::focusWidget() != name; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w,
                        Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), name);
    QTest::keyClicks(name, QStringLiteral("Esc"));

    // The codes: Enter opens the capture; Escape is captured, then the
    // pause hands the keys to the buttons and Enter confirms.
    WhenModal([](QWidget* m) { return qobject_cast<CaptureScanCodesDialog*>(m) != nullptr; },
              [](QWidget* modal) {
                  auto* capture = qobject_cast<CaptureScanCodesDialog*>(modal);
                  Key(Qt::Key_Escape, 9);
                  QTest::qWaitFor([capture] { return !capture->Capturing(); },
                                  CaptureScanCodesDialog::kPauseAfterMs * 3);
                  Key(Qt::Key_Return, 36);
              });
    Key(Qt::Key_Return, 36);
    EXPECT_EQ(e.Document().keys[1].codes[0], 0x76u);
    BackToWindow(w);

    // A double key to the right.
    QTest::keyClick(Focus(w), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(e.Document().spans[1].kind, SpanKind::Double);

    // Settings through the File menu's letters: double keyboard, then Enter.
    WhenModal([](QWidget* m) { return Named(m, "KeyboardSettingsDialog"); },
              [](QWidget* settings) {
                  for (int i = 0; i < 10 && !Named(settings->focusWidget(), "singleButton"); ++i) {
                      QTest::keyClick(settings->focusWidget(), Qt::Key_Tab);
                  }
                  QTest::keyClick(settings->focusWidget(), Qt::Key_Down);
                  QTest::keyClick(settings->focusWidget(), Qt::Key_Return);
              });
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_T);
    EXPECT_EQ(e.Document().settings.keyCount, 112);
    BackToWindow(w);

    // Save: the layout has no file yet, so Save As asks for one.
    QTest::keyClick(Focus(w), Qt::Key_S, Qt::ControlModifier);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Esc"));
    EXPECT_FALSE(w.isWindowModified());

    // Programming (Alt+F, P) on the double keyboard; Escape puts the "done"
    // window away.
    bool done = false;
    messages.clear();
    WhenModal([](QWidget* m) { return Named(m, "ProgrammingDoneDialog"); },
              [&done](QWidget* modal) {
                  done = true;
                  QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                                  Qt::Key_Escape);
              });
    QTest::keyClick(&w, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
    QTest::qWaitFor([&] { return done; }, 30000);
    EXPECT_TRUE(done);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();

    SetFileDialogHandlers({}, {});
    SetMessageHandler({});
    qunsetenv("VORLAN_DEVICE");
    QSettings().clear();
}

} // namespace
} // namespace vorlan
