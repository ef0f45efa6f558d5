// The main window's wiring: start state, menus, status panes, title, the grid
// canvas, keys that belong to the window, the key panel's fields, the file
// dialogs and the recent-file block. The editor's rules are tested in the core.
#include "app/MainDialog.h"

#include "app/GridViewActions.h"
#include "app/MainWindowHooks.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "keyboards/ui/PcLayoutMenu.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class MainDialogTest : public test::MainWindowTest {
protected:
    template <typename T> T* Child(MainDialog& w, const char* name) {
        T* child = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(nullptr, child) << name;
        return child;
    }

    static void SendKey(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

    // Types characters QTest's key tables do not know (anything beyond ASCII).
    static void TypeText(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }

    static QRgb CanvasAt(MainDialog& w, int slot, int dx, int dy) {
        const QImage& canvas = w.Grid()->Canvas();
        const QPoint o = KeyGridWidget::CanvasCellOrigin(slot) + QPoint(dx, dy);
        const qreal r = canvas.devicePixelRatio();
        return canvas.pixel(qRound(o.x() * r), qRound(o.y() * r)) & 0xFFFFFFu;
    }

    QStringList& openPaths = dialogs->openPaths;
    QString& savePath = dialogs->savePath;
    std::vector<SaveDialogRequest>& saveRequests = dialogs->saveRequests;
};

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) {
        list << QString::fromUtf8(t);
    }
    return list;
}

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) {
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return texts;
}

