// A layout set up, saved and programmed with key presses only, as someone who
// never touches the mouse would: the real main window and its real dialogs
// (capture, settings, file dialog, programming), with the keyboard emulated
// as `vorlan --emulate 1 --received FILE` sets it up. Each modal dialog is
// worked from a timer once it is up; a watchdog ends any dialog still open
// after a while and fails the test instead of leaving it waiting.
#include "app/AppOptions.h"
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"
#include "programming/KeyboardSelection.h"
#include "programming/ui/KeyboardSettingsDialog.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "scancodes/ui/KeystrokeCaptureEdit.h"
#include "testing/PrivateSettings.h"
#include "verify/ui/KeyTestView.h"
#include "verify/ui/VerifyTools.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

// Long enough for a loaded machine; a step that takes longer is stuck.
constexpr int kWatchdogMs = 30000;

// What a dialog left open says, so a failure names it.
QString Describe(QWidget* widget) {
    QStringList texts{QString::fromLatin1(widget->metaObject()->className()),
                      widget->windowTitle()};
    for (const QLabel* label : widget->findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts.join(QStringLiteral(" | "));
}

// Ends every modal dialog and popup, innermost first.
void CloseEverything() {
    for (int guard = 0; guard < 10; ++guard) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->done(QDialog::Rejected);
            } else {
                modal->close();
            }
        } else {
            return;
        }
    }
}

class KeyboardWalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UsePrivateSettings("walk");
        ASSERT_TRUE(dir.isValid());
        // The file dialog opens in the working folder: the test's own.
        keptCurrent = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // The real message boxes: one the walk does not expect stays open
        // until the watchdog names it.
        w = std::make_unique<MainDialog>(dir.filePath(QStringLiteral("vorlan")));
        // As the program starts with --emulate 1 --received FILE.
        const AppOptions options =
            ParseAppOptions({QStringLiteral("vorlan"), QStringLiteral("--emulate"),
                             QStringLiteral("1"), QStringLiteral("--received"), Received()},
                            dir.filePath(QStringLiteral("vorlan")));
        ASSERT_TRUE(options.error.isEmpty()) << options.error.toStdString();
        ASSERT_TRUE(options.emulatedKeyboard.has_value());
        KeyboardSelection emulated;
        emulated.kind = KeyboardSelection::Kind::Emulator;
        emulated.emulatedType = *options.emulatedKeyboard;
        emulated.receivedPath = ToPath(options.receivedPath);
        UseKeyboard(w.get(), emulated);
        // The run's log line goes to the test's folder, not the user's log.
        VerifyToolsOf(w.get())->SetLogPath(dir.filePath(QStringLiteral("programming.log")));

        w->move(0, 0);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == w.get(); }));
    }

    void TearDown() override {
        CloseEverything();
        w.reset();
        QDir::setCurrent(keptCurrent);
        QSettings().clear();
    }

    QString Received() const { return dir.filePath(QStringLiteral("received.bin")); }

    // Where a key press goes: an open popup, else the focused widget.
    static QWidget* Target(QWidget* fallback) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            return popup;
        }
        if (QWidget* focus = QApplication::focusWidget()) {
            return focus;
        }
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr ? modal : fallback;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Target(w.get()), static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }
    void Type(const QString& text) {
        QTest::keyClicks(Target(w.get()), text);
        QApplication::processEvents();
    }
    // A key as the keyboard reports it, with its X11 key code: the capture
    // takes the code, not Qt's key.
    static void PhysicalKey(QWidget* target, int qtKey, quint32 x11) {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, x11, 0, 0);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, x11, 0, 0);
        QApplication::sendEvent(target, &release);
    }

    // A held key's repeat, as the window system sends it.
    static void Repeat(QWidget* to, int key) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(to, &repeat);
    }

    // Tab until target has the focus, as a user walks a window; false when a
    // whole round of the window never reached it.
    bool TabTo(QWidget* target) {
        for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i) {
            Key(Qt::Key_Tab);
        }
        return QApplication::focusWidget() == target;
    }

    // Works a modal dialog of type T from a timer once it is up: open() gives
    // the key press that brings it (and may return before it shows), work()
    // presses the keys in it and must close it. Fails, and ends every dialog,
    // when that has not happened within the watchdog's time. True when the
    // dialog came and went.
    template <typename T>
    bool WithDialog(const char* what, const std::function<void()>& open,
                    const std::function<void(T*)>& work) {
        bool worked = false;
        QPointer<T> seen; // a dialog on the stack is gone once it has closed
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            // A popup menu is no modal window, but it holds the keys.
            auto* dialog = qobject_cast<T*>(QApplication::activePopupWidget());
            if (dialog == nullptr) {
                dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            }
            if (dialog == nullptr || !dialog->isVisible()) {
                return;
            }
            poll.stop();
            seen = dialog;
            // Keys go to the focus widget: on a loaded machine a dialog shows
            // before it has the focus, and Enter reached the window behind it.
            if (QApplication::activePopupWidget() != dialog) {
                EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << what;
            }
            work(dialog);
            worked = true;
            if (::testing::Test::HasFatalFailure()) {
                CloseEverything(); // a step failed: nothing waits for the watchdog
            }
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool stuck = false;
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            stuck = true;
            QWidget* left = QApplication::activeModalWidget();
            ADD_FAILURE() << what << ": still waiting after " << kWatchdogMs << " ms; open: "
                          << (left != nullptr ? Describe(left).toStdString() : "nothing");
            CloseEverything();
        });
        poll.start();
        watchdog.start(kWatchdogMs);
        open();
        // The checks below tell what did not happen.
        static_cast<void>(QTest::qWaitFor(
            [&] { return stuck || (worked && (seen == nullptr || !seen->isVisible())); },
            kWatchdogMs + 1000));
        poll.stop();
        watchdog.stop();
        // A window manager gives the activation back to a window when a
        // dialog closes; the offscreen platform leaves none active. What the
        // dialog's close started (the next run's window) shows first.
        QApplication::processEvents();
        if (QApplication::activeModalWidget() == nullptr &&
            QApplication::activeWindow() == nullptr) {
            QWidget* next = w.get();
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top != w.get() && top->isVisible() && qobject_cast<QDialog*>(top) != nullptr) {
                    next = top;
                }
            }
            next->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(next)) << Describe(next).toStdString();
        }
        EXPECT_TRUE(worked) << what << " never opened";
        EXPECT_TRUE(seen == nullptr || !seen->isVisible()) << what << " stayed open";
        return worked && !stuck && (seen == nullptr || !seen->isVisible());
    }

    // Enter on the selected key, one physical key captured, and once the
    // capture pauses Enter presses OK.
    bool CaptureKey(int qtKey, quint32 x11) {
        return WithDialog<CaptureScanCodesDialog>(
            "capture dialog", [this] { Key(Qt::Key_Return); },
            [this, qtKey, x11](CaptureScanCodesDialog* capture) {
                ASSERT_TRUE(capture->Capturing());
                PhysicalKey(capture->captureEdit(), qtKey, x11);
                ASSERT_TRUE(QTest::qWaitFor([capture] { return !capture->Capturing(); },
                                            CaptureScanCodesDialog::kPauseAfterMs * 5));
                Key(Qt::Key_Return); // OK has the focus after the pause
            });
    }

    void NameSelectedKey(const QString& name) {
        auto* field = w->findChild<QLineEdit*>(QStringLiteral("keyName"));
        ASSERT_NE(field, nullptr);
        ASSERT_TRUE(TabTo(field));
        Key(Qt::Key_A, Qt::ControlModifier);
        Type(name);
    }

    // A key as a typist or a reader of codes types it, with its own key code
    // and the window system's times: each goes where Qt sends it, to an open
    // popup (the completer's list), else to the focused widget, and the
    // override to the focused widget first. gapMs from press to press, the
    // key held half of that. True when a popup took a key on the way.
    bool TypeTimed(const QString& text, ulong gapMs) {
        bool popupSeen = false;
        for (const QChar c : text) {
            const int key = c.isLetter() ? Qt::Key_A + (c.toLower().unicode() - 'a')
                                         : static_cast<int>(c.unicode());
            const quint32 code = 10 + c.unicode(); // one code per key, as X11 has it
            const auto send = [&](QEvent::Type type, ulong at) {
                QKeyEvent event(type, key, Qt::NoModifier, code, c.unicode(), 0, QString(c));
                event.setTimestamp(at);
                QWidget* to = QApplication::focusWidget();
                if (QWidget* popup = QApplication::activePopupWidget();
                    type != QEvent::ShortcutOverride && popup != nullptr) {
                    popupSeen = true;
                    to = popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
                }
                if (to != nullptr) {
                    QApplication::sendEvent(to, &event);
                }
            };
            send(QEvent::ShortcutOverride, typedAt);
            send(QEvent::KeyPress, typedAt);
            QApplication::processEvents();
            send(QEvent::KeyRelease, typedAt + gapMs / 2);
            QApplication::processEvents();
            typedAt += gapMs;
            QTest::qWait(static_cast<int>(std::min<ulong>(gapMs, 20)));
        }
        return popupSeen;
    }

    // Opens the File menu with Alt+F and picks an entry by its letter.
    // The menu bar's shortcut needs an active window, which a closed popup
    // gives back later than its close on a busy machine.
    void FileMenu(char letter) {
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == w.get(); }));
        Key(Qt::Key_F, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        Type(QString(QLatin1Char(letter)));
    }

    QTemporaryDir dir;
    QString keptCurrent;
    std::unique_ptr<MainDialog> w;
    ulong typedAt = 100000;
};

