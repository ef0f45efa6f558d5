// Draws what may lie over a key image on the grid: the key's name, fitted to
// the image's face, and the mark of a key found by a search. Laid-out names
// are kept, so a full redraw measures each name once.
#pragma once

#include "grid/KeyLabelLayout.h"
#include "layout/LayoutObserver.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <map>
#include <vector>

class QPainter;

namespace vorlan {

class KeyNamePainter {
public:
    KeyNamePainter();

    // Cells of `pitch` pixels (34 as designed): the face's inset and the
    // name's sizes grow with the cell.
    void SetCellPitch(int pitch);

    // The face of an image drawn at imageRect with cells of cellPitch pixels:
    // where its name may go.
    static QRect FaceRect(const QRect& imageRect, KeyImage image, int cellPitch = 34);

    // Draws name on the face of the image at imageRect, never outside it, in
    // ink (black suits the editor's red face; the key test tints its keys).
    void DrawName(QPainter& painter, const QRect& imageRect, KeyImage image, const QString& name,
                  const QColor& ink = Qt::black);

    // A folded corner in the image's top right: a shape, so it reads without
    // telling colours apart, white edged with black on every key colour.
    static void DrawFoundMark(QPainter& painter, const QRect& imageRect);

    // The layout DrawName uses for name in a face of the given size.
    const LabelLayout& Layout(const QString& name, QSize face);
    QFont FontOfSize(int pixelSize) const;

private:
    QFont base;
    int cellPitch = 34;
    std::vector<int> sizes;              // largest first
    QHash<QString, LabelLayout> layouts; // by face size and name
};

} // namespace vorlan
