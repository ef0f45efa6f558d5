// The key test window driven as a user drives it, with the emulated keyboard
// typing key events.
#include "verify/ui/KeyTestView.h"

#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyImages.h"
#include "grid/ui/KeyNamePainter.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "testing/KeyTestLayout.h"
#include "testing/MainWindowFixture.h"
#include "testing/ProgrammingTestSupport.h"
#include "verify/KeyTestSession.h"
#include "verify/ProgrammingLog.h"
#include "verify/Sha256.h"
#include "verify/ui/KeyTestGrid.h"
#include "verify/ui/ProgrammingLogWindow.h"
#include "verify/ui/VerifyTools.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtMath>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace vorlan {
namespace {

using namespace test;

LayoutDocument TestLayout() {
    LayoutDocument doc;
    ProgramTestKeys(doc);
    return doc;
}

TEST(KeyTestViewTest, EmulatedKeyboardTypesEveryKeyIntoTheTest) {
    EmulatedKeyboard emulator(1);
    KeyTestView view(TestLayout(), &emulator, nullptr);
    view.show();
    EXPECT_EQ(view.Counter()->text(), QStringLiteral("0 of 6 keys tested"));
    for (int slot = 1; slot <= 6; ++slot) {
        view.ClickSlot(slot);
    }
    view.EndPendingSequence();
    EXPECT_TRUE(view.isVisible()) << "Escape and Alt+F4 were taken, not acted on";
    EXPECT_EQ(view.Counter()->text(), QStringLiteral("6 of 6 keys tested"));
    EXPECT_EQ(view.Lines()->count(), 0);

    // A key of the PC that is no key of the layout, while key 2 is expected.
    view.ClickSlot(2);
    QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, 45 + 8, 0, 0);
    QCoreApplication::sendEvent(&view, &x);
    view.EndPendingSequence();
    ASSERT_EQ(view.Lines()->count(), 1);
    EXPECT_EQ(view.Lines()->item(0)->text(), QStringLiteral("unknown: X"));
}

// A click expects that key alone: once the emulator has typed it, an unknown
// press is listed and marks no key; Reset clears the expected frame.
TEST(KeyTestViewTest, AnUnknownPressAfterAClickMarksNoKey) {
    EmulatedKeyboard emulator(1);
    KeyTestView view(TestLayout(), &emulator, nullptr);
    view.show();
    view.ClickSlot(1);
    view.EndPendingSequence();
    QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, 45 + 8, 0, 0);
    QCoreApplication::sendEvent(&view, &x);
    view.EndPendingSequence();
    ASSERT_EQ(view.Lines()->count(), 1);
    EXPECT_EQ(view.Lines()->item(0)->text(), QStringLiteral("unknown: X"));
    const KeyTestSession& session = view.Session();
    EXPECT_EQ(session.Result(0), KeyResult::Passed);
    for (int k = 1; k < session.KeyCount(); ++k) {
        EXPECT_EQ(session.Result(k), KeyResult::NotTested) << "key " << k;
    }
    EXPECT_EQ(session.Expected(), -1);

    view.findChild<QPushButton*>(QStringLiteral("keyTestReset"))->click();
    EXPECT_EQ(session.Expected(), -1);
    EXPECT_EQ(session.TestedCount(), 0);
}

