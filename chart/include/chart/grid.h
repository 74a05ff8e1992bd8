#pragma once

#include "chart/chart_surface.h"

namespace lchp {

// The chart is the rectangle (0, 0) to (9200, 6400) twips at the top-left of the client area:
// 40 divisions across, 20 down.
inline constexpr int kChartWidth = 9200;
inline constexpr int kChartHeight = 6400;
inline constexpr Colour kGridColour = 7; // the colour value 0x000007, almost black

// The dotted grid (41 columns of points every 40 twips, 21 rows every 60 twips) and the bottom,
// left and middle frame lines, in that order. No top or right edge. Draws over what is there.
void DrawGrid(ChartSurface& surface);

} // namespace lchp
