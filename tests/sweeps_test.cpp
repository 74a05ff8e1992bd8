#include "chart/raster_surface.h"
#include "chart/sweeps.h"
#include "filter/design.h"
#include "recording_surface.h"
#include "worked_design.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace lchp {
namespace {

std::vector<double> SweptFrequencies(double Fmax, double Passo) {
    std::vector<double> frequencies;
    FrequencySweep(Fmax, Passo, [&](double f) { frequencies.push_back(f); });
    return frequencies;
}

TEST(FrequencySweepTest, StepsAndBounds) {
    struct Row {
        const char* name;
        double Fmax;
        double Passo;
        std::size_t points;
        double last;
    };
    const Row rows[] = {
        {"ten points of 500", 5000, 500, 10, 4501}, {"Fmax reached exactly", 5001, 500, 11, 5001},
        {"100 points of 50", 5000, 50, 100, 4951},  {"one point when Fmax is 1", 1, 7, 1, 1},
        {"downward to -2 by 0.5", -2, -0.5, 7, -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto frequencies = SweptFrequencies(row.Fmax, row.Passo);
        ASSERT_EQ(frequencies.size(), row.points);
        EXPECT_EQ(frequencies.front(), 1);
        EXPECT_EQ(frequencies.back(), row.last);
    }
}

TEST(FrequencySweepTest, TestComesBeforeTheFirstPass) {
    EXPECT_TRUE(SweptFrequencies(0.5, 1).empty());
    EXPECT_TRUE(SweptFrequencies(5000, -10).empty());
}

TEST(FrequencySweepTest, StepRoundingAccumulates) {
    const auto frequencies = SweptFrequencies(2, 0.1);
    double f = 1;
    for (std::size_t i = 1; i < frequencies.size(); ++i) {
        f = f + 0.1;
        ASSERT_EQ(frequencies[i], f) << i;
    }
    EXPECT_NE(frequencies.back(), 2.0); // 1 + ten additions of 0.1 overshoots 2
    EXPECT_EQ(frequencies.size(), 10u);
}

TEST(FrequencySweepTest, StopsWhenTheStepNoLongerMovesF) {
    // From 2^53 on, adding 1 leaves f unchanged: the sweep would repeat one point forever.
    std::size_t points = 0;
    FrequencySweep(1e300, 1e-300, [&](double) { ++points; });
    EXPECT_EQ(points, 1u);
}

class CountingProgress final : public SweepProgress {
public:
    explicit CountingProgress(int allowedCalls) : allowed_(allowedCalls) {}
    bool Proceed(std::uint64_t pointsDone, double pointsExpected) override {
        lastDone = pointsDone;
        lastExpected = pointsExpected;
        return ++calls < allowed_;
    }
    int calls = 0;
    std::uint64_t lastDone = 0;
    double lastExpected = 0;

private:
    int allowed_;
};

TEST(FrequencySweepTest, ProgressIsToldAndCanStop) {
    CountingProgress progress(3);
    std::uint64_t points = 0;
    FrequencySweep(
        1e7, 1, [&](double) { ++points; }, &progress);
    EXPECT_EQ(progress.calls, 3);
    EXPECT_EQ(points, 3 * kProgressInterval);
    EXPECT_EQ(progress.lastDone, points);
    EXPECT_EQ(progress.lastExpected, 1e7);
}

TEST(ChartXTest, FirstAndLastOfTenPoints) {
    EXPECT_FLOAT_EQ(ChartX(1, 5000), 1.84f);
    EXPECT_FLOAT_EQ(ChartX(4501, 5000), 8281.84f);
}

TEST(AmplitudeSweepTest, WorkedCurveOfOneCell) {
    FilterState state = WorkedDesign(5000, 250);
    RecordingSurface surface;
    AmplitudeSweep(state, surface, "Singola cellula");
    const auto points = surface.Points();
    ASSERT_EQ(points.size(), 20u);
    EXPECT_EQ(state.Cells, 1);
    for (const auto& point : points) {
        EXPECT_EQ(point.colour, 0xFF0000u);
    }
    EXPECT_EQ(points[0].y1, 6400);      // f = 1, floored at -40 dB
    EXPECT_EQ(points[1].y1, 6400);      // f = 251
    EXPECT_NEAR(points[4].y1, 1443, 1); // f = 1001, -9.02 dB
    EXPECT_FLOAT_EQ(points[4].x1, static_cast<float>(ChartX(1001, 5000)));
}

TEST(AmplitudeSweepTest, TwoCellsLieLowerWhereverNeitherIsFloored) {
    FilterState one = WorkedDesign(5000, 250);
    FilterState two = one;
    RecordingSurface oneSurface;
    RecordingSurface twoSurface;
    AmplitudeSweep(one, oneSurface, "Singola-cellula");
    AmplitudeSweep(two, twoSurface, "Doppia-cellula");
    EXPECT_EQ(two.Cells, 2);
    const auto onePoints = oneSurface.Points();
    const auto twoPoints = twoSurface.Points();
    ASSERT_EQ(onePoints.size(), twoPoints.size());
    EXPECT_NEAR(onePoints[2].y1, -160 * -24.10, 2); // f = 501
    EXPECT_EQ(twoPoints[2].y1, 6400);
    int compared = 0;
    for (std::size_t i = 0; i < onePoints.size(); ++i) {
        if (twoPoints[i].y1 < 6400) {
            EXPECT_GT(twoPoints[i].y1, onePoints[i].y1) << i;
            ++compared;
        }
    }
    EXPECT_GT(compared, 10);
}

TEST(AmplitudeSweepTest, CellsTextIsReadAtEveryPoint) {
    FilterState state = WorkedDesign(5000, 250);
    RecordingSurface surface;
    std::string cellsText = "Singola cellula";
    surface.afterPoint = [&](const RecordingSurface::Call&) {
        if (surface.calls.size() == 10) {
            cellsText = "Doppia-cellula";
        }
    };
    AmplitudeSweep(state, surface, cellsText);
    EXPECT_EQ(state.Cells, 2);

    FilterState reference = WorkedDesign(5000, 250);
    RecordingSurface oneCell;
    RecordingSurface twoCells;
    AmplitudeSweep(reference, oneCell, "Singola cellula");
    AmplitudeSweep(reference, twoCells, "Doppia-cellula");
    const auto points = surface.Points();
    const auto onePoints = oneCell.Points();
    const auto twoPoints = twoCells.Points();
    ASSERT_EQ(points.size(), 20u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& expected = i < 10 ? onePoints[i] : twoPoints[i];
        EXPECT_EQ(points[i].y1, expected.y1) << i;
    }
}

TEST(PhaseSweepTest, WorkedCurve) {
    const FilterState state = WorkedDesign(5000, 250);
    RecordingSurface surface;
    PhaseSweep(state, surface);
    const auto points = surface.Points();
    ASSERT_EQ(points.size(), 20u);
    for (const auto& point : points) {
        EXPECT_EQ(point.colour, 0x0000FFu);
    }
    EXPECT_NEAR(points[0].y1, 4958, 1);  // f = 1, about 270 degrees
    EXPECT_NEAR(points[4].y1, 2798, 1);  // f = 1001, about 135 degrees
    EXPECT_NEAR(points[19].y1, 1029, 1); // f = 4751, 24.3 degrees
}

TEST(PhaseSweepTest, NothingWithoutAStoredDesign) {
    struct Row {
        const char* name;
        FilterState state;
    };
    FilterState noR = WorkedDesign(5000, 250);
    noR.R = 0;
    const Row rows[] = {
        {"fresh state", FilterState{}},
        {"R zero", noR},
        {"Fmax zero", WorkedDesign(0, 250)},
        {"Passo zero", WorkedDesign(5000, 0)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingSurface surface;
        PhaseSweep(row.state, surface);
        EXPECT_TRUE(surface.calls.empty());
    }
}

TEST(SweepFaultsTest, PointsThatCannotBeDrawnAreSkipped) {
    struct Row {
        const char* name;
        double Fmax;
        double Passo;
        std::size_t amplitudePoints;
        std::size_t phasePoints;
    };
    const Row rows[] = {
        // f = 1, 0.5, 0, -0.5, ..., -2: f = 0 has no response.
        {"f reaches 0 on a negative step", -2, -0.5, 6, 6},
        // 9200 / Fmax overflows: no x has a single-precision place.
        {"tiny negative Fmax", -1e-300, -1, 0, 0},
        {"Fmax below 1", 0.5, 1, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FilterState state = WorkedDesign(row.Fmax, row.Passo);
        RecordingSurface amplitude;
        AmplitudeSweep(state, amplitude, "Singola cellula");
        EXPECT_EQ(amplitude.Points().size(), row.amplitudePoints);
        RecordingSurface phase;
        PhaseSweep(state, phase);
        EXPECT_EQ(phase.Points().size(), row.phasePoints);
        for (const auto& point : phase.Points()) {
            EXPECT_TRUE(std::isfinite(point.x1) && std::isfinite(point.y1));
        }
    }
}

TEST(SweepFaultsTest, RasterSweepWithFaultsStaysInsideTheBuffer) {
    FilterState state = WorkedDesign(-2, -0.5);
    RasterSurface surface(700, 500, 0xFFFFFF);
    AmplitudeSweep(state, surface, "Doppia-cellula");
    PhaseSweep(state, surface);
    EXPECT_EQ(surface.Width(), 700);
}

} // namespace
} // namespace lchp