TEST(KeyTestViewTest, KeyboardHoldingAnOlderImageShowsTheChangedKeyRed) {
    // The keyboard got the layout, then the layout changed in the editor.
    LayoutDocument doc = TestLayout();
    std::istringstream text(FormatLayout(doc, KeyboardVariant::SixteenScan));
    DeviceImage image;
    ASSERT_EQ(BuildDeviceImage(text, image), ImageOk);
    EmulatedKeyboard emulator(1);
    ASSERT_TRUE(emulator.Open());
    for (const std::uint8_t byte : image.bytes) {
        emulator.WriteImageByte(byte);
    }
    emulator.Close();
    Program(doc, 1, {0x32}); // now B
    Program(doc, 7, {0x1C}); // A moved here, and twice in the layout

    KeyTestView view(doc, &emulator, nullptr);
    const auto* warnings = view.findChild<QLabel*>(QStringLiteral("keyTestWarnings"));
    EXPECT_EQ(warnings, nullptr);
    view.ClickSlot(1);
    view.EndPendingSequence();
    // Key 1 sends A, which is key 7 now: key 7 is ticked, key 1 not.
    EXPECT_EQ(view.Session().Result(0), KeyResult::NotTested);
    EXPECT_EQ(view.Session().Result(6), KeyResult::Passed);
    view.ClickSlot(5);
    view.EndPendingSequence();
    EXPECT_EQ(view.Session().Result(4), KeyResult::Passed);

    const QTemporaryDir folder;
    const QString report = folder.filePath(QStringLiteral("report.json"));
    view.SetReportHeader("/layouts/shop.txt", "0123");
    ASSERT_TRUE(view.SaveReport(report));
    QFile file(report);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    EXPECT_TRUE(json.contains("\"layoutFile\": \"/layouts/shop.txt\""));
    EXPECT_TRUE(json.contains("\"imageSha256\": \"0123\""));
    EXPECT_TRUE(json.contains("\"tested\": 2"));
}

// The report never lands on a pipe or on the layout under test, and says why.
TEST(KeyTestViewTest, ReportRefusesAPipeAndTheLayout) {
    const QTemporaryDir folder;
    const QString layout = folder.filePath(QStringLiteral("shop.txt"));
    {
        QFile file(layout);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("layout");
    }
    const QString pipe = folder.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(0, ::mkfifo(QFile::encodeName(pipe).constData(), 0600));
    ASSERT_TRUE(QFile::link(layout, folder.filePath(QStringLiteral("link.txt"))));
    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    QStringList& messages = dialogs->messages;
    LayoutDocument doc = TestLayout();
    KeyTestView view(doc, nullptr, nullptr);
    SetDialogSeam(&view, dialogs);
    view.SetReportHeader(QFile::encodeName(layout).toStdString(), "0123");
    const QString link = folder.filePath(QStringLiteral("link.txt"));
    const std::vector<std::pair<QString, QString>> cases = {
        {pipe, pipe + QStringLiteral(" is not a plain file.")},
        {layout, layout + QStringLiteral(" is the layout being read.")},
        {link, link + QStringLiteral(" is the layout being read.")},
    };
    for (const auto& [target, message] : cases) {
        messages.clear();
        EXPECT_FALSE(view.SaveReport(target));
        EXPECT_EQ(QStringList{message}, messages);
    }
    QFile file(layout);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("layout"), file.readAll());
}

TEST(KeyTestViewTest, AmbiguousKeysAreListedBeforeTheTest) {
    LayoutDocument doc = TestLayout();
    Program(doc, 9, {0x14}); // the start of key 2
    KeyTestView view(doc, nullptr, nullptr);
    const auto* warnings = view.findChild<QLabel*>(QStringLiteral("keyTestWarnings"));
    ASSERT_NE(warnings, nullptr);
    EXPECT_EQ(warnings->text(),
              QStringLiteral("key 9 \"KEY9\" sends the start of key 2 \"KEY2\"."));
}

