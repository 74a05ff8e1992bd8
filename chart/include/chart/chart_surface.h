#pragma once

#include <cstdint>

namespace lchp {

// A colour as 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlack = 0x000000;

// 1/1440 inch; at 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

// The window's client area as something to draw on. Coordinates are twips from its top-left
// corner, y downwards. What falls outside is clipped; a non-finite coordinate draws nothing.
class ChartSurface {
public:
    virtual ~ChartSurface() = default;

    // Paints the one pixel under (x, y).
    virtual void SetPoint(float x, float y, Colour colour) = 0;
    // A solid line one pixel wide, both end points included.
    virtual void DrawLine(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // Erases everything drawn to the background colour.
    virtual void Clear() = 0;

protected:
    ChartSurface() = default;
    ChartSurface(const ChartSurface&) = default;
    ChartSurface& operator=(const ChartSurface&) = default;
};

} // namespace lchp
