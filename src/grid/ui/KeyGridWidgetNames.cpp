// The key grid's names, found marks and tooltips: drawn into the same canvas
// as the key images, right after the image under them.
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyImages.h"
#include "grid/ui/KeyNamePainter.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace vorlan {
namespace {

bool IsSlot(int slot) {
    return slot >= 1 && slot <= kMaxKeys;
}

} // namespace

std::vector<int> KeyGridWidget::CellsOf(int anchor, KeyImage image) const {
    const QSize size = KeyImageDrawnSize(image);
    const QPoint origin = CanvasCellOrigin(anchor);
    std::vector<int> covered;
    for (int y = 0; y < size.height(); y += kCell) {
        for (int x = 0; x < size.width(); x += kCell) {
            const int cell = SlotAt(origin.x() + x + kLeft, origin.y() + y + kTop, kMaxKeys);
            if (cell != 0) {
                covered.push_back(cell);
            }
        }
    }
    return covered;
}

bool KeyGridWidget::IsWhole(int anchor) const {
    const CellDrawing drawing = cells[static_cast<std::size_t>(anchor)];
    if (drawing.anchor != anchor) {
        return false;
    }
    const std::vector<int> covered = CellsOf(anchor, drawing.image);
    return std::all_of(covered.begin(), covered.end(), [&](int cell) {
        const CellDrawing& shown = cells[static_cast<std::size_t>(cell)];
        return shown.anchor == anchor && shown.image == drawing.image;
    });
}

// The part of its image that a cell shows, copied again.
void KeyGridWidget::DrawCellPart(QPainter& painter, int cell) {
    const CellDrawing drawing = cells[static_cast<std::size_t>(cell)];
    if (drawing.anchor == 0) {
        return;
    }
    const QImage& image = ImageFor(drawing.image);
    const QPoint at = CellRect(cell).topLeft();
    const QPoint offset = at - CellRect(drawing.anchor).topLeft();
    painter.drawImage(QRectF(at, QSizeF(pitch, pitch)), image,
                      QRectF(QPointF(offset) * canvasRatio, QSizeF(pitch, pitch) * canvasRatio));
}

void KeyGridWidget::Decorate(QPainter& painter, int anchor) {
    const CellDrawing drawing = cells[static_cast<std::size_t>(anchor)];
    const QString& name = names[static_cast<std::size_t>(anchor)];
    const bool named = showNames && !name.isEmpty();
    if (!named && !anyFound) {
        return;
    }
    const std::vector<int> covered = CellsOf(anchor, drawing.image);
    const bool isFound = anyFound && std::any_of(covered.begin(), covered.end(), [this](int cell) {
                             return found[static_cast<std::size_t>(cell)];
                         });
    if (!named && !isFound) {
        return;
    }
    const QRect rect(CellRect(anchor).topLeft(), KeyImageDrawnSize(drawing.image, pitch));
    if (named) {
        if (!namePainter) {
            namePainter = std::make_unique<KeyNamePainter>();
            namePainter->SetCellPitch(pitch);
        }
        namePainter->DrawName(painter, rect, drawing.image, name);
    }
    if (isFound) {
        KeyNamePainter::DrawFoundMark(painter, rect);
    }
}

void KeyGridWidget::DrawKeyImage(int slot, KeyImage imageId, const QString& name) {
    if (!IsSlot(slot)) {
        return;
    }
    EnsureCanvas();
    const QImage& image = ImageFor(imageId);
    if (image.isNull()) {
        return;
    }
    const QPoint origin = CellRect(slot).topLeft();
    QRect dirty(origin, KeyImageDrawnSize(imageId, pitch));

    // Drawings this image takes cells from; what is left of them is drawn
    // again without their name or mark, which would be cut apart.
    std::vector<CellDrawing> displaced;
    for (const int cell : CellsOf(slot, imageId)) {
        CellDrawing& shown = cells[static_cast<std::size_t>(cell)];
        const bool other = shown.anchor != 0 && (shown.anchor != slot || shown.image != imageId);
        if (other && std::none_of(displaced.begin(), displaced.end(), [&](const CellDrawing& d) {
                return d.anchor == shown.anchor && d.image == shown.image;
            })) {
            displaced.push_back(shown);
        }
        shown = {slot, imageId};
    }
    names[static_cast<std::size_t>(slot)] = name;

    QPainter p(&canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(origin, image);
    if (showNames || anyFound) {
        for (const CellDrawing& old : displaced) {
            for (const int cell : CellsOf(old.anchor, old.image)) {
                const CellDrawing& shown = cells[static_cast<std::size_t>(cell)];
                if (shown.anchor == old.anchor && shown.image == old.image) {
                    DrawCellPart(p, cell);
                    dirty |= CellRect(cell);
                }
            }
        }
        Decorate(p, slot);
    }
    p.end();
    update(dirty);
}

void KeyGridWidget::RedrawAll() {
    EnsureCanvas();
    QPainter p(&canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int cell = 1; cell <= kMaxKeys; ++cell) {
        DrawCellPart(p, cell);
    }
    for (int anchor = 1; anchor <= kMaxKeys; ++anchor) {
        if (IsWhole(anchor)) {
            Decorate(p, anchor);
        }
    }
    p.end();
    update();
}

void KeyGridWidget::SetShowNames(bool on) {
    if (on != showNames) {
        showNames = on;
        RedrawAll();
    }
}

void KeyGridWidget::SetFoundCells(const std::vector<int>& slots) {
    std::array<bool, kMaxKeys + 1> now{};
    for (const int slot : slots) {
        if (IsSlot(slot)) {
            now[static_cast<std::size_t>(slot)] = true;
        }
    }
    if (now != found) {
        found = now;
        anyFound = std::find(found.begin(), found.end(), true) != found.end();
        RedrawAll();
    }
}

void KeyGridWidget::SetToolTipSource(std::function<QString(int slot)> source) {
    toolTipSource = std::move(source);
}

bool KeyGridWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    auto* help = static_cast<QHelpEvent*>(event);
    const QPoint client = ClientPoint(help->pos());
    const int slot = SlotAt(client.x(), client.y(), kMaxKeys);
    const QString text = slot != 0 && toolTipSource ? toolTipSource(slot) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The cell as the tooltip's area, so moving to the next cell updates it.
    QToolTip::showText(help->globalPos(), text, this, CellRect(slot));
    return true;
}

} // namespace vorlan
