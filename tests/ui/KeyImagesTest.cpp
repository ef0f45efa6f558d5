// The key images drawn by code: sizes, colours of the face and the bevel
// sides, the black borders and corner lines, and sharpness at high DPI.
#include "grid/ui/KeyImages.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct ImageCase {
    KeyImage image;
    QSize drawn;
    QRgb face;
    QRgb light;
    QRgb dark;
    int bevel; // source pixels
};

const ImageCase kCases[] = {
    {KeyImage::Empty, {34, 34}, qRgb(16, 61, 118), qRgb(16, 61, 118), qRgb(0, 0, 128), 4},
    {KeyImage::Single, {34, 34}, qRgb(255, 95, 73), qRgb(255, 95, 73), qRgb(128, 0, 0), 4},
    {KeyImage::Unavailable, {34, 34}, qRgb(128, 128, 128), qRgb(128, 128, 128), qRgb(1, 56, 48), 4},
    {KeyImage::DoubleDown, {34, 68}, qRgb(255, 95, 73), qRgb(255, 95, 73), qRgb(128, 0, 0), 4},
    {KeyImage::DoubleRight, {68, 34}, qRgb(255, 95, 73), qRgb(255, 95, 73), qRgb(128, 0, 0), 4},
    {KeyImage::Quad, {68, 68}, qRgb(255, 95, 73), qRgb(255, 95, 73), qRgb(128, 0, 0), 6},
    {KeyImage::SelectedKey, {34, 34}, qRgb(255, 95, 73), qRgb(255, 255, 0), qRgb(182, 180, 98), 4},
    {KeyImage::SelectedEmpty,
     {34, 34},
     qRgb(16, 61, 118),
     qRgb(255, 255, 0),
     qRgb(182, 180, 98),
     4},
};

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

TEST(KeyImages, SourceImagesFollowTheBevelledCapDesign) {
    for (const ImageCase& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.image));
        const QImage src = RenderKeyImageSource(c.image);
        const int w = src.width();
        const int h = src.height();
        ASSERT_EQ(QSize(c.drawn.width() / 34 * 39, c.drawn.height() / 34 * 39), src.size());
        const int inner = 1 + c.bevel; // first pixel of the border around the face
        // Black outer border and black border around the face.
        EXPECT_EQ(At(src, w / 2, 0), qRgb(0, 0, 0) & 0xFFFFFFu);
        EXPECT_EQ(At(src, w - 1, h / 2), qRgb(0, 0, 0) & 0xFFFFFFu);
        EXPECT_EQ(At(src, w / 2, inner), qRgb(0, 0, 0) & 0xFFFFFFu);
        EXPECT_EQ(At(src, inner, h / 2), qRgb(0, 0, 0) & 0xFFFFFFu);
        // Light top and left, dark bottom and right, face in the middle.
        EXPECT_EQ(At(src, w / 2, 2), c.light & 0xFFFFFFu);
        EXPECT_EQ(At(src, 2, h / 2), c.light & 0xFFFFFFu);
        EXPECT_EQ(At(src, w / 2, h - 3), c.dark & 0xFFFFFFu);
        EXPECT_EQ(At(src, w - 3, h / 2), c.dark & 0xFFFFFFu);
        EXPECT_EQ(At(src, w / 2, h / 2), c.face & 0xFFFFFFu);
        EXPECT_EQ(At(src, inner + 1, inner + 1), c.face & 0xFFFFFFu);
        // The face of a one-cell image is 27 pixels wide.
        if (w == 39) {
            EXPECT_EQ(At(src, 6, 19), c.face & 0xFFFFFFu);
            EXPECT_EQ(At(src, 32, 19), c.face & 0xFFFFFFu);
            EXPECT_EQ(At(src, 33, 19), 0u);
        }
        // Corner lines run through the bevel diagonally.
        for (int d = 1; d < inner; ++d) {
            EXPECT_EQ(At(src, d, d), 0u) << "top-left " << d;
            EXPECT_EQ(At(src, w - 1 - d, h - 1 - d), 0u) << "bottom-right " << d;
        }
    }
}

TEST(KeyImages, DrawnImagesKeepTheColoursAtTheirSize) {
    for (const ImageCase& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.image));
        EXPECT_EQ(c.drawn, KeyImageDrawnSize(c.image));
        const QImage img = RenderKeyImage(c.image, 1.0);
        ASSERT_EQ(c.drawn, img.size());
        EXPECT_EQ(At(img, img.width() / 2, img.height() / 2), c.face & 0xFFFFFFu);
        EXPECT_EQ(At(img, img.width() / 2, 2), c.light & 0xFFFFFFu);
        EXPECT_EQ(At(img, img.width() / 2, img.height() - 3), c.dark & 0xFFFFFFu);
    }
}

TEST(KeyImages, HighDpiImagesHaveDevicePixelsOfTheirOwn) {
    const QImage img = RenderKeyImage(KeyImage::Single, 2.0);
    EXPECT_EQ(QSize(68, 68), img.size());
    EXPECT_DOUBLE_EQ(2.0, img.devicePixelRatio());
    // The outer border stays one crisp black line, not a blurred ramp.
    EXPECT_EQ(At(img, 34, 0), 0u);
    EXPECT_EQ(At(img, 34, 4), qRgb(255, 95, 73) & 0xFFFFFFu);
}

TEST(KeyImages, UnknownIdsGiveNothing) {
    const auto unknown = static_cast<KeyImage>(151);
    EXPECT_TRUE(KeyImageDrawnSize(unknown).isEmpty());
    EXPECT_TRUE(RenderKeyImage(unknown, 1.0).isNull());
    EXPECT_TRUE(RenderKeyImageSource(unknown).isNull());
}

} // namespace
} // namespace vorlan