// Waits, letting events run, until the modal window of the given type is up.
template <typename Window> Window* WaitForModal() {
    for (int i = 0; i < 500; ++i) {
        if (auto* w = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            return w;
        }
        QTest::qWait(10);
    }
    return nullptr;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(KeyTestViewTest, TheReportDialogTakesANameTypedIntoIt) {
    const QTemporaryDir folder;
    LayoutDocument doc = TestLayout();
    // A layout name beyond ASCII: the proposal and the report name it as the
    // file system does.
    const QString layout = folder.filePath(QStringLiteral("été.txt"));
    doc.filePath = QFile::encodeName(layout).toStdString();
    KeyTestView view(doc, nullptr, nullptr);
    view.SetReportHeader(doc.filePath, "abc"); // as the Tools menu sets it
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    EXPECT_EQ(QWidget::keyboardGrabber(), &view) << "the test has the keyboard";

    QString proposed;
    const QWidget* grabberDuring = &view;
    QTimer::singleShot(0, [&] {
        auto* dialog = WaitForModal<QFileDialog>();
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        grabberDuring = QWidget::keyboardGrabber();
        // Typed as a keyboard types: into the dialog's window, not a widget.
        QWindow* window = dialog->windowHandle();
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        for (const char c : std::string("mine")) {
            QTest::keyClick(window, c);
        }
        QTest::keyClick(window, Qt::Key_Return);
    });
    view.SaveButton()->click();
    EXPECT_EQ(proposed, folder.filePath(QStringLiteral("été-key-test.txt")));
    EXPECT_EQ(grabberDuring, nullptr) << "the dialog has the keyboard";
    const QByteArray report = Contents(folder.filePath(QStringLiteral("mine.txt")));
    EXPECT_TRUE(report.startsWith("Key test\nLayout: " + layout.toUtf8() + "\n"))
        << report.toStdString();
    EXPECT_EQ(view.Lines()->count(), 0) << "nothing typed reached the test";
}

TEST(KeyTestViewTest, AReportIsNeverWrittenOverALayout) {
    const QTemporaryDir folder;
    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    QStringList& shown = dialogs->messages;
    KeyTestView view(TestLayout(), nullptr, nullptr);
    SetDialogSeam(&view, dialogs);
    struct Case {
        const char* name;
        QByteArray before;
        bool written;
    };
    for (const Case& c : std::vector<Case>{{"layout.txt", "56\r\n1; 28; 2;A\r\n", false},
                                           {"old-report.txt", "Key test\nold\n", true},
                                           {"new.json", QByteArray(), true}}) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        if (!c.before.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.before);
        }
        shown.clear();
        EXPECT_EQ(c.written, view.SaveReport(path)) << c.name;
        EXPECT_EQ(c.written, Contents(path) != c.before) << c.name;
        ASSERT_EQ(c.written ? 0 : 1, shown.size()) << c.name;
        if (!c.written) {
            EXPECT_TRUE(shown[0].contains(QStringLiteral("reads as a layout")));
        }
    }
}

TEST(KeyTestViewTest, AFullLayoutFullOfWarningsFitsTheScreenWithItsButtons) {
    LayoutDocument doc;
    doc.settings.keyCount = 112;
    for (int k = 1; k <= 112; ++k) {
        // Extended codes no key of a PC keyboard sends: each is warned about.
        Program(doc, k, {0xE0, k});
    }
    KeyTestView view(doc, nullptr, nullptr);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto* summary = view.findChild<QLabel*>(QStringLiteral("keyTestWarningsSummary"));
    ASSERT_NE(summary, nullptr);
    const int warned = view.findChild<QLabel*>(QStringLiteral("keyTestWarnings"))
                           ->text()
                           .count(QLatin1Char('\n')) +
                       1;
    EXPECT_GT(warned, 30);
    EXPECT_TRUE(summary->text().startsWith(QString::number(warned)))
        << summary->text().toStdString();
    const QRect room = view.screen()->availableGeometry();
    EXPECT_LE(view.frameGeometry().height(), room.height());
    EXPECT_LE(view.frameGeometry().width(), room.width());
    for (const QPushButton* button : {view.ResetButton(), view.SaveButton(), view.CloseButton()}) {
        EXPECT_TRUE(view.rect().contains(QRect(button->mapTo(&view, QPoint(0, 0)), button->size())))
            << button->text().toStdString();
    }
}