TEST_F(MainDialogTest, StartsUntitledWithKeyOneAndTheRfidDefaults) {
    MainDialog w(dialogs);
    EXPECT_EQ(QStringLiteral("Vorlan - keyboard programmer  -  [untitled[*]]"), w.windowTitle());
    EXPECT_EQ(QStringLiteral("KEY1"), Child<QLineEdit>(w, "keyName")->text());
    EXPECT_EQ(QStringLiteral("1"), Child<QLineEdit>(w, "keyNumber")->text());
    EXPECT_EQ(56, w.Editor().Document().settings.keyCount);
    auto* digits = Child<QSpinBox>(w, "digitsCount");
    EXPECT_EQ(9, digits->value());
    EXPECT_TRUE(Child<QCheckBox>(w, "digitsTypeNum")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(w, "groupKey")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>(w, "keyNumber")->isReadOnly());
    EXPECT_TRUE(Child<QLineEdit>(w, "code1000")->isReadOnly());
    EXPECT_EQ(0, Child<QComboBox>(w, "programmedKeys")->count());

    // The digit count takes no typing.
    digits->setFocus();
    QTest::keyClicks(digits, QStringLiteral("5"));
    EXPECT_EQ(9, digits->value());

    const char* panes[] = {"Keyboard type: Vorlan S (SN)",
                           "Keys type: Make-Break SCAN",
                           "Keys beep: Off",
                           "Keys delay: 2",
                           "Keys rate: 11",
                           "Number: ----",
                           "Name: ----"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(QString::fromLatin1(panes[i]), w.StatusPaneText(i)) << i;
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainDialogTest, MenusHaveTheirTextsInOrder) {
    MainDialog w(dialogs);
    QStringList bar;
    for (const QAction* a : w.menuBar()->actions()) {
        bar << a->text();
    }
    EXPECT_EQ(
        QStringList({QString(), QStringLiteral("&File"), QStringLiteral("&Edit"),
                     QStringLiteral("&View"), QStringLiteral("&Tools"), QStringLiteral("&Help")}),
        bar);
    // No recent files in an empty store: no block and no extra separator.
    EXPECT_EQ(Texts({"&New...", "&Open...", "&Save", "Save &As...", "Compare &with...",
                     "&Import key list...", "Export &key list...", "-", "&Programming...", "-",
                     "Print &legends...", "Print layout s&heet...", "&Export", "-", "Se&ttings...",
                     "-", "E&xit"}),
              MenuTexts(w.FileMenu()));
    EXPECT_EQ(Texts({"&Undo",      "&Redo",        "-",          "Cu&t",
                     "&Copy",      "&Paste",       "&Delete",    "-",
                     "Insert key", "Copy key",     "Single",     "Double",
                     "Quad",       "Clear Key",    "Clear All",  "Key &menu",
                     "-",          "&Find key...", "Find &next", "Find pre&vious"}),
              MenuTexts(w.EditMenu()));
    const QMenu* tools = w.menuBar()->actions().at(4)->menu();
    EXPECT_EQ(Texts({"&Test keyboard...", "Programming &log", "Program a &batch...",
                     "&Join a batch...", "Batch &report...", "Rec&ords..."}),
              MenuTexts(tools));
    const QMenu* help = w.menuBar()->actions().at(5)->menu();
    EXPECT_EQ(Texts({"&Content", "-", "&About"}), MenuTexts(help));
    const QStringList popup = MenuTexts(w.PopupMenu());
    EXPECT_EQ(Texts({"Insert key", "Copy key", "-", "Single", "Double", "Quad", "-", "Clear Key",
                     "Clear All"}),
              popup);
    const QMenu* doubleMenu = w.PopupMenu()->actions().at(4)->menu();
    EXPECT_EQ(Texts({"to Right", "to Down"}), MenuTexts(doubleMenu));
}

TEST_F(MainDialogTest, CanvasShowsEmptySelectedJoinedAndUnavailableCells) {
    MainDialog w(dialogs);
    constexpr QRgb blueFace = 0x103D76, redFace = 0xFF5F49, grey = 0x808080;
    constexpr QRgb yellow = 0xFFFF00, blueDark = 0x000080;
    EXPECT_EQ(blueFace, CanvasAt(w, 1, 17, 17)); // selected empty cell keeps its face
    EXPECT_EQ(yellow, CanvasAt(w, 1, 17, 2));
    EXPECT_EQ(blueFace, CanvasAt(w, 2, 17, 17));
    EXPECT_EQ(blueDark, CanvasAt(w, 2, 17, 31));
    EXPECT_EQ(grey, CanvasAt(w, 57, 17, 17));
    EXPECT_EQ(grey, CanvasAt(w, 112, 17, 17));

    // Key 10 becomes a key and is joined to the right: one wide image.
    KeyEditor& e = w.Editor();
    e.Document().keys[10].codes[0] = 28;
    e.Document().MakeSlotSingle(10);
    const QPoint p = QPoint(9, 90) + KeyGridWidget::CanvasCellOrigin(10) + QPoint(5, 5);
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, p - QPoint(9, 90));
    EXPECT_EQ(10, e.CurrentKey());
    e.OnDoubleRight();
    // The selection frame surrounds the whole key, the partner's cell too.
    constexpr QRgb olive = 0xB6B462;
    EXPECT_EQ(yellow, CanvasAt(w, 10, 17, 2));
    EXPECT_EQ(yellow, CanvasAt(w, 11, 17, 2));
    EXPECT_EQ(redFace, CanvasAt(w, 11, 0, 17)); // the seam lies inside one face
    EXPECT_EQ(olive, CanvasAt(w, 11, 30, 17));
    SendKey(&w, Qt::Key_Down); // selection leaves: the whole key is drawn unmarked
    EXPECT_EQ(redFace, CanvasAt(w, 10, 17, 2 + 10));
    EXPECT_EQ(redFace, CanvasAt(w, 10, 17, 17));
    EXPECT_NE(yellow, CanvasAt(w, 10, 17, 2));
}

