// The window's side of the reader's report, the question before a lossy save
// and layout compare. What is reported, lost or different is tested in the core.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/LayoutDiff.h"
#include "layout/LayoutFile.h"
#include "layout/ui/CompareWindow.h"
#include "layout/ui/ReadReportBar.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class LayoutReportUiTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        dialogs->saveType = 2;
    }
    QString Write(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Open(MainDialog& w, const QString& path) {
        openPaths << path;
        w.findChild<QAction*>(QStringLiteral("actionOpen"))->trigger();
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    QStringList& openPaths = dialogs->openPaths;
    QString& savePath = dialogs->savePath;
};

TEST_F(LayoutReportUiTest, BarAfterOpenSaysWhatTheReaderChangedAndGoesWithNew) {
    const QByteArray bytes = "56; 0; 0; 2; 11\r\n1; 300, 0, 0, 0, 0, 0, 0; 2;A\r\n\r\n# x\r\n";
    const QString path = Write("odd.txt", bytes);
    MainDialog w(dialogs);
    Open(w, path);
    ReadReportBar* bar = w.ReportBar();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->Summary(),
              QStringLiteral("3 lines of this file were not read exactly as written."));
    EXPECT_TRUE(bar->DetailLines().contains(QStringLiteral(
        "odd.txt:2: error: Key 1: code 300 is out of range 0..255 and reads as 0.")));
    EXPECT_EQ(Read(path), bytes);

    w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(bar->isHidden());

    Open(w, Write("one.txt", "56; 0; 0; 2; 11\r\n1; 300, 0, 0, 0, 0, 0, 0; 2;A\r\n"));
    EXPECT_EQ(bar->Summary(),
              QStringLiteral("One line of this file was not read exactly as written."));
}

TEST_F(LayoutReportUiTest, LossySaveAsksAndCancelKeepsLayoutAndFile) {
    const QString target = Write("old.txt", "kept as it was\r\n");
    MainDialog w(dialogs);
    LayoutDocument& doc = w.Editor().Document();
    doc.keys[1].codes = {1, 2, 3, 4, 5, 6, 7, 8};
    doc.keys[1].name = "Eight";
    doc.MakeSlotSingle(1);
    doc.dirty = true;
    savePath = target;
    dialogs->saveType = 1; // 7/3scan keeps 7 codes

    w.findChild<QAction*>(QStringLiteral("actionSaveAs"))->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral(
        "Key 1 \"Eight\": the codes 1, 2, 3, 4, 5, 6, 7, 8 become 1, 2, 3, 4, 5, 6, 7.")))
        << messages[0].toStdString();
    EXPECT_EQ(Read(target), QByteArray("kept as it was\r\n"));
    EXPECT_EQ(doc.keys[1].codes[7], 8);
    EXPECT_TRUE(doc.dirty);
    EXPECT_TRUE(doc.filePath.empty());

    dialogs->reply = MessageResult::Yes;
    w.findChild<QAction*>(QStringLiteral("actionSaveAs"))->trigger();
    EXPECT_TRUE(Read(target).startsWith("56; "));
}

TEST_F(LayoutReportUiTest, PlainSaveOfANameTheFileCannotCarryAsksFirst) {
    const QString path = Write("named.txt", "56\r\n1; 5, 0, 0, 0, 0, 0, 0; 2;A\r\n");
    MainDialog w(dialogs);
    Open(w, path);
    w.Editor().Document().keys[1].name = "a;b";
    w.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(Read(path), QByteArray("56\r\n1; 5, 0, 0, 0, 0, 0, 0; 2;A\r\n"));
}

