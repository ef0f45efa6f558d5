// The eight key images of the grid, drawn by code: a bevelled key cap per
// image the key editor asks for. Each is designed at 39 source pixels per
// cell and shown at 34 device-independent pixels, drawn in device pixels.
#pragma once

#include "layout/LayoutObserver.h"

#include <QImage>
#include <QSize>

namespace vorlan {

// Size on screen in device-independent pixels, with cells of `cellPitch`
// pixels (the grid's designed 34, or more in a larger window); empty for an
// unknown id.
QSize KeyImageDrawnSize(KeyImage image, int cellPitch = 34);

// The design at its source size, or a scaled copy of it: `scale` source
// pixels per design pixel (used to render sharp images on high-DPI screens).
QImage RenderKeyImageSource(KeyImage image, int scale = 1);

// The image at its drawn size for a screen of the given device pixel ratio
// and cells of `cellPitch` pixels; a null image for an unknown id.
QImage RenderKeyImage(KeyImage image, qreal devicePixelRatio, int cellPitch = 34);

} // namespace vorlan
