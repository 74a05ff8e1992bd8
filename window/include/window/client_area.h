#pragma once

#include "chart/raster_surface.h"

#include <QWidget>

namespace lchp {

// The window's client area: the controls stand on it and the chart is drawn on it, through a
// raster surface that keeps its pixels as a screen does. Only area that the window newly
// exposes, when it grows, starts erased; it then asks for the paint handler with exposed().
class ClientArea final : public QWidget {
    Q_OBJECT

  public:
    explicit ClientArea(QWidget* parent = nullptr);

    ChartSurface& Surface() { return surface_; }

  signals:
    void exposed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    RasterSurface surface_;
};

} // namespace lchp