TEST_F(LayoutReportUiTest, CompareMarksTheKeysThatDifferAndSelectsThem) {
    LayoutDocument a;
    for (int k : {1, 2, 3}) {
        a.keys[static_cast<std::size_t>(k)].codes[0] = 10 + k;
    }
    LayoutDocument b = a;
    b.keys[2].name = "Other";
    b.keys[9] = b.keys[3]; // moved from 3 to 9
    b.keys[3].codes.fill(0);
    const QString pathA =
        Write("a.txt", QByteArray::fromStdString(FormatLayout(a, KeyboardVariant::SixteenScan)));
    const QString pathB =
        Write("b.txt", QByteArray::fromStdString(FormatLayout(b, KeyboardVariant::SixteenScan)));
    MainDialog w(dialogs);
    Open(w, pathA);
    openPaths << pathB;
    w.findChild<QAction*>(QStringLiteral("actionCompareWith"))->trigger();
    CompareWindow* compare = w.Compare();
    ASSERT_NE(compare, nullptr);
    EXPECT_TRUE(compare->isVisible());
    EXPECT_EQ(w.Grid()->MarkedSlots(), (std::vector<int>{2, 3, 9}));
    ASSERT_EQ(compare->List()->count(), 2);
    EXPECT_EQ(compare->List()->item(1)->text(), QStringLiteral("Key 3 \"KEY3\" moved to 9."));

    compare->List()->setCurrentRow(0);
    EXPECT_EQ(w.Editor().CurrentKey(), 2);
    compare->close();
    EXPECT_TRUE(w.Grid()->MarkedSlots().empty());
}

TEST_F(LayoutReportUiTest, CompareFollowsEditsAndEndsWithNew) {
    LayoutDocument a;
    for (int k : {1, 2, 3}) {
        a.keys[static_cast<std::size_t>(k)].codes[0] = 10 + k;
    }
    const QString pathA =
        Write("a.txt", QByteArray::fromStdString(FormatLayout(a, KeyboardVariant::SixteenScan)));
    MainDialog w(dialogs);
    w.show();
    Open(w, pathA);
    openPaths << pathA; // the layout compared with its own file
    w.findChild<QAction*>(QStringLiteral("actionCompareWith"))->trigger();
    CompareWindow* compare = w.Compare();
    ASSERT_NE(compare, nullptr);
    ASSERT_EQ(compare->List()->count(), 1);
    EXPECT_EQ(compare->List()->item(0)->text(), QStringLiteral("The layouts are equal."));

    // A rename typed into the key's name: the list and the marks follow.
    compare->List()->setCurrentRow(-1);
    w.Editor().OnPointerPress(CellOrigin(2).x + 1, CellOrigin(2).y + 1);
    auto* name = w.findChild<QLineEdit*>(QStringLiteral("keyName"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("x"));
    EXPECT_TRUE(QTest::qWaitFor([&w] { return w.Grid()->MarkedSlots() == std::vector<int>{2}; }));
    ASSERT_EQ(compare->List()->count(), 1);
    EXPECT_TRUE(compare->List()->item(0)->text().contains(QStringLiteral("KEY2x")))
        << compare->List()->item(0)->text().toStdString();

    // New: the compare was about the file no longer in the window.
    dialogs->reply = MessageResult::No; // do not save the rename
    w.findChild<QAction*>(QStringLiteral("actionNew"))->trigger();
    EXPECT_TRUE(QTest::qWaitFor([compare] { return !compare->isVisible(); }));
    EXPECT_TRUE(w.Grid()->MarkedSlots().empty());
}

TEST_F(LayoutReportUiTest, CompareWithAFileThatIsNoLayoutSaysSo) {
    MainDialog w(dialogs);
    QByteArray binary("\x7f"
                      "ELF\x02\x01\x01");
    binary.append(QByteArray(300, '\0'));
    const QString path = Write("program", binary);
    openPaths << path;
    w.findChild<QAction*>(QStringLiteral("actionCompareWith"))->trigger();
    CompareWindow* compare = w.Compare();
    ASSERT_NE(compare, nullptr);
    ASSERT_GT(compare->List()->count(), 1);
    EXPECT_TRUE(compare->List()->item(0)->text().startsWith(
        QStringLiteral("This file does not start as a layout file does")))
        << compare->List()->item(0)->text().toStdString();
}

TEST_F(LayoutReportUiTest, CompareListWrapsALongNameWithoutASpace) {
    CompareWindow compare;
    Difference renamed;
    renamed.kind = DiffKind::Name;
    renamed.key = 5;
    renamed.message = {StringId::DiffName, {"5", std::string(102, 'W'), "Enter"}};
    compare.SetDifferences(QStringLiteral("other.txt"), {renamed});
    compare.resize(300, 300);
    compare.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&compare));
    const QRect item = compare.List()->visualItemRect(compare.List()->item(0));
    EXPECT_LE(item.right(), compare.List()->viewport()->width());
    EXPECT_GT(item.height(), 2 * compare.List()->fontMetrics().height()) << "wrapped";
}

} // namespace
} // namespace vorlan
