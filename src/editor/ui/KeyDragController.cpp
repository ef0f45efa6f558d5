#include "editor/ui/KeyDragController.h"

#include "editor/KeyEditor.h"
#include "editor/ui/KeyClipboard.h"
#include "grid/ui/KeyGridWidget.h"

#include <QApplication>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace vorlan {
namespace {

constexpr const char* kDragMimeType = "application/x-vorlan-key-drag";

// Marks this grid's drags, so a drag from another window is never taken
// for a move of one of our own slots.
QByteArray DragToken(const QObject* controller) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(controller));
}

} // namespace

// Frames the cells a drop would fill, above the grid's canvas.
class DropCellsOverlay : public QWidget {
public:
    explicit DropCellsOverlay(KeyGridWidget* theGrid) : QWidget(theGrid), grid(theGrid) {
        setObjectName(QStringLiteral("dropCellsOverlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        resize(grid->sizeHint());
        hide();
    }

    void Show(std::vector<int> shown) {
        cells = std::move(shown);
        setVisible(!cells.empty());
        update();
    }

    std::vector<int> cells;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 160, 0), 3));
        painter.setBrush(QColor(0, 200, 0, 60));
        for (int slot : cells) {
            painter.drawRect(grid->CellRect(slot).adjusted(2, 2, -2, -2));
        }
    }

private:
    const KeyGridWidget* grid;
};

KeyDragController::KeyDragController(KeyGridWidget* theGrid, KeyEditor& theEditor)
    : QObject(theGrid), grid(theGrid), editor(theEditor), overlay(new DropCellsOverlay(theGrid)) {
    setObjectName(QStringLiteral("keyDragController"));
    theGrid->setAcceptDrops(true);
    theGrid->installEventFilter(this);
}

const std::vector<int>& KeyDragController::ShownDropCells() const {
    return overlay->cells;
}

QMimeData* KeyDragController::MimeDataForSlot(int slot) const {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kDragMimeType),
                  DragToken(this) + ':' + QByteArray::number(slot));
    // The key travels as its clipboard text too, for a drop on another program.
    const std::optional<KeyContent> content = ContentAt(editor.Document(), slot);
    if (content && content->codes[0] != 0) {
        FillKeyMimeData(*data, FormatKeyClip(*content), PlainKeyText(*content));
    }
    return data;
}

int KeyDragController::GrabbedSlot(const QMimeData* data) const {
    if (data == nullptr || !data->hasFormat(QString::fromLatin1(kDragMimeType))) {
        return 0;
    }
    const QByteArray payload = data->data(QString::fromLatin1(kDragMimeType));
    const QByteArray token = DragToken(this) + ':';
    if (!payload.startsWith(token)) {
        return 0;
    }
    bool ok = false;
    const int slot = payload.mid(token.size()).toInt(&ok);
    return ok ? slot : 0;
}

int KeyDragController::TargetSlot(QDropEvent* event) const {
    const QPoint client = grid->ClientPoint(event->position());
    return editor.SlotAtPoint(client.x(), client.y());
}

bool KeyDragController::Preview(QDropEvent* event, int grabbed) {
    const bool copy = event->modifiers().testFlag(Qt::ControlModifier);
    const KeyEditor::DropPreview preview = editor.PreviewDrop(grabbed, TargetSlot(event), copy);
    overlay->Show(preview.cells);
    if (preview.kind == DropKind::Impossible) {
        event->ignore();
        return false;
    }
    event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    return true;
}

bool KeyDragController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != grid) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pressSlot = 0;
        if (mouse->button() == Qt::LeftButton) {
            pressPoint = mouse->position().toPoint();
            const QPoint client = grid->ClientPoint(pressPoint);
            const int slot = editor.SlotAtPoint(client.x(), client.y());
            if (!KeyCells(editor.Document(), slot).empty()) {
                pressSlot = slot;
            }
        }
        return false;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressSlot != 0 && mouse->buttons().testFlag(Qt::LeftButton) &&
            (mouse->position().toPoint() - pressPoint).manhattanLength() >=
                QApplication::startDragDistance()) {
            const int slot = pressSlot;
            pressSlot = 0;
            StartDrag(slot);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        pressSlot = 0;
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        DragMoved(static_cast<QDragMoveEvent*>(event));
        return true;
    case QEvent::Resize: // the grid's cells grew or shrank with the window
        overlay->resize(grid->size());
        return false;
    case QEvent::DragLeave:
        overlay->Show({});
        return true;
    case QEvent::Drop:
        Dropped(static_cast<QDropEvent*>(event));
        return true;
    default:
        return false;
    }
}

void KeyDragController::DragMoved(QDragMoveEvent* event) {
    const int grabbed = GrabbedSlot(event->mimeData());
    if (grabbed == 0) {
        event->ignore();
        return;
    }
    // A refused enter would end the moves for this widget: the drag enters
    // over its own key, where it cannot drop yet.
    if (!Preview(event, grabbed) && event->type() == QEvent::DragEnter) {
        event->accept();
    }
}

void KeyDragController::Dropped(QDropEvent* event) {
    const int grabbed = GrabbedSlot(event->mimeData());
    if (grabbed != 0 && Preview(event, grabbed)) {
        editor.OnDrop(grabbed, TargetSlot(event), event->dropAction() == Qt::CopyAction);
    }
    overlay->Show({});
}

void KeyDragController::StartDrag(int slot) {
    auto* drag = new QDrag(grid);
    drag->setMimeData(MimeDataForSlot(slot));
    // The key's own cell picture under the pointer.
    const QRect cellRect = grid->CellRect(slot);
    const QPoint origin = cellRect.topLeft();
    const QImage& canvas = grid->Canvas();
    const qreal ratio = canvas.devicePixelRatio();
    QImage cell = canvas.copy(QRect(origin * ratio, cellRect.size() * ratio));
    cell.setDevicePixelRatio(ratio);
    drag->setPixmap(QPixmap::fromImage(cell));
    drag->setHotSpot(pressPoint - origin);
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    overlay->Show({});
}

} // namespace vorlan
