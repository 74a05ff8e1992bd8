#include "filter/level_phase.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lchp {
namespace {

TEST(AmplitudeDbTest, OneAndTwoCellsWithTheFloor) {
    struct Row {
        const char* name;
        Complex H;
        int cells;
        double dB;
        double tolerance;
    };
    const Row rows[] = {
        {"cut-off, one cell", {-0.25, 0.25}, 1, -9.0309, 1e-4},
        {"cut-off, two cells", {-0.25, 0.25}, 2, -12.0618, 1e-4},
        {"pass band, one cell", {0.5, 0}, 1, -6.0206, 1e-4},
        {"pass band, two cells", {0, 0.5}, 2, -6.0412, 1e-4},
        {"stop band floored, one cell", {0.005, 0}, 1, -40, 0},
        {"stop band floored, two cells", {0.005, 0}, 2, -40, 0},
        {"zero response floored", {0, 0}, 1, -40, 0},
        {"gain has no ceiling", {10, 0}, 1, 20, 1e-12},
        {"cell count other than 2 is one cell", {0.5, 0}, 0, -6.0206, 1e-4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(AmplitudeDb(row.H, static_cast<std::int16_t>(row.cells)), row.dB,
                    row.tolerance);
    }
}

TEST(AmplitudeDbTest, NaNStaysNaN) {
    EXPECT_TRUE(std::isnan(AmplitudeDb({NAN, 0}, 1)));
}

TEST(PhaseDegTest, QuadrantsAndTheZeroRealPart) {
    struct Row {
        const char* name;
        Complex H;
        double phase;
    };
    const Row rows[] = {
        {"positive real", {1, 0}, 0},
        {"negative real", {-1, 0}, 180},
        {"first quadrant", {1, 1}, 44.99994},
        {"second quadrant", {-0.25, 0.25}, 135.00006},
        {"third quadrant", {-1, -1}, 224.99994},
        {"fourth quadrant", {1, -1}, 315.00006},
        {"positive imaginary", {0, 1}, 89.99987},
        {"negative imaginary", {0, -1}, 270.00013},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(PhaseDeg(row.H), row.phase, 5e-6);
    }
}

TEST(PhaseDegTest, ZeroOrNaNResponseHasNoPhase) {
    EXPECT_TRUE(std::isnan(PhaseDeg({0, 0})));
    EXPECT_TRUE(std::isnan(PhaseDeg({NAN, 1})));
}

} // namespace
} // namespace lchp
