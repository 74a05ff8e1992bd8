#pragma once

#include "chart/raster_surface.h"

#include <QImage>

namespace lchp {

// A QImage that views the surface's pixels without copying them. It stays valid until the
// surface is resized or destroyed.
QImage RasterImage(const RasterSurface& surface);

// The surface colour (0x00BBGGRR) of a Qt colour.
Colour ToSurfaceColour(const QColor& colour);

} // namespace lchp