TEST_F(MainDialogTest, ArrowsAndEnterGoToTheGridWhileTheNameFieldHasFocus) {
    MainDialog w(dialogs);
    int captures = 0;
    w.Hooks().runCaptureDialog = [&](QWidget*, const KeyCodes&,
                                     const std::array<std::string, kCodesPerKey>&,
                                     const CodeNaming&) {
        ++captures;
        return CaptureResult{};
    };
    w.show();
    auto* name = Child<QLineEdit>(w, "keyName");
    name->setFocus();
    name->setCursorPosition(2);
    SendKey(name, Qt::Key_Right);
    EXPECT_EQ(2, w.Editor().CurrentKey());
    EXPECT_EQ(QStringLiteral("KEY2"), name->text());
    SendKey(name, Qt::Key_Down);
    EXPECT_EQ(10, w.Editor().CurrentKey());
    SendKey(name, Qt::Key_Left);
    SendKey(name, Qt::Key_Up);
    EXPECT_EQ(1, w.Editor().CurrentKey());
    // Enter starts the key edit and never closes the window.
    SendKey(name, Qt::Key_Return);
    SendKey(Child<QPushButton>(w, "nextButton"), Qt::Key_Enter);
    EXPECT_EQ(2, captures);
    EXPECT_TRUE(w.isVisible());
    // Other keys reach the field.
    QTest::keyClicks(name, QStringLiteral("x"));
    EXPECT_TRUE(name->text().contains(QLatin1Char('x')));
}

TEST_F(MainDialogTest, EscapeAsksToSaveAChangedLayoutAndCloses) {
    MainDialog w(dialogs);
    w.show();
    auto* name = Child<QLineEdit>(w, "keyName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Z"));
    EXPECT_TRUE(w.Editor().Document().dirty);
    dialogs->reply = MessageResult::No;
    SendKey(name, Qt::Key_Escape);
    EXPECT_EQ(QStringList({QStringLiteral("Do you want to save current file?")}), messages);
    EXPECT_FALSE(w.isVisible());

    // An unchanged layout closes without a question.
    messages.clear();
    MainDialog clean(dialogs);
    clean.show();
    clean.close();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(clean.isVisible());

    // Yes, and the layout's file cannot be written: the window stays open
    // with the layout, so nothing is lost.
    messages.clear();
    QTemporaryDir dir;
    MainDialog stuck(dialogs);
    stuck.show();
    auto* stuckName = Child<QLineEdit>(stuck, "keyName");
    stuckName->setFocus();
    QTest::keyClicks(stuckName, QStringLiteral("Q"));
    stuck.Editor().Document().filePath = dir.filePath(QStringLiteral("gone/x.txt")).toStdString();
    dialogs->reply = MessageResult::Yes;
    SendKey(stuckName, Qt::Key_Escape);
    EXPECT_EQ(QStringList({QStringLiteral("Do you want to save current file?"),
                           QStringLiteral("The folder %1 does not exist.")
                               .arg(QDir::cleanPath(dir.filePath(QStringLiteral("gone"))))}),
              messages);
    EXPECT_TRUE(stuck.isVisible());
    EXPECT_TRUE(stuck.Editor().Document().dirty);
    EXPECT_EQ(QStringLiteral("KEY1Q"), stuckName->text());
}

TEST_F(MainDialogTest, PointerOverTheGridFillsTheNumberAndNamePanes) {
    MainDialog w(dialogs);
    QMouseEvent over(QEvent::MouseMove, QPointF(34 + 5, 34 + 5), QPointF(), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.Grid(), &over);
    EXPECT_EQ(QStringLiteral("Number: 10"), w.StatusPaneText(5));
    EXPECT_EQ(QStringLiteral("Name: KEY10"), w.StatusPaneText(6));
    // Block 1 of a 56-key layout is not reachable.
    QMouseEvent right(QEvent::MouseMove, QPointF(8 * 34 + 5, 5), QPointF(), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.Grid(), &right);
    EXPECT_EQ(QStringLiteral("Number: ----"), w.StatusPaneText(5));
    EXPECT_EQ(QStringLiteral("Name: ----"), w.StatusPaneText(6));
}

