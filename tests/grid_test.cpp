#include "chart/grid.h"
#include "chart/raster_surface.h"
#include "recording_surface.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lchp {
namespace {

using Kind = RecordingSurface::Kind;

TEST(DrawGridTest, ColumnsThenRowsThenThreeFrameLines) {
    RecordingSurface surface;
    DrawGrid(surface);
    ASSERT_EQ(surface.calls.size(), 41u * 161u + 21u * 154u + 3u);

    const auto& calls = surface.calls;
    const std::size_t rowsStart = 41 * 161;
    const std::size_t linesStart = rowsStart + 21 * 154;
    for (std::size_t i = 0; i < linesStart; ++i) {
        ASSERT_EQ(calls[i].kind, Kind::Point) << i;
        ASSERT_EQ(calls[i].colour, 7u) << i;
    }
    // Column order: x outer, y inner.
    EXPECT_EQ(calls[0].x1, 0);
    EXPECT_EQ(calls[1].y1, 40);
    EXPECT_EQ(calls[160].y1, 6400);
    EXPECT_EQ(calls[161].x1, 230);
    EXPECT_EQ(calls[rowsStart - 1].x1, 9200);
    EXPECT_EQ(calls[rowsStart - 1].y1, 6400);
    // Row order: y outer, x inner; each row ends at 9180.
    EXPECT_EQ(calls[rowsStart + 1].x1, 60);
    EXPECT_EQ(calls[rowsStart + 153].x1, 9180);
    EXPECT_EQ(calls[rowsStart + 154].y1, 320);
    EXPECT_EQ(calls[linesStart - 1].x1, 9180);
    EXPECT_EQ(calls[linesStart - 1].y1, 6400);

    struct Line {
        float x1, y1, x2, y2;
    };
    const Line frame[] = {{0, 6400, 9200, 6400}, {0, 0, 0, 6400}, {4600, 0, 4600, 6400}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& call = calls[linesStart + i];
        EXPECT_EQ(call.kind, Kind::Line);
        EXPECT_EQ(call.colour, 0u);
        EXPECT_EQ(call.x1, frame[i].x1);
        EXPECT_EQ(call.y1, frame[i].y1);
        EXPECT_EQ(call.x2, frame[i].x2);
        EXPECT_EQ(call.y2, frame[i].y2);
    }
}

TEST(DrawGridTest, RightColumnComesFromTheColumnsAlone) {
    RecordingSurface surface;
    DrawGrid(surface);
    const auto points = surface.Points();
    const auto atRightEdge = std::count_if(points.begin(), points.end(),
                                           [](const auto& call) { return call.x1 == 9200; });
    EXPECT_EQ(atRightEdge, 161);
}

TEST(DrawGridTest, TwiceLeavesTheSamePixels) {
    RasterSurface once(700, 500, 0xF0F0F0);
    DrawGrid(once);
    RasterSurface twice(700, 500, 0xF0F0F0);
    DrawGrid(twice);
    DrawGrid(twice);
    EXPECT_TRUE(std::equal(once.Pixels(), once.Pixels() + 700 * 500, twice.Pixels()));
    // No top edge: the top row holds only the grid's dots and the two vertical lines.
    EXPECT_EQ(once.PixelAt(1, 0), 0xF0F0F0u);
    EXPECT_EQ(once.PixelAt(4, 0), 7u);
    EXPECT_EQ(once.PixelAt(306, 0), 0u);
    EXPECT_EQ(once.PixelAt(300, 426), 0u);
}

} // namespace
} // namespace lchp
