#include "chart/grid.h"

namespace lchp {

namespace {

constexpr int kColumnSpacing = 230;
constexpr int kColumnDotSpacing = 40;
constexpr int kRowSpacing = 320;
constexpr int kRowDotSpacing = 60;

void Dot(ChartSurface& surface, int x, int y) {
    surface.SetPoint(static_cast<float>(x), static_cast<float>(y), kGridColour);
}

} // namespace

void DrawGrid(ChartSurface& surface) {
    for (int x = 0; x <= kChartWidth; x += kColumnSpacing) {
        for (int y = 0; y <= kChartHeight; y += kColumnDotSpacing) {
            Dot(surface, x, y);
        }
    }
    // The rows stop at 9180, short of the right-hand column.
    for (int y = 0; y <= kChartHeight; y += kRowSpacing) {
        for (int x = 0; x <= kChartWidth; x += kRowDotSpacing) {
            Dot(surface, x, y);
        }
    }
    surface.DrawLine(0, kChartHeight, kChartWidth, kChartHeight, kBlack);
    surface.DrawLine(0, 0, 0, kChartHeight, kBlack);
    constexpr int kMiddle = kChartWidth / 2; // 4600, exact
    surface.DrawLine(kMiddle, 0, kMiddle, kChartHeight, kBlack);
}

} // namespace lchp
