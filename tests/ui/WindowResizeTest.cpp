// The main window resized: the grid's cells grow with it (hit testing,
// images and names follow), the panel keeps its width, the size comes back
// at the next start; and a selected double or quad key is framed whole.
#include "app/GridViewActions.h"
#include "app/MainDialog.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyDragController.h"
#include "editor/ui/KeyFindBar.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyImages.h"
#include "grid/ui/KeyNamePainter.h"
#include "testing/PrivateSettings.h"

#include <QAccessible>
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vorlan {
namespace {

class WindowResizeTest : public ::testing::Test {
protected:
    void SetUp() override { test::UsePrivateSettings("resize"); }
    void TearDown() override { test::DropPrivateSettings(); }

    // Named keys, a double key 13+14 and a quad key 20+21+28+29 (group keys
    // sharing their codes, as a layout file gives them).
    static void FillLayout(MainDialog& w) {
        LayoutDocument& doc = w.Editor().Document();
        const struct {
            int key;
            const char* name;
            std::int32_t code;
        } keys[] = {{1, "Esc", 0x76},  {10, "Enter", 0x5A}, {13, "Wide", 0x29}, {14, "", 0x29},
                    {20, "Big", 0x12}, {21, "", 0x12},      {28, "", 0x12},     {29, "", 0x12}};
        for (const auto& k : keys) {
            KeyRecord& key = doc.keys[static_cast<std::size_t>(k.key)];
            key.name = k.name;
            key.codes[0] = k.code;
            key.SetGroupKey(k.key >= 13);
        }
        doc.RebuildAfterLoad();
        w.Editor().DrawGrid();
    }

    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
        }
    }
};

// The canvas over a slot's image, at the device pixel ratio it is drawn in.
QImage CanvasPart(const KeyGridWidget& grid, int slot, QSize size) {
    const qreal r = grid.Canvas().devicePixelRatio();
    return grid.Canvas().copy(QRect(grid.CellRect(slot).topLeft() * r, size * r));
}