TEST_F(KeyboardWalkTest, NameCodesDoubleAndQuadKeysSettingsSaveAndProgramByKeysAlone) {
    KeyEditor& editor = w->Editor();
    ASSERT_EQ(editor.CurrentKey(), 1);

    // Key 1: a name, the codes of the A key, then a double key to the right.
    NameSelectedKey(QStringLiteral("Walk"));
    ASSERT_TRUE(CaptureKey(Qt::Key_A, 38));
    Key(Qt::Key_2, Qt::ControlModifier);

    // Two rows down: the B key as a quad key.
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    const int quad = 1 + 2 * kBlockColumns;
    ASSERT_EQ(editor.CurrentKey(), quad);
    ASSERT_TRUE(CaptureKey(Qt::Key_B, 56));
    NameSelectedKey(QStringLiteral("Quad"));
    Key(Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(editor.Document().spans[quad].kind, SpanKind::Quad);

    // The menu key opens the popup at the selected key, Escape closes it.
    ASSERT_TRUE(WithDialog<QMenu>(
        "key popup", [this] { Key(Qt::Key_Menu); },
        [this, quad](QMenu* popup) {
            EXPECT_EQ(popup, w->PopupMenu());
            const QRect cell(w->Grid()->mapToGlobal(KeyGridWidget::CanvasCellOrigin(quad)),
                             QSize(kCellPitch, kCellPitch));
            EXPECT_TRUE(cell.contains(popup->pos())) << popup->pos().x() << "," << popup->pos().y();
            Key(Qt::Key_Escape);
        }));
    EXPECT_EQ(editor.CurrentKey(), quad);

    // File > Settings: a keys pause of 7 ms, typematic keys at the fastest
    // rate (the slider comes on with the typematic choice).
    ASSERT_TRUE(WithDialog<KeyboardSettingsDialog>(
        "settings", [this] { FileMenu('t'); },
        [this](KeyboardSettingsDialog* settings) {
            ASSERT_TRUE(TabTo(settings->KeysPauseEdit()));
            Key(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("7"));
            ASSERT_TRUE(TabTo(settings->MakeBreakButton()));
            Key(Qt::Key_Down);
            ASSERT_TRUE(settings->TypematicButton()->isChecked());
            ASSERT_TRUE(TabTo(settings->RateSlider()));
            const int rate = settings->RateSlider()->value();
            Key(Qt::Key_Left);
            EXPECT_EQ(settings->RateSlider()->value(), rate - 1);
            Key(Qt::Key_Home);
            Key(Qt::Key_Return);
        }));

    // Save: no file yet, so the file dialog asks for a name.
    const QString path = dir.filePath(QStringLiteral("walk.txt"));
    ASSERT_TRUE(WithDialog<QFileDialog>(
        "save dialog", [this] { Key(Qt::Key_S, Qt::ControlModifier); },
        [this](QFileDialog* save) {
            ASSERT_TRUE(TabTo(save->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))));
            Type(QStringLiteral("walk.txt"));
            Key(Qt::Key_Return);
        }));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(w->isWindowModified());

    // File > Programming; in the window after the run Enter programs the next
    // keyboard, and after that one Escape closes it.
    ProgrammingDialog* programming = ProgrammingDialogOf(w.get());
    ASSERT_NE(programming, nullptr);
    QSignalSpy finished(programming, &ProgrammingDialog::RunFinished);
    const auto doneThen = [this](int key) {
        return [this, key](QDialog* done) {
            EXPECT_EQ(done->objectName(), QStringLiteral("ProgrammingDoneDialog"))
                << Describe(done).toStdString();
            Key(key);
        };
    };
    ASSERT_TRUE(WithDialog<QDialog>(
        "first run", [this] { FileMenu('p'); }, doneThen(Qt::Key_Return)));
    ASSERT_TRUE(WithDialog<QDialog>(
        "next keyboard", [] {}, doneThen(Qt::Key_Escape)));
    ASSERT_EQ(finished.count(), 2);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    EXPECT_EQ(finished.at(1).at(0).toInt(), 0);
    EXPECT_TRUE(w->isEnabled());

    // The file holds what was typed.
    LayoutDocument saved;
    saved.ResetToNew();
    saved.filePath = path.toStdString();
    ASSERT_TRUE(ReadLayout(saved));
    saved.RebuildAfterLoad();
    EXPECT_EQ(saved.keys[1].name, "Walk");
    EXPECT_EQ(saved.keys[1].codes[0], 0x1Cu);
    EXPECT_EQ(saved.keys[2].codes[0], 0x1Cu);
    EXPECT_EQ(saved.spans[1].kind, SpanKind::Double);
    EXPECT_EQ(saved.keys[quad].name, "Quad");
    EXPECT_EQ(saved.keys[quad].codes[0], 0x32u);
    EXPECT_EQ(saved.spans[quad].kind, SpanKind::Quad);
    EXPECT_EQ(saved.settings.keysPause, 7);
    EXPECT_EQ(saved.settings.keysType, 1);
    EXPECT_EQ(saved.settings.typematicRate, 0);

    // The keyboard received the image of that file, byte for byte, each time.
    std::ifstream in(path.toStdString());
    DeviceImage image;
    ASSERT_EQ(BuildDeviceImage(in, image), ImageOk);
    QFile received(Received());
    ASSERT_TRUE(received.open(QIODevice::ReadOnly));
    const QByteArray bytes = received.readAll();
    // Both runs' bytes, as the emulated keyboard got them one after the other.
    std::vector<std::uint8_t> twice = image.bytes;
    twice.insert(twice.end(), image.bytes.begin(), image.bytes.end());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), twice);
}

