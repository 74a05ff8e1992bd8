#include "window/client_area.h"

#include "chart/grid.h"
#include "chart/raster_image.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
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
    // The grid lies in the chart rectangle: only when part of it is newly exposed (in practice
    // once, at the first show, since the client area never gets smaller than the controls
    // need) does the paint handler have anything to draw. Drawing it again over a chart that was
    // kept would wipe the curve's points that sit on grid dots.
    const QRect kept(0, 0, surface_.Width(), surface_.Height());
    const QRegion newlyExposed = QRegion(QRect(QPoint(0, 0), event->size())) - QRegion(kept);
    surface_.Resize(event->size().width(), event->size().height());
    if (newlyExposed.intersects(ChartRect())) {
        emit exposed();
    }
}

} // namespace lchp
