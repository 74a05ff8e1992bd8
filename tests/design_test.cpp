#include "filter/design.h"
#include "filter/filter_state.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string_view>

namespace lchp {
namespace {

TEST(FilterStateTest, StartsAllZero) {
    const FilterState state;
    EXPECT_EQ(state.Fo, 0);
    EXPECT_EQ(state.R, 0);
    EXPECT_EQ(state.Rt, 0);
    EXPECT_EQ(state.L, 0);
    EXPECT_EQ(state.C, 0);
    EXPECT_EQ(state.Fmax, 0);
    EXPECT_EQ(state.Passo, 0);
    EXPECT_EQ(state.Cells, 0);
}

TEST(TypeResistanceTest, OnlyExactChebyschevHalvesR) {
    struct Row {
        std::string_view typeText;
        double expected;
    };
    const Row rows[] = {
        {"Butterworth", 8}, {"Chebyschev", 4}, {"chebyschev", 8},  {"Chebyschev ", 8},
        {"Chebyshev", 8},   {"", 8},           {"BUTTERWORTH", 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typeText);
        EXPECT_EQ(TypeResistance(8, row.typeText), row.expected);
    }
}

TEST(CellCountTest, OnlyExactDoppiaCellulaMakesTwo) {
    struct Row {
        std::string_view cellsText;
        int expected;
    };
    const Row rows[] = {
        {"Singola cellula", 1}, {"Singola-cellula", 1}, {"Doppia-cellula", 2},
        {"Doppia cellula", 1},  {"doppia-cellula", 1},  {"", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.cellsText);
        EXPECT_EQ(CellCount(row.cellsText), row.expected);
    }
}

TEST(DesignValuesTest, WorkedDesignsToTheLastBit) {
    struct Row {
        const char* name;
        double Rt;
        double L;
        double C;
    };
    const Row rows[] = {
        {"Butterworth 1000 Hz 8 ohm", 8, 0.0012738853503184713, 9.952229299363057e-06},
        {"Chebyschev 1000 Hz 8 ohm", 4, 0.0006369426751592356, 1.9904458598726114e-05},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Design design = DesignValues(1000, row.Rt);
        EXPECT_EQ(design.L, row.L);
        EXPECT_EQ(design.C, row.C);
    }
}

TEST(DesignValuesTest, ExtremeInputsGiveIeeeResultsWithoutTrapping) {
    const Design zeroFo = DesignValues(0, 8);
    EXPECT_EQ(zeroFo.L, std::numeric_limits<double>::infinity());
    EXPECT_EQ(zeroFo.C, std::numeric_limits<double>::infinity());
    const Design overflow = DesignValues(1e-308, 1e308);
    EXPECT_TRUE(std::isinf(overflow.L));
    const Design negative = DesignValues(-1000, 8);
    EXPECT_LT(negative.L, 0);
    EXPECT_LT(negative.C, 0);
}

} // namespace
} // namespace lchp
