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
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace vorlan {

// From layout/LayoutObserver.h; declared here so moc need not read the
// string table behind that header.
enum class KeyImage : int;

class KeyNamePainter;

class KeyGridWidget : public QWidget {
    Q_OBJECT
public:
    // Top-left of the grid in the main window's client area as designed, and
    // its extent there: 16 columns by 7 rows of 34-pixel cells. A larger
    // window shows larger cells (SetCellPitch); pointer positions are still
    // reported in the designed frame.
    static constexpr int kLeft = kGridLeft;
    static constexpr int kTop = kGridTop;
    static constexpr int kCell = kCellPitch;
    static constexpr int kColumns = kGridColumns;
    static constexpr int kRows = kGridRows;

    explicit KeyGridWidget(QWidget* parent = nullptr);
    ~KeyGridWidget() override;

    // Draws an image at the cell of a slot (1..112); other slots are ignored.
    void DrawKeyImage(int slot, KeyImage image);

    // The canvas as drawn, at the current device pixel ratio.
    const QImage& Canvas() const { return canvas; }

    // Top-left of a slot's cell in canvas coordinates (device-independent)
    // at the designed cell size.
    static QPoint CanvasCellOrigin(int slot);

    // Cells of `pitch` pixels (never below kCell); the widget takes the size
    // of 16 by 7 such cells and draws everything again at once.
    void SetCellPitch(int pitch);
    int CellPitch() const { return pitch; }
    // A slot's cell in the widget as it is drawn now; empty for no slot.
    QRect CellRect(int slot) const;
    // A point of the widget in the main window's designed client frame, the
    // one hit testing works in.
    QPoint ClientPoint(QPointF local) const;

    QSize sizeHint() const override;

    // --- What may lie over the key images (the images stay as they are) ---
    // Draws an image with the key's name, which shows while names are on. An
    // image that covers part of an earlier one leaves that one without name.
    void DrawKeyImage(int slot, KeyImage image, const QString& name);
    void SetShowNames(bool on);
    bool ShowNames() const { return showNames; }
    // Cells of the keys a search found; each image over one carries a mark.
    void SetFoundCells(const std::vector<int>& slots);
    // The tooltip of a slot (1..112); an empty text shows none.
    void SetToolTipSource(std::function<QString(int slot)> source);
    // Cells marked over the drawing (compare: the keys that differ), with a
    // frame and a corner flag, so the mark does not rest on colour alone.
    // The canvas is not touched; an empty list removes the marks.
    void SetMarkedSlots(std::vector<int> cells);
    const std::vector<int>& MarkedSlots() const { return marked; }

Q_SIGNALS:
    void PointerMoved(QPoint clientPoint);
    void PointerPressed(QPoint clientPoint);
    void PointerDoubleClicked(QPoint clientPoint);
    void ContextMenuRequested(QPoint clientPoint, QPoint globalPoint);
    // The canvas had to be re-created (the screen's pixel ratio changed);
    // the owner redraws the whole grid into it.
    void CanvasReset();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void EnsureCanvas();
    const QImage& ImageFor(KeyImage image);

    // Which drawing shows each cell, so names and marks can be drawn again
    // without the owner, and only over images that are wholly visible.
    struct CellDrawing {
        int anchor = 0; // the slot the image was drawn at; 0 for none
        KeyImage image{};
    };
    std::vector<int> CellsOf(int anchor, KeyImage image) const;
    bool IsWhole(int anchor) const;
    void DrawCellPart(QPainter& painter, int cell);
    void Decorate(QPainter& painter, int anchor);
    void RedrawAll();

    QImage canvas;
    qreal canvasRatio = 0;
    int pitch = kCell;
    int canvasPitch = 0;
    std::map<KeyImage, QImage> imageCache;

    std::array<CellDrawing, kMaxKeys + 1> cells{};
    std::array<QString, kMaxKeys + 1> names;
    std::array<bool, kMaxKeys + 1> found{};
    bool anyFound = false;
    bool showNames = false;
    unsigned namesGeneration = 0; // of the hyphenation the names were drawn with
    std::unique_ptr<KeyNamePainter> namePainter;
    std::function<QString(int)> toolTipSource;
    std::vector<int> marked;
};

} // namespace vorlan
