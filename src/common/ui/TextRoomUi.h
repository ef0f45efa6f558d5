// Widens controls placed at fixed positions until their translated captions
// fit (see common/TextRoom.h); a window whose captions fit is left untouched.
#pragma once

#include <QSet>
#include <QString>

class QWidget;

namespace vorlan {

// The width w needs to show text whole in its own font: labels with their
// frame and indent, check boxes and radio buttons with their indicator,
// buttons with their margins; 0 for a control without a caption.
int NeededTextWidth(const QWidget* w, const QString& text);
int NeededTextWidth(const QWidget* w);

// Grows the direct children of container whose captions are cut and moves
// the columns right of them; the children in keepWidth only move. Returns how
// many pixels wider the container's contents became.
int MakeRoomForTexts(QWidget* container, const QSet<const QWidget*>& keepWidth = {});

} // namespace vorlan