TEST_F(MainDialogTest, NamesAreLatin1BytesOfAtMost99Characters) {
    MainDialog w(dialogs);
    auto* name = Child<QLineEdit>(w, "keyName");
    name->setFocus();
    name->selectAll();
    TypeText(name, QString::fromUtf8("F\xC3\xA9"));    // "Fé"
    TypeText(name, QString::fromUtf8("\xE2\x82\xAC")); // the euro sign is refused
    EXPECT_EQ(std::string("F\xE9"), w.Editor().Document().keys[1].name.str());
    EXPECT_EQ(QString::fromUtf8("F\xC3\xA9"), name->text());
    QTest::keyClicks(name, QString(120, QLatin1Char('a')));
    EXPECT_EQ(99, name->text().size());
    EXPECT_EQ(99u, w.Editor().Document().keys[1].name.str().size());
}

TEST_F(MainDialogTest, PrefixOutOfRangeIsRefusedOnceUntilChanged) {
    MainDialog w(dialogs);
    auto* prefix = Child<QLineEdit>(w, "prefixEdit");
    prefix->setFocus();
    prefix->selectAll();
    QTest::keyClicks(prefix, QStringLiteral("300"));
    EXPECT_TRUE(w.Editor().Document().dirty);
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(QStringList({QStringLiteral("Please enter an integer between 0 and 255.")}),
              messages);
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, QPoint(80, 5));
    EXPECT_EQ(1, messages.size());
    prefix->selectAll();
    QTest::keyClicks(prefix, QStringLiteral("200"));
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(1, messages.size());
    EXPECT_EQ(200, w.Editor().Document().rfid.prefix);
}

TEST_F(MainDialogTest, SaveAsOffersTheTypeListAndReopensTheWrittenFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainDialog w(dialogs);
    w.Editor().Document().keys[1].codes[0] = 28;
    w.Editor().Document().MakeSlotSingle(1);
    // A name beyond ASCII survives the way through the core and back.
    savePath = dir.filePath(QString::fromUtf8("L\xC3\xA4yout & keys.txt"));
    dialogs->saveType = 2;
    Child<QAction>(w, "actionSaveAs")->trigger();
    ASSERT_EQ(1u, saveRequests.size());
    EXPECT_EQ(Texts({"Vorlan 7/3scan", "Vorlan 16scan"}), saveRequests[0].typeNames);
    EXPECT_EQ(2, saveRequests[0].preselectedType);
    EXPECT_EQ(QStringLiteral("txt"), saveRequests[0].defaultSuffix);
    EXPECT_TRUE(QFile::exists(savePath));
    EXPECT_EQ(QStringLiteral("Vorlan - keyboard programmer  -  [%1[*]]").arg(savePath),
              w.windowTitle());
    EXPECT_EQ(QStringLiteral("KEY1 *"), Child<QComboBox>(w, "programmedKeys")->itemText(0));
    const QStringList menu = MenuTexts(w.FileMenu());
    EXPECT_EQ(QStringLiteral("&1 ") +
                  QString(savePath).replace(QLatin1Char('&'), QStringLiteral("&&")),
              menu.at(menu.size() - 3));

    // A 112-key layout is offered all four types.
    w.Editor().Document().settings.keyCount = 112;
    savePath.clear();
    Child<QAction>(w, "actionSaveAs")->trigger();
    ASSERT_EQ(2u, saveRequests.size());
    EXPECT_EQ(4, saveRequests[1].typeNames.size());
}