// Height in device pixels of the rows that hold ink (black) inside rect.
int InkHeight(const QImage& image, const QRect& rect) {
    int top = -1;
    int bottom = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 40) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST_F(WindowResizeTest, GridGrowsWithTheWindowAndThePanelKeepsItsWidth) {
    MainDialog w;
    FillLayout(w);
    w.ViewActions().KeyNamesAction()->trigger();
    w.show();
    Settle();
    const QSize designed = w.size();
    auto* keyName = w.findChild<QLineEdit*>(QStringLiteral("keyName"));
    ASSERT_NE(nullptr, keyName);
    const QRect nameBefore = keyName->geometry();
    const int nameGap = w.Client()->width() - nameBefore.right();
    const int inkBefore = InkHeight(w.Grid()->Canvas(), w.Grid()->CellRect(1));
    EXPECT_EQ(w.minimumSizeHint(), designed) << "the designed size is the smallest";

    w.resize(designed * 3 / 2);
    Settle();
    EXPECT_EQ(designed * 3 / 2, w.size());
    KeyGridWidget* grid = w.Grid();
    const int pitch = grid->CellPitch();
    EXPECT_GE(pitch, KeyGridWidget::kCell * 3 / 2);
    EXPECT_EQ(QSize(16 * pitch, 7 * pitch), grid->size());
    // The panel moved along without growing; the grid stays inside its frame
    // and clear of the panel.
    EXPECT_EQ(nameBefore.size(), keyName->size());
    EXPECT_EQ(nameGap, w.Client()->width() - keyName->geometry().right());
    const QWidget* frame = w.findChild<QWidget*>(QStringLiteral("gridFrame"));
    EXPECT_TRUE(frame->geometry().contains(grid->geometry()));
    EXPECT_LT(grid->geometry().right(), keyName->geometry().left());

    // A click anywhere in a scaled cell selects that cell, corners included.
    const struct {
        int slot;
        QPoint at;
    } clicks[] = {
        {1, grid->CellRect(1).topLeft() + QPoint(1, 0)}, // (0, 0) would be the centre        {20,
                                                         // grid->CellRect(20).bottomRight()},
        {56, grid->CellRect(56).center()},
        {29, grid->CellRect(29).topLeft()},
        {10, grid->CellRect(10).bottomRight()},
        {49, grid->CellRect(49).bottomLeft()},
    };
    for (const auto& c : clicks) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, c.at);
        EXPECT_EQ(c.slot, w.Editor().CurrentKey()) << "click at " << c.at.x() << "," << c.at.y();
    }

    // Assistive technology sees the larger cells: a quad key's cell covers
    // its four scaled cells, and its centre finds it again.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(nullptr, table);
    QAccessibleInterface* quad = table->tableInterface()->cellAt(2, 3); // slot 20
    ASSERT_NE(nullptr, quad);
    EXPECT_EQ(QRect(grid->mapToGlobal(grid->CellRect(20).topLeft()), QSize(2 * pitch, 2 * pitch)),
              quad->rect());
    EXPECT_EQ(quad, table->childAt(quad->rect().center().x(), quad->rect().center().y()));

    // Images at the new size: a plain key's cell is its image drawn for the
    // larger cell, pixel for pixel outside its face (the name lies there).
    const qreal r = grid->Canvas().devicePixelRatio();
    const QImage plain =
        RenderKeyImage(KeyImage::Single, r, pitch).convertToFormat(grid->Canvas().format());
    const QImage drawn = CanvasPart(*grid, 10, QSize(pitch, pitch));
    const QRect face = KeyNamePainter::FaceRect(QRect(0, 0, pitch, pitch), KeyImage::Single, pitch);
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (!face.contains(QPoint(qFloor(x / r), qFloor(y / r))) &&
                drawn.pixel(x, y) != plain.pixel(x, y)) {
                ++differing;
            }
        }
    }
    EXPECT_EQ(0, differing);
    // The name grew with its cell.
    EXPECT_GE(InkHeight(grid->Canvas(),
                        QRect(grid->CellRect(1).topLeft() * r, grid->CellRect(1).size() * r)),
              inkBefore * 5 / 4);

    // A drag lands on the scaled cell under the pointer, and the frame of
    // the cells a drop would fill covers the larger grid.
    std::unique_ptr<QMimeData> data(w.DragController()->MimeDataForSlot(1));
    const QPointF over = grid->CellRect(44).bottomRight();
    QDragMoveEvent move(over.toPoint(), Qt::MoveAction, data.get(), Qt::LeftButton, {});
    w.DragController()->DragMoved(&move);
    EXPECT_EQ(std::vector<int>{44}, w.DragController()->ShownDropCells());
    EXPECT_EQ(grid->size(), grid->findChild<QWidget*>(QStringLiteral("dropCellsOverlay"))->size());
    QDropEvent drop(over, Qt::MoveAction, data.get(), Qt::LeftButton, {});
    w.DragController()->Dropped(&drop);
    EXPECT_EQ("Esc", w.Editor().Document().keys[44].name.str());

    // The find bar comes and goes above the grid: the window grows and
    // shrinks by it, the grid keeps its cells.
    const QSize resized = w.size();
    w.ViewActions().FindAction()->trigger();
    Settle();
    EXPECT_EQ(pitch, grid->CellPitch());
    EXPECT_GT(w.height(), resized.height());
    QTest::keyClick(w.ViewActions().FindBar()->Field(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(w.ViewActions().FindBarOpen());
    EXPECT_EQ(resized, w.size());
    EXPECT_EQ(pitch, grid->CellPitch());

    // Back to the designed size: the designed grid again.
    w.resize(designed);
    Settle();
    EXPECT_EQ(KeyGridWidget::kCell, grid->CellPitch());
    EXPECT_EQ(QPoint(KeyGridWidget::kLeft, KeyGridWidget::kTop), grid->pos());
    EXPECT_EQ(nameBefore, keyName->geometry());
}

// A window made only wider leaves room beside the grid; a press there is no
// press on a key, though the window's own pixels lie where a cell was.
TEST_F(WindowResizeTest, APressBesideTheCentredGridSelectsNoKey) {
    MainDialog w;
    FillLayout(w);
    w.show();
    Settle();
    QTest::mouseClick(w.Grid(), Qt::LeftButton, {}, w.Grid()->CellRect(10).center());
    w.resize(w.size() + QSize(400, 0));
    Settle();
    ASSERT_GT(w.Grid()->x(), KeyGridWidget::kLeft + KeyGridWidget::kCell);
    auto* frame = w.findChild<QWidget*>(QStringLiteral("gridFrame"));
    const QPoint designedCellOne(KeyGridWidget::kLeft + 5, KeyGridWidget::kTop + 5);
    QTest::mouseMove(frame, frame->mapFrom(w.Client(), designedCellOne));
    QTest::mouseClick(frame, Qt::LeftButton, {}, frame->mapFrom(w.Client(), designedCellOne));
    EXPECT_EQ(10, w.Editor().CurrentKey());
    EXPECT_EQ(QStringLiteral("Number: ----"), w.StatusPaneText(5));
}

TEST_F(WindowResizeTest, TheSizeAndTheMaximisedStateComeBackAtTheNextStart) {
    QSize designed;
    QSize bigger;
    {
        MainDialog w;
        w.show();
        Settle();
        designed = w.size();
        bigger = designed + QSize(20, 60);
        w.resize(bigger);
        Settle();
        // Closed with the find bar open: the size kept is the one without it.
        w.ViewActions().FindAction()->trigger();
        Settle();
        EXPECT_TRUE(w.close());
    }
    {
        MainDialog w;
        w.show();
        Settle();
        // What the screen holds of it (the offscreen screen is 800 x 600
        // at 100 %; at 200 % it cannot even hold the designed size).
        const QSize fits = bigger.boundedTo(w.screen()->availableSize()).expandedTo(designed);
        EXPECT_EQ(fits, w.size());
        EXPECT_EQ(fits != designed, w.Grid()->CellPitch() > KeyGridWidget::kCell);
        w.showMaximized();
        Settle();
        EXPECT_TRUE(w.close());
    }
    {
        MainDialog w;
        EXPECT_TRUE(w.windowState().testFlag(Qt::WindowMaximized));
    }
    // A size kept from a larger screen is cut to this one's.
    {
        QSettings settings;
        settings.setValue(QStringLiteral("mainWindow/size"), QSize(9000, 7000));
        settings.setValue(QStringLiteral("mainWindow/maximized"), false);
        settings.sync();
        MainDialog w;
        w.show();
        Settle();
        const QSize screen = w.screen()->availableSize();
        EXPECT_EQ(QSize(std::max(screen.width(), designed.width()),
                        std::max(screen.height(), designed.height())),
                  w.size());
    }
    // A stored size below the designed one, or none that reads as a size,
    // gives the designed size.
    for (const QVariant& stored : {QVariant(QSize(100, 50)), QVariant(QStringLiteral("huge"))}) {
        QSettings settings;
        settings.setValue(QStringLiteral("mainWindow/size"), stored);
        settings.setValue(QStringLiteral("mainWindow/maximized"), false);
        settings.sync();
        MainDialog w;
        w.show();
        Settle();
        EXPECT_EQ(designed, w.size()) << stored.toString().toStdString();
    }
}

// Selecting any cell of a double or quad key draws one selection frame
// around the whole key; selecting another key gives it its plain image back.
TEST_F(WindowResizeTest, TheSelectionFrameSurroundsTheWholeJoinedKey) {
    MainDialog w;
    FillLayout(w);
    w.show();
    Settle();
    KeyGridWidget* grid = w.Grid();
    const qreal r = grid->Canvas().devicePixelRatio();
    const auto expectImage = [&](int anchor, KeyImage image) {
        const QImage want = RenderKeyImage(image, r).convertToFormat(grid->Canvas().format());
        EXPECT_EQ(want, CanvasPart(*grid, anchor, KeyImageDrawnSize(image)))
            << "image " << static_cast<int>(image) << " at " << anchor;
    };
    const struct {
        int clicked;
        int anchor;
        KeyImage selected;
        KeyImage plain;
    } keys[] = {
        {14, 13, KeyImage::SelectedDoubleRight, KeyImage::DoubleRight},
        {13, 13, KeyImage::SelectedDoubleRight, KeyImage::DoubleRight},
        {29, 20, KeyImage::SelectedQuad, KeyImage::Quad},
        {21, 20, KeyImage::SelectedQuad, KeyImage::Quad},
    };
    for (const auto& k : keys) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(k.clicked).center());
        EXPECT_EQ(k.clicked, w.Editor().CurrentKey());
        expectImage(k.anchor, k.selected);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1).center());
        expectImage(k.anchor, k.plain);
    }
    // The frame's top edge runs through the middle of the double key: yellow
    // where two single frames would meet in a black border.
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(14).center());
    const QPoint middleTop = (grid->CellRect(14).topLeft() + QPoint(0, 2)) * r;
    EXPECT_EQ(QColor(255, 255, 0), grid->Canvas().pixelColor(middleTop));
}

} // namespace
} // namespace vorlan