TEST_F(KeyboardWalkTest, EscapeHeldToLeaveTheKeyTestLeavesTheWindowOpen) {
    VerifyToolsOf(w.get())->runKeyTest = [](KeyTestView& view) {
        view.SetHoldToCloseMs(60);
        view.exec();
    };
    ASSERT_TRUE(WithDialog<KeyTestView>(
        "key test", [this] { Key(Qt::Key_T, Qt::ControlModifier); },
        [this](KeyTestView* test) {
            QTest::keyPress(test, Qt::Key_Escape);
            while (test->isVisible()) {
                QTest::qWait(10);
                Repeat(test, Qt::Key_Escape);
            }
        }));
    Repeat(Target(w.get()), Qt::Key_Escape); // still held: its repeats and release reach the window
    for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent unmarked(type, Qt::Key_Escape, Qt::NoModifier); // as X11 may repeat it
        unmarked.setTimestamp(5000);
        QApplication::sendEvent(Target(w.get()), &unmarked);
    }
    QTest::keyRelease(Target(w.get()), Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    Key(Qt::Key_Escape); // pressed anew, it is the window's key
    EXPECT_FALSE(w->isVisible());
}

// Right walks the menu bar from File to the last menu, Left back; Escape
// closes the menu only. The grid's selection never moves.
TEST_F(KeyboardWalkTest, ArrowsInAnOpenMenuWalkTheMenuBar) {
    QList<QMenu*> menus;
    for (const QAction* entry : w->menuBar()->actions()) {
        menus << entry->menu();
    }
    menus.removeAll(nullptr); // the bar's first entry has no menu
    Key(Qt::Key_F, Qt::AltModifier);
    Key(Qt::Key_Down);
    for (qsizetype i = 1; i < menus.size(); ++i) {
        Key(Qt::Key_Right);
        EXPECT_EQ(QApplication::activePopupWidget(), menus[i]) << i;
    }
    Key(Qt::Key_Left);
    EXPECT_EQ(QApplication::activePopupWidget(), menus[menus.size() - 2]);
    Key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Editor().CurrentKey(), 1);
}

