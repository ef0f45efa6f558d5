// The key grid: one painted widget over a canvas. Every drawing the key
// editor orders goes into the canvas at once; painting only shows the canvas,
// so the grid looks exactly as the editor's piecewise drawing leaves it.
// Pointer positions are reported in the main window's client coordinates,
// the frame the key editor's hit testing works in.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <map>

namespace vorlan {

class KeyGridWidget : public QWidget {
    Q_OBJECT
public:
    // Top-left of the grid in the main window's client area, and its extent:
    // 16 columns by 7 rows of 34-pixel cells.
    static constexpr int kLeft = 9;
    static constexpr int kTop = 90;
    static constexpr int kCell = 34;
    static constexpr int kColumns = 16;
    static constexpr int kRows = 7;

    explicit KeyGridWidget(QWidget* parent = nullptr);

    // Draws an image at the cell of a slot (1..112); other slots are ignored.
    void DrawKeyImage(int slot, int imageId);

    // The canvas as drawn, at the current device pixel ratio.
    const QImage& Canvas() const { return canvas; }

    // Top-left of a slot's cell in canvas coordinates (device-independent).
    static QPoint CanvasCellOrigin(int slot);

    QSize sizeHint() const override;

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
    const QImage& ImageFor(int imageId);
    QPoint ToClient(QPointF local) const;

    QImage canvas;
    qreal canvasRatio = 0;
    std::map<int, QImage> imageCache;
};

} // namespace vorlan
