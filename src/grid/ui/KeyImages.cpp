#include "grid/ui/KeyImages.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace vorlan {
namespace {

struct KeyImageStyle {
    int columns;
    int rows;
    int bevel;
    QColor face;
    QColor light;
    QColor dark;
};

constexpr int kSourceCell = 39;

bool StyleOf(KeyImage image, KeyImageStyle& style) {
    const QColor blueFace(16, 61, 118);
    const QColor blueDark(0, 0, 128);
    const QColor redFace(255, 95, 73);
    const QColor redDark(128, 0, 0);
    const QColor yellow(255, 255, 0);
    const QColor olive(182, 180, 98);
    switch (image) {
    case KeyImage::Empty:
        style = {1, 1, 4, blueFace, blueFace, blueDark};
        return true;
    case KeyImage::Single:
        style = {1, 1, 4, redFace, redFace, redDark};
        return true;
    case KeyImage::Unavailable:
        style = {1, 1, 4, QColor(128, 128, 128), QColor(128, 128, 128), QColor(1, 56, 48)};
        return true;
    case KeyImage::DoubleDown:
        style = {1, 2, 4, redFace, redFace, redDark};
        return true;
    case KeyImage::DoubleRight:
        style = {2, 1, 4, redFace, redFace, redDark};
        return true;
    case KeyImage::Quad:
        style = {2, 2, 6, redFace, redFace, redDark};
        return true;
    case KeyImage::SelectedKey:
        style = {1, 1, 4, redFace, yellow, olive};
        return true;
    case KeyImage::SelectedEmpty:
        style = {1, 1, 4, blueFace, yellow, olive};
        return true;
    case KeyImage::SelectedDoubleDown:
        style = {1, 2, 4, redFace, yellow, olive};
        return true;
    case KeyImage::SelectedDoubleRight:
        style = {2, 1, 4, redFace, yellow, olive};
        return true;
    case KeyImage::SelectedQuad:
        style = {2, 2, 6, redFace, yellow, olive};
        return true;
    default:
        return false;
    }
}

} // namespace

QSize KeyImageDrawnSize(KeyImage image, int cellPitch) {
    KeyImageStyle style;
    if (!StyleOf(image, style) || cellPitch <= 0) {
        return {};
    }
    return {style.columns * cellPitch, style.rows * cellPitch};
}

namespace {

// One key cap in the painter's units: a black border `border` wide around the
// bevel, which ends at `inner`, a black border of the same width around the
// face, and black corner lines through the bevel.
void PaintCap(QPainter& p, qreal w, qreal h, qreal border, qreal inner,
              const KeyImageStyle& style) {
    p.setPen(Qt::NoPen);
    const qreal outer = border;
    const QPointF o0(outer, outer), o1(w - outer, outer), o2(w - outer, h - outer),
        o3(outer, h - outer);
    const QPointF i0(inner, inner), i1(w - inner, inner), i2(w - inner, h - inner),
        i3(inner, h - inner);

    p.setBrush(style.light);
    p.drawPolygon(QPolygonF({o0, o1, i1, i0})); // top
    p.drawPolygon(QPolygonF({o0, i0, i3, o3})); // left
    p.setBrush(style.dark);
    p.drawPolygon(QPolygonF({o3, i3, i2, o2})); // bottom
    p.drawPolygon(QPolygonF({o1, o2, i2, i1})); // right

    p.setBrush(style.face);
    p.drawRect(QRectF(inner + border, inner + border, w - 2 * inner - 2 * border,
                      h - 2 * inner - 2 * border));

    // The corner lines run from each outer corner to the matching inner one,
    // through the centre of the border pixels.
    QPen line(Qt::black);
    line.setWidthF(border);
    p.setPen(line);
    const qreal half = border / 2;
    p.drawLine(QPointF(half, half), QPointF(inner + half, inner + half));
    p.drawLine(QPointF(w - half, half), QPointF(w - inner - half, inner + half));
    p.drawLine(QPointF(w - half, h - half), QPointF(w - inner - half, h - inner - half));
    p.drawLine(QPointF(half, h - half), QPointF(inner + half, h - inner - half));
}

} // namespace

QImage RenderKeyImageSource(KeyImage image, int scale) {
    KeyImageStyle style;
    if (!StyleOf(image, style) || scale < 1) {
        return {};
    }
    const int w = style.columns * kSourceCell;
    const int h = style.rows * kSourceCell;
    QImage picture(w * scale, h * scale, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.scale(scale, scale);
    // Design pixels: outer border 1, bevel, inner border 1, face.
    PaintCap(p, w, h, 1, 1 + style.bevel, style);
    return picture;
}

QImage RenderKeyImage(KeyImage image, qreal devicePixelRatio, int cellPitch) {
    KeyImageStyle style;
    if (!StyleOf(image, style) || cellPitch <= 0) {
        return {};
    }
    const QSize drawn = KeyImageDrawnSize(image, cellPitch);
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize target(qRound(drawn.width() * dpr), qRound(drawn.height() * dpr));
    // Drawn straight in device pixels, never scaled: the borders stay one
    // device pixel wide and sharp at every ratio, and only the bevel grows
    // with the screen and the cell (the design's 39 pixels a cell shown as
    // 34, or as the larger cells of a larger window).
    const int bevel = std::max(1, qRound(style.bevel * dpr * cellPitch / kSourceCell));
    QImage picture(target, QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        QPainter p(&picture);
        PaintCap(p, target.width(), target.height(), 1, 1 + bevel, style);
    }
    picture.setDevicePixelRatio(dpr);
    return picture;
}

} // namespace vorlan
