// The grid at 200 %: the canvas has device pixels of its own and the cells'
// edges stay one device pixel wide, as a screen at scale factor 2 shows them.
#include "app/AppShell.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyImages.h"

#include <QIcon>
#include <gtest/gtest.h>

// Before the application object exists (static initialisation runs first).
static const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

namespace vorlan {
namespace {

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

TEST(HighDpi, GridCellEdgesAreOneDevicePixelWide) {
    ASSERT_TRUE(kScaled);
    KeyGridWidget grid;
    grid.show();
    ASSERT_DOUBLE_EQ(2.0, grid.devicePixelRatioF());
    for (int slot = 1; slot <= 3; ++slot) {
        grid.DrawKeyImage(slot, slot == 2 ? KeyImage::Single : KeyImage::Empty);
    }
    const QImage& canvas = grid.Canvas();
    ASSERT_EQ(QSize(2 * grid.width(), 2 * grid.height()), canvas.size());

    // Across the middle of key 2 (device pixels 68..135): a black edge of one
    // pixel on each side, then the bevel's own colour, not a blend.
    const int y = 2 * 17;
    const QRgb light = qRgb(255, 95, 73) & 0xFFFFFFu;
    const QRgb dark = qRgb(128, 0, 0) & 0xFFFFFFu;
    EXPECT_EQ(0u, At(canvas, 68, y));
    EXPECT_EQ(light, At(canvas, 69, y));
    EXPECT_EQ(dark, At(canvas, 134, y));
    EXPECT_EQ(0u, At(canvas, 135, y));
    // And down its middle column.
    EXPECT_EQ(0u, At(canvas, 2 * 51, 0));
    EXPECT_EQ(light, At(canvas, 2 * 51, 1));
    EXPECT_EQ(dark, At(canvas, 2 * 51, 66));
    EXPECT_EQ(0u, At(canvas, 2 * 51, 67));
}

TEST(HighDpi, TheProgramIconHasPicturesForLargeScreens) {
    const QIcon icon = ProgramIcon();
    // A 32-pixel icon at 200 % is drawn from the 64-pixel picture, not scaled up.
    const QPixmap pixmap = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(QSize(64, 64), pixmap.size());
    EXPECT_DOUBLE_EQ(2.0, pixmap.devicePixelRatio());
    EXPECT_EQ(QSize(256, 256), icon.actualSize(QSize(512, 512)));
}

} // namespace
} // namespace vorlan
