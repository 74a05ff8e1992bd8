#include "chart/raster_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lchp {

namespace {

std::uint32_t ToWord(Colour colour) {
    const std::uint32_t red = colour & 0xFFu;
    const std::uint32_t green = (colour >> 8) & 0xFFu;
    const std::uint32_t blue = (colour >> 16) & 0xFFu;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

Colour FromWord(std::uint32_t word) {
    const std::uint32_t red = (word >> 16) & 0xFFu;
    const std::uint32_t green = (word >> 8) & 0xFFu;
    const std::uint32_t blue = word & 0xFFu;
    return (blue << 16) | (green << 8) | red;
}

// Continuous pixel coordinate of a twip coordinate; a double holds any float without overflow.
double ToPixels(float twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

// The far edges of the surface belong to no pixel; clipping stops just short of them.
constexpr double kEdgeInset = 1e-9;

enum class Edge { None, Left, Right, Top, Bottom };

// The part of a segment that lies inside a box, as Liang-Barsky finds it: parameters t0 and t1
// along the segment, and the edges it enters and leaves by.
struct Clip {
    double t0 = 0;
    double t1 = 1;
    Edge enter = Edge::None;
    Edge leave = Edge::None;
};

// Narrows the clip to the inner side of one edge; false when nothing is left.
bool ClipEdge(double p, double q, Edge edge, Clip& clip) {
    if (p == 0) {
        return q >= 0;
    }
    const double r = q / p;
    if (p < 0) {
        if (r > clip.t1) {
            return false;
        }
        if (r > clip.t0) {
            clip.t0 = r;
            clip.enter = edge;
        }
    } else {
        if (r < clip.t0) {
            return false;
        }
        if (r < clip.t1) {
            clip.t1 = r;
            clip.leave = edge;
        }
    }
    return true;
}

} // namespace

RasterSurface::RasterSurface(int width, int height, Colour background)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), background_(background),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              ToWord(background)) {}

void RasterSurface::SetPoint(float x, float y, Colour colour) {
    const double px = std::floor(ToPixels(x));
    const double py = std::floor(ToPixels(y));
    // Written so that NaN fails the test too.
    if (!(px >= 0 && px < width_ && py >= 0 && py < height_)) {
        return;
    }
    Paint(static_cast<int>(px), static_cast<int>(py), ToWord(colour));
}

void RasterSurface::DrawLine(float x1, float y1, float x2, float y2, Colour colour) {
    const double ax = ToPixels(x1);
    const double ay = ToPixels(y1);
    const double dx = ToPixels(x2) - ax;
    const double dy = ToPixels(y2) - ay;
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(dx) || !std::isfinite(dy) ||
        width_ == 0 || height_ == 0) {
        return;
    }
    const double right = width_ - kEdgeInset;
    const double bottom = height_ - kEdgeInset;
    Clip clip;
    if (!ClipEdge(-dx, ax, Edge::Left, clip) || !ClipEdge(dx, right - ax, Edge::Right, clip) ||
        !ClipEdge(-dy, ay, Edge::Top, clip) || !ClipEdge(dy, bottom - ay, Edge::Bottom, clip)) {
        return;
    }
    // A clipped end takes the edge's own coordinate, which interpolation between far-away ends
    // would lose to rounding; clamping keeps whatever rounding is left on the surface.
    auto column = [&](double t, Edge edge) {
        const double u = edge == Edge::Left ? 0 : edge == Edge::Right ? right : ax + t * dx;
        return static_cast<int>(std::clamp(u, 0.0, width_ - 1.0));
    };
    auto row = [&](double t, Edge edge) {
        const double v = edge == Edge::Top ? 0 : edge == Edge::Bottom ? bottom : ay + t * dy;
        return static_cast<int>(std::clamp(v, 0.0, height_ - 1.0));
    };
    DrawClippedLine(column(clip.t0, clip.enter), row(clip.t0, clip.enter),
                    column(clip.t1, clip.leave), row(clip.t1, clip.leave), ToWord(colour));
}

void RasterSurface::Clear() {
    std::fill(pixels_.begin(), pixels_.end(), ToWord(background_));
}

void RasterSurface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::vector<std::uint32_t> resized(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height), ToWord(background_));
    const int keptWidth = std::min(width, width_);
    const int keptHeight = std::min(height, height_);
    for (int py = 0; py < keptHeight; ++py) {
        const auto from = pixels_.begin() + static_cast<std::ptrdiff_t>(py) * width_;
        std::copy(from, from + keptWidth,
                  resized.begin() + static_cast<std::ptrdiff_t>(py) * width);
    }
    pixels_ = std::move(resized);
    width_ = width;
    height_ = height;
}

Colour RasterSurface::PixelAt(int px, int py) const {
    return FromWord(pixels_.at(static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) +
                               static_cast<std::size_t>(px)));
}

void RasterSurface::DrawClippedLine(int px, int py, int endX, int endY, std::uint32_t word) {
    // Bresenham, both ends included.
    const int stepX = px < endX ? 1 : -1;
    const int stepY = py < endY ? 1 : -1;
    const int spanX = std::abs(endX - px);
    const int spanY = -std::abs(endY - py);
    int error = spanX + spanY;
    for (;;) {
        Paint(px, py, word);
        if (px == endX && py == endY) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= spanY) {
            error += spanY;
            px += stepX;
        }
        if (twice <= spanX) {
            error += spanX;
            py += stepY;
        }
    }
}

void RasterSurface::Paint(int px, int py, std::uint32_t word) {
    pixels_[static_cast<std::size_t>(py) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(px)] = word;
}

} // namespace lchp
