#include "window/client_area.h"

#include "chart/raster_image.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace lchp {

ClientArea::ClientArea(QWidget* parent)
    : QWidget(parent), surface_(0, 0, ToSurfaceColour(palette().color(QPalette::Window))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, RasterImage(surface_), area);
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    const bool grows = size.width() > surface_.Width() || size.height() > surface_.Height();
    surface_.Resize(size.width(), size.height());
    if (grows) {
        emit exposed();
    }
}

} // namespace lchp
