#include "chart/raster_surface.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <utility>
#include <vector>

namespace lchp {
namespace {

constexpr Colour kBackground = 0xC0C0C0;
constexpr Colour kInk = 0x123456;
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kHuge = std::numeric_limits<float>::max();

// Pixels that are not background, as (x, y).
std::vector<std::pair<int, int>> Inked(const RasterSurface& surface) {
    std::vector<std::pair<int, int>> inked;
    for (int py = 0; py < surface.Height(); ++py) {
        for (int px = 0; px < surface.Width(); ++px) {
            if (surface.PixelAt(px, py) != kBackground) {
                inked.emplace_back(px, py);
            }
        }
    }
    return inked;
}

TEST(RasterSurfaceTest, PointFallsInThePixelUnderIt) {
    struct Row {
        const char* name;
        float x, y;
        int px, py;
    };
    const Row rows[] = {
        {"origin", 0, 0, 0, 0},
        {"just short of the next pixel", 14.9f, 29.9f, 0, 1},
        {"on a pixel boundary", 15, 30, 1, 2},
        {"last pixel", 9 * 15 + 14.5f, 6 * 15 + 14.5f, 9, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RasterSurface surface(10, 7, kBackground);
        surface.SetPoint(row.x, row.y, kInk);
        const std::vector<std::pair<int, int>> expected = {{row.px, row.py}};
        EXPECT_EQ(Inked(surface), expected);
        EXPECT_EQ(surface.PixelAt(row.px, row.py), kInk);
    }
}

TEST(RasterSurfaceTest, PointsOutsideOrNotFiniteDrawNothing) {
    const std::pair<float, float> outside[] = {
        {-0.01f, 10}, {10, -0.01f}, {150, 10}, {10, 105}, {-kHuge, 0},     {kHuge, kHuge},
        {kInf, 0},    {0, -kInf},   {kNaN, 0}, {0, kNaN}, {-1e30f, 1e30f},
    };
    for (const auto& [x, y] : outside) {
        SCOPED_TRACE(testing::Message() << x << ", " << y);
        RasterSurface surface(10, 7, kBackground);
        surface.SetPoint(x, y, kInk);
        EXPECT_TRUE(Inked(surface).empty());
    }
}

TEST(RasterSurfaceTest, LinesAreClippedAtEveryEdge) {
    struct Row {
        const char* name;
        float x1, y1, x2, y2;
        std::size_t inked;
    };
    // A 10 x 7 pixel surface is 150 x 105 twips.
    const Row rows[] = {
        {"inside, horizontal", 0, 30, 60, 30, 5},
        {"through left and right edges", -1e6f, 50, 1e6f, 50, 10},
        {"through top and bottom edges", 20, -1e6f, 20, 1e6f, 7},
        {"diagonal through two corners", -1e6f, -1e6f, 1e6f, 1e6f, 7},
        {"wholly left", -300, 0, -100, 100, 0},
        {"wholly below", 0, 200, 150, 400, 0},
        {"single point", 20, 20, 20, 20, 1},
        {"ends at the float range", -kHuge, 50, kHuge, 50, 10},
        {"non-finite end", 0, 0, kInf, 50, 0},
        {"NaN end", kNaN, 0, 50, 50, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RasterSurface surface(10, 7, kBackground);
        surface.DrawLine(row.x1, row.y1, row.x2, row.y2, kInk);
        EXPECT_EQ(Inked(surface).size(), row.inked);
    }
}

TEST(RasterSurfaceTest, ClearAndResizeKeepWhatAScreenWould) {
    RasterSurface surface(10, 7, kBackground);
    surface.SetPoint(15, 15, kInk);
    surface.Resize(20, 3);
    EXPECT_EQ(surface.PixelAt(1, 1), kInk);
    EXPECT_EQ(Inked(surface).size(), 1u);
    surface.Resize(4, 9);
    EXPECT_EQ(surface.PixelAt(1, 1), kInk);
    EXPECT_EQ(surface.PixelAt(3, 8), kBackground);
    surface.Clear();
    EXPECT_TRUE(Inked(surface).empty());
}

TEST(RasterSurfaceTest, EmptySurfaceTakesAnyDrawing) {
    RasterSurface surface(0, 0, kBackground);
    surface.SetPoint(0, 0, kInk);
    surface.DrawLine(-10, -10, 10, 10, kInk);
    surface.Clear();
    EXPECT_EQ(surface.Width(), 0);
}

} // namespace
} // namespace lchp
