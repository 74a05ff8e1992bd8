#pragma once

#include "chart/raster_surface.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace lchp {

// The window's client area: the controls stand on it and the chart is drawn on it, through a
// raster surface that keeps its pixels as a screen does. Only area that the window newly
// exposes, when it grows, starts erased; when that area takes in part of the chart it asks for
// the paint handler with exposed().
class ClientArea final : public QWidget {
    Q_OBJECT

public:
    // The tooltip text for the pointer at a point of the chart, in twips; empty for none.
    using Readout = std::function<QString(double xTwips, double yTwips)>;

    explicit ClientArea(QWidget* parent = nullptr);

    ChartSurface& Surface() { return surface_; }
    // The chart rectangle, in pixels of the client area.
    static QRect ChartRect();
    // A copy of what the chart rectangle shows.
    QImage ChartImage() const;
    void SetReadout(Readout readout) { readout_ = std::move(readout); }

signals:
    void exposed();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    RasterSurface surface_;
    Readout readout_;
};

} // namespace lchp
