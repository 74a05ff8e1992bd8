#include "chart/raster_image.h"

#include <QColor>

namespace lchp {

QImage RasterImage(const RasterSurface& surface) {
    return QImage(reinterpret_cast<const uchar*>(surface.Pixels()), surface.Width(),
                  surface.Height(), static_cast<qsizetype>(surface.Width()) * 4,
                  QImage::Format_RGB32);
}

Colour ToSurfaceColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return (static_cast<Colour>(rgb.blue()) << 16) | (static_cast<Colour>(rgb.green()) << 8) |
           static_cast<Colour>(rgb.red());
}

} // namespace lchp
