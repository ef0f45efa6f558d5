#include "grid/ui/KeyGridWidget.h"

#include "grid/ui/KeyImages.h"
#include "grid/ui/KeyNamePainter.h"
#include "hyphenation/HyphenationChoice.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <utility>

namespace vorlan {

KeyGridWidget::KeyGridWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFixedSize(kColumns * kCell, kRows * kCell);
    setAttribute(Qt::WA_OpaquePaintEvent);
    EnsureCanvas();
}

QSize KeyGridWidget::sizeHint() const {
    return {kColumns * pitch, kRows * pitch};
}

void KeyGridWidget::SetCellPitch(int newPitch) {
    newPitch = std::max(newPitch, static_cast<int>(kCell));
    if (newPitch == pitch) {
        return;
    }
    pitch = newPitch;
    setFixedSize(kColumns * pitch, kRows * pitch);
    if (namePainter) {
        namePainter->SetCellPitch(pitch);
    }
    // Every drawing is kept by cell, so the grid is drawn again without the
    // owner.
    RedrawAll();
}

QRect KeyGridWidget::CellRect(int slot) const {
    const GridBox box = ScaledCellBox(slot, pitch);
    return {box.x, box.y, box.width, box.height};
}

QPoint KeyGridWidget::ClientPoint(QPointF local) const {
    const QPoint p = local.toPoint();
    const GridPoint design = DesignPoint(p.x(), p.y(), pitch);
    return {design.x, design.y};
}

QPoint KeyGridWidget::CanvasCellOrigin(int slot) {
    const GridPoint origin = CellOrigin(slot);
    return {origin.x - kLeft, origin.y - kTop};
}

void KeyGridWidget::EnsureCanvas() {
    const qreal ratio = devicePixelRatioF();
    if (!canvas.isNull() && ratio == canvasRatio && pitch == canvasPitch) {
        return;
    }
    const bool ratioChanged = !canvas.isNull() && ratio != canvasRatio;
    canvasRatio = ratio;
    canvasPitch = pitch;
    imageCache.clear();
    canvas = QImage(qRound(kColumns * pitch * ratio), qRound(kRows * pitch * ratio),
                    QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::black);
    if (ratioChanged) {
        Q_EMIT CanvasReset();
    }
}

const QImage& KeyGridWidget::ImageFor(KeyImage image) {
    auto it = imageCache.find(image);
    if (it == imageCache.end()) {
        it = imageCache.emplace(image, RenderKeyImage(image, canvasRatio, pitch)).first;
    }
    return it->second;
}

void KeyGridWidget::DrawKeyImage(int slot, KeyImage imageId) {
    DrawKeyImage(slot, imageId, QString());
}

KeyGridWidget::~KeyGridWidget() = default;

void KeyGridWidget::paintEvent(QPaintEvent* event) {
    // Moving to a screen of another pixel ratio re-creates the canvas; the
    // owner redraws it before it is shown.
    EnsureCanvas();
    // A dictionary loaded or another language chosen: the names break anew.
    if (showNames && namesGeneration != HyphenationGeneration()) {
        namesGeneration = HyphenationGeneration();
        RedrawAll();
    }
    QPainter p(this);
    p.drawImage(event->rect(), canvas,
                QRectF(event->rect().topLeft() * canvasRatio, event->rect().size() * canvasRatio));
    if (marked.empty()) {
        return;
    }
    const QColor markColour(255, 140, 0);
    p.setRenderHint(QPainter::Antialiasing);
    for (int slot : marked) {
        const QRect cell = CellRect(slot);
        p.setPen(QPen(markColour, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cell.adjusted(2, 2, -3, -3));
        // A corner flag with a dark outline: visible on any key image and
        // without telling colours apart.
        const QPoint corner = cell.topRight() + QPoint(-2, 2);
        const QPolygon flag({corner, corner + QPoint(-11, 0), corner + QPoint(0, 11)});
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(markColour);
        p.drawPolygon(flag);
    }
}

void KeyGridWidget::SetMarkedSlots(std::vector<int> theCells) {
    std::erase_if(theCells, [](int s) { return s < 1 || s > kMaxKeys; });
    marked = std::move(theCells);
    update();
}

// Moves and presses on the grid end here: the window behind it would take the
// point in its own pixels, which are not the grid's once its cells grow.
void KeyGridWidget::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT PointerMoved(ClientPoint(event->position()));
    event->accept();
}

// The pointer left the grid: no key is under it (a point outside every cell).
void KeyGridWidget::leaveEvent(QEvent* event) {
    Q_EMIT PointerMoved(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void KeyGridWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT PointerPressed(ClientPoint(event->position()));
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void KeyGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT PointerDoubleClicked(ClientPoint(event->position()));
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void KeyGridWidget::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT ContextMenuRequested(ClientPoint(event->pos()), event->globalPos());
    event->accept();
}

void KeyGridWidget::showEvent(QShowEvent* event) {
    EnsureCanvas();
    QWidget::showEvent(event);
}

} // namespace vorlan
