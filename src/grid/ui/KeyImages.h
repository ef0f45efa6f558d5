// The eight key images of the grid, drawn by code: a bevelled key cap per
// image id (the ids are those the key editor asks for). Each is designed at
// 39 source pixels per cell and reduced to 34 device-independent pixels.
#pragma once

#include <QImage>
#include <QSize>

namespace vorlan {

enum KeyImageId : int {
    KeyImageEmpty = 152,
    KeyImageSingle = 153,
    KeyImageUnavailable = 154,
    KeyImageDoubleDown = 155,
    KeyImageDoubleRight = 156,
    KeyImageQuad = 157,
    KeyImageSelectedKey = 166,
    KeyImageSelectedEmpty = 167,
};

// Size on screen in device-independent pixels; empty for an unknown id.
QSize KeyImageDrawnSize(int imageId);

// Size of the design, 39 pixels per cell.
QSize KeyImageSourceSize(int imageId);

// The design at its source size, or a scaled copy of it: `scale` source
// pixels per design pixel (used to render sharp images on high-DPI screens).
QImage RenderKeyImageSource(int imageId, int scale = 1);

// The image at its drawn size for a screen of the given device pixel ratio;
// a null image for an unknown id.
QImage RenderKeyImage(int imageId, qreal devicePixelRatio);

} // namespace vorlan