// File > Import key list... writes the layout file of a product list and opens
// it; wrong rows are shown by row and column and nothing is written; Export
// key list... writes the list back, in the View menu's PC layout.
TEST_F(MainDialogTest, KeyListsAreImportedAndExportedInThePcLayout) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainDialog w(dialogs);
    w.ViewActions().PcLayouts().Entry("fr")->trigger();
    const QString wrong = dir.filePath(QStringLiteral("wrong.csv"));
    {
        QFile f(wrong);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("key;name;text\n1;Bread;\xE2\x98\x83\n");
    }
    const QString list = dir.filePath(QStringLiteral("products.csv"));
    {
        QFile f(list);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\xEF\xBB\xBFkey;name;text\r\n3;Baguette;158{Enter}\r\n");
    }
    dialogs->reply = MessageResult::Yes; // digits from the number pad
    openPaths = {wrong, list};
    dialogs->saveName = dir.filePath(QStringLiteral("products.txt"));
    Child<QAction>(w, "actionImportKeyList")->trigger();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].contains(QString::fromUtf8(
        "row 2, column C (text): \"\xE2\x98\x83\" cannot be typed on a French PC keyboard")))
        << messages[1].toStdString();
    EXPECT_FALSE(QFile::exists(dialogs->saveName));

    Child<QAction>(w, "actionImportKeyList")->trigger();
    ASSERT_TRUE(QFile::exists(dialogs->saveName));
    const LayoutDocument& doc = w.Editor().Document();
    EXPECT_EQ(doc.filePath, dialogs->saveName.toStdString());
    const KeyCodes expected = {0x69, 0x73, 0x75, 0x5A};
    EXPECT_EQ(doc.keys[3].codes, expected);
    EXPECT_EQ(doc.keys[3].name, std::string_view("Baguette"));

    dialogs->saveName = dir.filePath(QStringLiteral("back.csv"));
    Child<QAction>(w, "actionExportKeyList")->trigger();
    QFile back(dialogs->saveName);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    // Without the number pad the digits do not read back as that text: codes.
    const QByteArray written = back.readAll();
    EXPECT_TRUE(written.contains("3,Baguette,,105 115 117 90,single") ||
                written.contains("3;Baguette;;105 115 117 90;single"))
        << written.toStdString();
}

// Recent files as the menu shows them: "&1 path" and on.
QStringList Numbered(const QStringList& paths) {
    QStringList shown;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        shown << QStringLiteral("&%1 %2").arg(i + 1).arg(paths[i]);
    }
    return shown;
}

TEST_F(MainDialogTest, RecentFileBlockSitsBeforeExitAndSurvivesARestart) {
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << dir.filePath(QStringLiteral("file%1.txt").arg(i));
    }
    {
        MainDialog w(dialogs);
        openPaths = {paths[0]};
        Child<QAction>(w, "actionOpen")->trigger();
        // A file that cannot be read still becomes the title and the first entry.
        EXPECT_EQ(QStringList({QStringLiteral("Cannot open file!")}), messages);
        QStringList texts = MenuTexts(w.FileMenu());
        EXPECT_EQ(QStringLiteral("&1 ") + paths[0], texts.at(texts.size() - 3));
        EXPECT_EQ(QStringLiteral("-"), texts.at(texts.size() - 2));
        EXPECT_EQ(QStringLiteral("E&xit"), texts.last());

        openPaths = paths.mid(1);
        for (int i = 1; i < 5; ++i) {
            Child<QAction>(w, "actionOpen")->trigger();
        }
        texts = MenuTexts(w.FileMenu());
        EXPECT_EQ((Numbered({paths[4], paths[3], paths[2], paths[1]}) + Texts({"-", "E&xit"})),
                  texts.mid(texts.size() - 6));
    }
    QSettings settings;
    EXPECT_EQ(paths[4], settings.value(QStringLiteral("Recent File List/File1")).toString());
    EXPECT_EQ(paths[1], settings.value(QStringLiteral("Recent File List/File4")).toString());

    MainDialog again(dialogs);
    const QStringList texts = MenuTexts(again.FileMenu());
    EXPECT_EQ((Numbered({paths[4], paths[3], paths[2], paths[1]}) + Texts({"-", "E&xit"})),
              texts.mid(texts.size() - 6));
    // The third entry opens that file and moves it to the front.
    messages.clear();
    Child<QAction>(again, "actionRecent3")->trigger();
    EXPECT_EQ(QStringLiteral("Vorlan - keyboard programmer  -  [%1[*]]").arg(paths[2]),
              again.windowTitle());
    const QStringList after = MenuTexts(again.FileMenu());
    EXPECT_EQ(QStringLiteral("&1 ") + paths[2], after.at(after.size() - 6));
}

