// Drag and drop of keys inside the grid. A press on a key and a move beyond
// the drag distance start a drag that carries the key (also as clipboard
// text, for other programs); while it moves, the cells the key would take
// are framed, and a drop the key editor refuses shows the forbidden cursor.
// Ctrl at the drop copies. Only drags from this grid are taken.
#pragma once

#include <QObject>
#include <QPoint>
#include <vector>

class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace vorlan {

class KeyEditor;
class KeyGridWidget;
class DropCellsOverlay;

class KeyDragController : public QObject {
    Q_OBJECT
public:
    KeyDragController(KeyGridWidget* grid, KeyEditor& editor);

    // What a drag of the key at slot carries; the caller owns it.
    QMimeData* MimeDataForSlot(int slot) const;
    // The cells framed as the drop target now (none outside a drag).
    const std::vector<int>& ShownDropCells() const;
    // The grid's drag events (enter and move / drop), which the controller
    // filters from it; callable directly, as synthetic drag events are not
    // delivered to a widget without a drag in progress.
    void DragMoved(QDragMoveEvent* event);
    void Dropped(QDropEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartDrag(int slot);
    // The grabbed slot of a drag from this grid, or 0.
    int GrabbedSlot(const QMimeData* data) const;
    // Frames the target and sets the event's action; false when impossible.
    bool Preview(QDropEvent* event, int grabbed);
    int TargetSlot(QDropEvent* event) const;

    KeyGridWidget* grid;
    KeyEditor& editor;
    DropCellsOverlay* overlay;
    QPoint pressPoint;
    int pressSlot = 0;
};

} // namespace vorlan