// The grid has the keys at start and after New; Tab leads to the key name,
// Alt+N back to it; a code field says where codes go; Enter in a question
// that throws work away answers No.
TEST_F(KeyboardWalkTest, TheWayToTheKeyNameAndSafeAnswers) {
    QWidget* name = w->findChild<QLineEdit*>(QStringLiteral("keyName"));
    EXPECT_EQ(QApplication::focusWidget(), w->Grid());
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), name);
    Key(Qt::Key_Tab);
    Type(QStringLiteral("7"));
    EXPECT_TRUE(QToolTip::text().startsWith(QStringLiteral("Codes are entered in the capture")));
    Key(Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), name);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), w->Grid());
    ASSERT_TRUE(CaptureKey(Qt::Key_A, 38));
    ASSERT_TRUE(WithDialog<QMessageBox>(
        "clear question", [this] { Key(Qt::Key_Delete); },
        [this](QMessageBox*) { Key(Qt::Key_Return); }));
    EXPECT_EQ(w->Editor().Document().keys[1].codes[0], 0x1Cu);
}

// However the capture dialog opens, its pause counts from the opening and
// the key that opened it is not captured: waiting alone lets Escape cancel.
TEST_F(KeyboardWalkTest, TheCapturePauseCountsFromTheOpeningWhateverOpenedIt) {
    const QPoint cell = KeyGridWidget::CanvasCellOrigin(1) + QPoint(5, 5);
    const std::function<void()> openers[] = {
        [this] { Key(Qt::Key_Return); },
        [this, cell] { QTest::mouseDClick(w->Grid(), Qt::LeftButton, {}, cell); },
        [this] {
            QTimer::singleShot(0, [this] { // in the popup: "Insert key"
                Key(Qt::Key_Down);
                Key(Qt::Key_Return);
            });
            Key(Qt::Key_Menu);
        }};
    for (const auto& open : openers) {
        ASSERT_TRUE(WithDialog<CaptureScanCodesDialog>(
            "capture", open, [this](CaptureScanCodesDialog* capture) {
                QTest::keyRelease(Target(w.get()), Qt::Key_Return); // the opening key let go
                EXPECT_EQ(capture->CountdownLabel()->text().toStdString(),
                          "Capturing pauses in 3 s.");
                capture->SetPauseAfterMs(20);
                EXPECT_TRUE(QTest::qWaitFor([capture] { return !capture->Capturing(); }));
                Key(Qt::Key_Escape);
                capture->SetPauseAfterMs(CaptureScanCodesDialog::kPauseAfterMs);
            }));
        EXPECT_EQ(w->Editor().Document().keys[1].codes[0], 0u);
    }
}

// A path typed into File > Open's name at 8 ms a key, as rolled keys or a
// reader of codes type it, and at a person's pace: the completer's list opens
// on the way and takes keys, and every letter arrives, doubled ones too.
TEST_F(KeyboardWalkTest, APathTypedFastIntoFileOpenArrivesWhole) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("acc-bg2tnoq4")));
    const QString folder = dir.filePath(QStringLiteral("acc-bg2tnoq4"));
    LayoutDocument layout;
    layout.keys[1].name = "Typed";
    layout.keys[1].codes[0] = 0x1C;
    for (const char* name : {"in014.txt", "in015.txt", "inner.txt", "index.txt"}) {
        layout.filePath = ToPath(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(WriteLayout(layout, KeyboardVariant::SixteenScan).FileWritten());
    }
    const QString path = folder + QStringLiteral("/in014.txt");
    for (const ulong gapMs : {8ul, 150ul}) {
        SCOPED_TRACE(gapMs);
        bool popupSeen = false;
        ASSERT_TRUE(WithDialog<QFileDialog>(
            "open dialog", [this] { Key(Qt::Key_O, Qt::ControlModifier); },
            [&](QFileDialog* open) {
                auto* name = open->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_TRUE(TabTo(name));
                Key(Qt::Key_A, Qt::ControlModifier);
                popupSeen = TypeTimed(path, gapMs);
                EXPECT_EQ(name->text().toStdString(), path.toStdString());
                if (QApplication::activePopupWidget() != nullptr) {
                    Key(Qt::Key_Escape); // the list closes, the dialog stays
                }
                // A lost letter names no file: the dialog is left, not asked about it.
                Key(name->text() == path ? Qt::Key_Return : Qt::Key_Escape);
            }));
        EXPECT_TRUE(popupSeen) << "the completer's list never opened";
        EXPECT_EQ(QString::fromStdString(w->Editor().Document().filePath),
                  QDir::toNativeSeparators(path));
    }
}

} // namespace
} // namespace vorlan
