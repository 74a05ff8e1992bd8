#include "window/client_area.h"

#include "chart/grid.h"
#include "chart/raster_image.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolTip>

namespace lchp {

ClientArea::ClientArea(QWidget* parent)
    : QWidget(parent), surface_(0, 0, ToSurfaceColour(palette().color(QPalette::Window))) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect ClientArea::ChartRect() {
    // The frame lines at 9200 and 6400 twips fall in the last column and row of pixels.
    return {0, 0, kChartWidth / kTwipsPerPixel + 1, kChartHeight / kTwipsPerPixel + 1};
}

QImage ClientArea::ChartImage() const {
    return RasterImage(surface_).copy(ChartRect().intersected(rect()));
}

bool ClientArea::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint where = help->pos();
    const QString text =
        readout_ && ChartRect().contains(where)
            ? readout_(where.x() * double{kTwipsPerPixel}, where.y() * double{kTwipsPerPixel})
            : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
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