TEST(KeyTestViewTest, EscapeHeldDownClosesTheTestAndTapsAreTested) {
    // How Escape arrives over 2.2 s: held with repeats marked as such, held
    // with unmarked release and press pairs (as some X servers send them),
    // or tapped every 200 ms.
    enum class Way { MarkedRepeats, UnmarkedPairs, Taps };
    for (const Way way : {Way::MarkedRepeats, Way::UnmarkedPairs, Way::Taps}) {
        KeyTestView view(TestLayout(), nullptr, nullptr);
        view.show();
        const auto escape = [&view](QEvent::Type type, bool repeat) {
            QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier, 9, 0, 0, QString(), repeat);
            QCoreApplication::sendEvent(&view, &key);
        };
        escape(QEvent::KeyPress, false);
        QElapsedTimer held;
        held.start();
        while (held.elapsed() < 2200 && view.isVisible()) {
            const int pause = way == Way::Taps ? 200 : 40;
            if (way == Way::Taps) {
                escape(QEvent::KeyRelease, false);
            }
            QTest::qWait(pause);
            if (way == Way::UnmarkedPairs) {
                escape(QEvent::KeyRelease, false);
            }
            escape(QEvent::KeyPress, way == Way::MarkedRepeats);
        }
        EXPECT_EQ(way == Way::Taps, view.isVisible()) << static_cast<int>(way);
    }
    KeyTestView view(TestLayout(), nullptr, nullptr);
    EXPECT_NE(view.findChild<QLabel*>(QStringLiteral("keyTestWayOut")), nullptr);
}

TEST(KeyTestViewTest, GridNamesStayWholeOnTheirKeysFaces) {
    const QRect cell(KeyTestGrid::CellOrigin(1), KeyImageDrawnSize(KeyImage::Single));
    const QRect face = KeyNamePainter::FaceRect(cell, KeyImage::Single);
    const auto drawn = [](const std::string& name) {
        LayoutDocument doc;
        Program(doc, 1, {0x1C});
        doc.keys[1].name = name;
        KeyTestView view(doc, nullptr, nullptr);
        return view.Grid()->grab().toImage();
    };
    const QImage bare = drawn("");
    for (const std::string& name :
         {std::string("\xC4\xD6\xDC"), std::string("Caps with lock"), std::string(40, 'W')}) {
        const QImage named = drawn(name);
        ASSERT_EQ(named.size(), bare.size());
        QRect ink;
        for (int y = 0; y < named.height(); ++y) {
            for (int x = 0; x < named.width(); ++x) {
                if (named.pixel(x, y) != bare.pixel(x, y)) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(ink.isEmpty()) << name;
        // Inside the face and clear of its top and bottom rows: no glyph was
        // cut. The grab has the screen's pixels (1.5 a point at 150 %).
        const qreal dpr = named.devicePixelRatio();
        const QRectF inkPoints(ink.x() / dpr, ink.y() / dpr, ink.width() / dpr, ink.height() / dpr);
        EXPECT_TRUE(QRectF(face.adjusted(0, 1, 0, -1)).contains(inkPoints))
            << name << " at " << dpr;
    }
}

TEST(KeyTestViewTest, TheGridLeavesTheLineBelowItWhole) {
    LayoutDocument doc;
    doc.settings.keyCount = 112;
    for (int k = 1; k <= 112; ++k) {
        Program(doc, k, {0x1C});
        doc.keys[static_cast<std::size_t>(k)].name = "Caps with lock";
    }
    KeyTestView view(doc, nullptr, nullptr);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QWidget* grid = view.Grid();
    const auto* below = view.findChild<QLabel*>(QStringLiteral("keyTestLegend"));
    ASSERT_NE(below, nullptr);
    ASSERT_EQ(grid->parentWidget(), below->parentWidget());
    // The lowest cells end inside the grid ...
    const QRect lowest(KeyTestGrid::CellOrigin(112), KeyImageDrawnSize(KeyImage::Single));
    EXPECT_TRUE(grid->rect().contains(lowest));
    // ... and the grid ends above the line, in the screen's own pixels too.
    const qreal dpr = view.devicePixelRatioF();
    EXPECT_LE(qCeil((grid->geometry().bottom() + 1) * dpr), qFloor(below->geometry().top() * dpr))
        << "at " << dpr;
    EXPECT_GE(below->height(), below->heightForWidth(below->width()));
}

} // namespace
} // namespace vorlan
