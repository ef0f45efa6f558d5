// The grid widget's canvas and pointer reports: images land on the cells of
// their slots at once, and pointer positions arrive in client coordinates.
#include "grid/ui/KeyGridWidget.h"

#include "layout/LayoutObserver.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

QRgb CanvasAt(const KeyGridWidget& grid, int x, int y) {
    const QImage& canvas = grid.Canvas();
    const qreal r = canvas.devicePixelRatio();
    return canvas.pixel(qRound(x * r), qRound(y * r)) & 0xFFFFFFu;
}

constexpr QRgb kRedFace = 0xFF5F49;  // (255, 95, 73)
constexpr QRgb kBlueFace = 0x103D76; // (16, 61, 118)
constexpr QRgb kGreyFace = 0x808080; // (128, 128, 128)
constexpr QRgb kYellow = 0xFFFF00;   // selection bevel, top/left
constexpr QRgb kRedDark = 0x800000;  // (128, 0, 0)

TEST(KeyGridWidget, ImagesLandOnTheCellsOfTheirSlots) {
    KeyGridWidget grid;
    struct Row {
        int slot;
        KeyImage image;
        QPoint origin; // canvas coordinates
        QRgb face;
    };
    const Row rows[] = {
        {1, KeyImage::Empty, {0, 0}, kBlueFace},
        {8, KeyImage::Single, {7 * 34, 0}, kRedFace},
        {9, KeyImage::SelectedEmpty, {0, 34}, kBlueFace},
        {56, KeyImage::SelectedKey, {7 * 34, 6 * 34}, kRedFace},
        {57, KeyImage::Unavailable, {8 * 34, 0}, kGreyFace},
        {112, KeyImage::Unavailable, {15 * 34, 6 * 34}, kGreyFace},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.slot);
        EXPECT_EQ(r.origin, KeyGridWidget::CanvasCellOrigin(r.slot));
        grid.DrawKeyImage(r.slot, r.image);
        EXPECT_EQ(r.face, CanvasAt(grid, r.origin.x() + 17, r.origin.y() + 17));
        EXPECT_EQ(0u, CanvasAt(grid, r.origin.x(), r.origin.y())); // outer border
    }
    // The selection marks keep the face and change only the bevel.
    EXPECT_EQ(kYellow, CanvasAt(grid, 17, 34 + 2));
}

TEST(KeyGridWidget, JoinedImagesCoverTheirPartnerCells) {
    KeyGridWidget grid;
    for (int s = 1; s <= 56; ++s) {
        grid.DrawKeyImage(s, KeyImage::Empty);
    }
    grid.DrawKeyImage(3, KeyImage::DoubleDown); // slots 3 and 11
    const QPoint o = KeyGridWidget::CanvasCellOrigin(3);
    EXPECT_EQ(kRedFace, CanvasAt(grid, o.x() + 17, o.y() + 34)); // across the cell seam
    EXPECT_EQ(kRedDark, CanvasAt(grid, o.x() + 17, o.y() + 65)); // bottom bevel of slot 11
    grid.DrawKeyImage(11, KeyImage::SelectedKey);                // only the lower half is marked
    EXPECT_EQ(kYellow, CanvasAt(grid, o.x() + 17, o.y() + 34 + 2));
    EXPECT_EQ(kRedFace, CanvasAt(grid, o.x() + 17, o.y() + 2 + 10));
    grid.DrawKeyImage(20, KeyImage::Quad);
    const QPoint q = KeyGridWidget::CanvasCellOrigin(20);
    EXPECT_EQ(kRedFace, CanvasAt(grid, q.x() + 34, q.y() + 34));
    EXPECT_EQ(kBlueFace, CanvasAt(grid, q.x() + 68 + 17, q.y() + 17)); // slot 22 untouched
}

TEST(KeyGridWidget, SlotsOutsideTheGridAreIgnored) {
    KeyGridWidget grid;
    const QImage before = grid.Canvas();
    grid.DrawKeyImage(0, KeyImage::Single);
    grid.DrawKeyImage(113, KeyImage::Single);
    grid.DrawKeyImage(-5, KeyImage::Single);
    EXPECT_EQ(before, grid.Canvas());
}

TEST(KeyGridWidget, PointerEventsReportClientCoordinates) {
    KeyGridWidget grid;
    QSignalSpy pressed(&grid, &KeyGridWidget::PointerPressed);
    QSignalSpy doubled(&grid, &KeyGridWidget::PointerDoubleClicked);
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(271, 10));
    ASSERT_EQ(1, pressed.count());
    EXPECT_EQ(QPoint(280, 100), pressed.at(0).at(0).toPoint());
    QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(1, pressed.count()); // the right button only opens the popup
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, QPoint(0, 237));
    ASSERT_EQ(1, doubled.count());
    EXPECT_EQ(QPoint(9, 327), doubled.at(0).at(0).toPoint());
}

} // namespace
} // namespace vorlan