TEST_F(MainDialogTest, PopupShowsTheEditorsItemsAndRunsTheChosenCommand) {
    MainDialog w(dialogs);
    w.show();
    w.Editor().Document().keys[3].codes[0] = 28;
    w.Editor().Document().MakeSlotSingle(3);
    QStringList enabled;
    // The menu runs its own loop: read it and choose "to Down" from inside.
    QTimer::singleShot(0, &w, [&] {
        for (QAction* a : w.PopupMenu()->actions()) {
            if (!a->isSeparator() && a->isEnabled()) {
                enabled << a->text();
            }
        }
        for (QAction* a : w.PopupMenu()->actions().at(4)->menu()->actions()) {
            if (a->isEnabled()) {
                enabled << a->text();
            }
        }
        w.PopupMenu()->actions().at(4)->menu()->actions().at(1)->trigger();
        w.PopupMenu()->close();
    });
    const QPoint cell = KeyGridWidget::CanvasCellOrigin(3) + QPoint(10, 10);
    QContextMenuEvent request(QContextMenuEvent::Mouse, cell, w.Grid()->mapToGlobal(cell));
    QApplication::sendEvent(w.Grid(), &request);
    EXPECT_EQ(
        Texts({"Insert key", "Double", "Quad", "Clear Key", "Clear All", "to Right", "to Down"}),
        enabled);
    EXPECT_EQ(3, w.Editor().CurrentKey());
    EXPECT_EQ(SpanKind::Double, w.Editor().Document().spans[11].kind);
}

TEST_F(MainDialogTest, StepButtonsAndTheProgrammedKeysListReachTheEditor) {
    MainDialog w(dialogs);
    auto* next = Child<QPushButton>(w, "nextButton");
    auto* previous = Child<QPushButton>(w, "previousButton");
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(56, w.Editor().CurrentKey());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(2, w.Editor().CurrentKey());

    // Key 2 gets a code and a name; leaving it enters it in the list.
    w.Editor().Document().keys[2].codes[0] = 28;
    w.Editor().Document().MakeSlotSingle(2);
    auto* name = Child<QLineEdit>(w, "keyName");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Alpha"));
    QTest::mouseClick(next, Qt::LeftButton);
    auto* list = Child<QComboBox>(w, "programmedKeys");
    ASSERT_EQ(1, list->count());
    EXPECT_EQ(QStringLiteral("Alpha *"), list->itemText(0));
    // Picking the entry selects the key that carries it.
    list->setCurrentIndex(0);
    Q_EMIT list->activated(0);
    EXPECT_EQ(2, w.Editor().CurrentKey());
    EXPECT_EQ(QStringLiteral("Alpha"), name->text());
    EXPECT_EQ(QStringLiteral("A"), Child<QLineEdit>(w, "code1000")->text());
}

TEST_F(MainDialogTest, SettingsDialogHookChangesTheGridAndTheStatusBar) {
    MainDialog w(dialogs);
    std::optional<KeyboardSettingsValues> seen;
    w.Hooks().runSettingsDialog = [&](QWidget* parent, const KeyboardSettingsValues& values) {
        EXPECT_EQ(&w, parent);
        seen = values;
        KeyboardSettingsValues chosen = values;
        chosen.keyboard = KeyboardSize::Double;
        chosen.keyBeep = 1;
        return std::optional<KeyboardSettingsValues>(chosen);
    };
    Child<QAction>(w, "actionSettings")->trigger();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(KeyboardSize::Single, seen->keyboard);
    EXPECT_EQ(QStringLiteral("Keyboard type: Vorlan D"), w.StatusPaneText(0));
    EXPECT_EQ(QStringLiteral("Keys beep: On"), w.StatusPaneText(2));
    EXPECT_EQ(0x103D76u, CanvasAt(w, 57, 17, 17)); // block 1 is in use now
    // Without a dialog plugged in, the command is a cancelled dialog.
    w.Hooks().runSettingsDialog = nullptr;
    Child<QAction>(w, "actionSettings")->trigger();
    EXPECT_EQ(QStringLiteral("Keyboard type: Vorlan D"), w.StatusPaneText(0));
}

} // namespace
} // namespace vorlan
