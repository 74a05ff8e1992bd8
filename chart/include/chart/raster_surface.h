#pragma once

#include "chart/chart_surface.h"

#include <cstdint>
#include <vector>

namespace lchp {

// The client area as a buffer of pixels that keeps what was drawn until it is cleared, as a
// screen does. Twip (x, y) falls in pixel (floor(x / 15), floor(y / 15)). Pixels are stored as
// 0xFFRRGGBB words, row by row, so a toolkit image can view the buffer without a copy.
class RasterSurface final : public ChartSurface {
public:
    RasterSurface(int width, int height, Colour background);

    void SetPoint(float x, float y, Colour colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void Clear() override;

    // Changes the size in pixels; what was drawn stays where it was, new area is background.
    void Resize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour Background() const { return background_; }
    // The colour of pixel (px, py), which must lie inside the surface.
    Colour PixelAt(int px, int py) const;
    const std::uint32_t* Pixels() const { return pixels_.data(); }

private:
    // A line between two pixels that both lie on the surface.
    void DrawClippedLine(int px, int py, int endX, int endY, std::uint32_t word);
    void Paint(int px, int py, std::uint32_t word);

    int width_;
    int height_;
    Colour background_;
    std::vector<std::uint32_t> pixels_;
};

} // namespace lchp
