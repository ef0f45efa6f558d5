// The key grid: one painted widget over a canvas. Every drawing the key
// editor orders goes into the canvas at once; painting only shows the canvas,
// so the grid looks exactly as the editor's piecewise drawing leaves it.
// Pointer positions are reported in the main window's client coordinates,
// the frame the key editor's hit testing works in.
#pragma once

#include "grid/GridGeometry.h"

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <map>
#include <vector>

namespace vorlan {

// From layout/LayoutObserver.h; declared here so moc need not read the
// string table behind that header.
enum class KeyImage : int;

class KeyGridWidget : public QWidget {
    Q_OBJECT
public:
    // Top-left of the grid in the main window's client area, and its extent:
    // 16 columns by 7 rows of 34-pixel cells.
    static constexpr int kLeft = kGridLeft;
    static constexpr int kTop = kGridTop;
    static constexpr int kCell = kCellPitch;
    static constexpr int kColumns = 2 * kGridBlockColumns;
    static constexpr int kRows = kGridRows;

    explicit KeyGridWidget(QWidget* parent = nullptr);

    // Draws an image at the cell of a slot (1..112); other slots are ignored.
    void DrawKeyImage(int slot, KeyImage image);

    // The canvas as drawn, at the current device pixel ratio.
    const QImage& Canvas() const { return canvas; }

    // Top-left of a slot's cell in canvas coordinates (device-independent).
    static QPoint CanvasCellOrigin(int slot);

    QSize sizeHint() const override;

    // Cells marked over the drawing (compare: the keys that differ), with a
    // frame and a corner flag, so the mark does not rest on colour alone.
    // The canvas is not touched; an empty list removes the marks.
    void SetMarkedSlots(std::vector<int> cells);
    const std::vector<int>& MarkedSlots() const { return marked; }

signals:
    void PointerMoved(QPoint clientPoint);
    void PointerPressed(QPoint clientPoint);
    void PointerDoubleClicked(QPoint clientPoint);
    void ContextMenuRequested(QPoint clientPoint, QPoint globalPoint);
    // The canvas had to be re-created (the screen's pixel ratio changed);
    // the owner redraws the whole grid into it.
    void CanvasReset();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void EnsureCanvas();
    const QImage& ImageFor(KeyImage image);
    QPoint ToClient(QPointF local) const;

    QImage canvas;
    qreal canvasRatio = 0;
    std::map<KeyImage, QImage> imageCache;
    std::vector<int> marked;
};

} // namespace vorlan
