#include "filter/engineering.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace lchp {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(EngineeringTextTest, TableOfValues) {
    struct Row {
        const char* name;
        double value;
        const char* unit;
        const char* text;
    };
    const Row rows[] = {
        {"worked L", 0.0012738853503184713, "H", "1,274 mH"},
        {"worked C", 9.952229299363057e-06, "F", "9,952 \u00B5F"},
        {"trailing zero kept", 0.5, "F", "500,0 mF"},
        {"no prefix", 8, "ohm", "8,000 ohm"},
        {"two integer digits", 47e3, "Hz", "47,00 kHz"},
        {"lowest prefix", 1e-12, "F", "1,000 pF"},
        {"highest prefix", 999.9e9, "Hz", "999,9 GHz"},
        {"nano", 3.3e-9, "F", "3,300 nF"},
        {"mega", 12.5e6, "Hz", "12,50 MHz"},
        {"negative exponent not a multiple of three", 1e-4, "H", "100,0 \u00B5H"},
        {"rounds to the nearest fourth digit", 1.2345678, "H", "1,235 H"},
        {"rounding carries into the next prefix", 999.96e-6, "H", "1,000 mH"},
        {"rounding carries into the unprefixed range", 999.96e-3, "F", "1,000 F"},
        {"just below a carry stays", 999.94e-6, "H", "999,9 \u00B5H"},
        {"negative", -0.0012738853503184713, "H", "-1,274 mH"},
        {"zero", 0, "H", "0 H"},
        {"negative zero", -0.0, "H", "0 H"},
        {"empty unit", 0.5, "", "500,0 m"},
        {"empty unit without prefix", 2, "", "2,000"},
        {"below pico", 1.2e-15, "H", "1,200e-15 H"},
        {"rounds up into pico", 0.99996e-12, "F", "1,000 pF"},
        {"from a thousand giga", 2.5e12, "Hz", "2,500e12 Hz"},
        {"rounding carries past giga", 999.96e9, "Hz", "1,000e12 Hz"},
        {"largest double", std::numeric_limits<double>::max(), "H", "1,798e308 H"},
        {"smallest denormal", std::numeric_limits<double>::denorm_min(), "F", "4,941e-324 F"},
        {"negative beyond the prefixes", -3e-20, "F", "-3,000e-20 F"},
        {"infinity", kInf, "H", "infinito"},
        {"negative infinity", -kInf, "H", "-infinito"},
        {"NaN", kNaN, "F", "indefinito"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(EngineeringText(row.value, row.unit), row.text);
    }
}

TEST(NearestStandardTest, TableOfValues) {
    struct Row {
        const char* name;
        double value;
        ESeries series;
        double standard;
    };
    const Row rows[] = {
        {"worked L in E12", 1.2738853503184713e-3, ESeries::E12, 1.2e-3},
        {"worked L in E24", 1.2738853503184713e-3, ESeries::E24, 1.3e-3},
        {"worked C in E12", 9.952229299363057e-06, ESeries::E12, 10e-6},
        {"worked C in E24", 9.952229299363057e-06, ESeries::E24, 10e-6},
        {"9.0 is nearer 8.2 by ratio", 9.0, ESeries::E12, 8.2},
        {"9.1 is nearer 10 by ratio", 9.1, ESeries::E12, 10},
        {"9.5 goes up a decade in E12", 9.5, ESeries::E12, 10},
        {"9.5 stays at 9.1 in E24", 9.5, ESeries::E24, 9.1},
        {"9.7 goes up a decade", 9.7, ESeries::E12, 10},
        {"just below a decade", 0.95, ESeries::E12, 1},
        {"just above a decade", 10.4, ESeries::E24, 10},
        {"power of ten", 1000, ESeries::E12, 1000},
        {"exact standard below 1", 0.0047, ESeries::E12, 4.7e-3},
        {"exact standard in E24 only", 5.1e-9, ESeries::E24, 5.1e-9},
        {"E24 value in E12", 5.1e-9, ESeries::E12, 4.7e-9},
        {"between E12 steps", 2.0, ESeries::E12, 2.2},
        {"large", 3.4e9, ESeries::E12, 3.3e9},
        {"top of the range", 1e300, ESeries::E12, 1e300},
        {"bottom of the range", 1e-300, ESeries::E24, 1e-300},
        {"negative keeps its sign", -1.2738853503184713e-3, ESeries::E12, -1.2e-3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<StandardValue> standard = NearestStandard(row.value, row.series);
        ASSERT_TRUE(standard.has_value());
        EXPECT_EQ(standard->value, row.standard);
        EXPECT_DOUBLE_EQ(standard->deviationPercent, (row.standard - row.value) / row.value * 100);
    }
}

TEST(NearestStandardTest, DeviationOfTheWorkedValueAndOfExactValues) {
    const auto worked = NearestStandard(1.2738853503184713e-3, ESeries::E12);
    ASSERT_TRUE(worked.has_value());
    EXPECT_NEAR(worked->deviationPercent, -5.8, 0.01);
    const auto negative = NearestStandard(-1.2738853503184713e-3, ESeries::E12);
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(negative->deviationPercent, worked->deviationPercent);

    const double exact[] = {4.7e-3, 1.0, 82, 3.3e-12, 9.1e6};
    for (const double value : exact) {
        SCOPED_TRACE(value);
        const auto standard = NearestStandard(value, ESeries::E24);
        ASSERT_TRUE(standard.has_value());
        EXPECT_EQ(standard->value, value);
        EXPECT_EQ(standard->deviationPercent, 0);
    }
}

TEST(NearestStandardTest, NoneWhereNoDecadeCanBeWorkedOut) {
    struct Row {
        const char* name;
        double value;
    };
    const Row rows[] = {
        {"zero", 0},
        {"negative zero", -0.0},
        {"infinity", kInf},
        {"negative infinity", -kInf},
        {"NaN", kNaN},
        {"above 1e300", 2e300},
        {"largest double", std::numeric_limits<double>::max()},
        {"negative above 1e300", -2e300},
        {"below 1e-300", 5e-301},
        {"smallest normal", std::numeric_limits<double>::min()},
        {"smallest denormal", std::numeric_limits<double>::denorm_min()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(NearestStandard(row.value, ESeries::E12).has_value());
        EXPECT_FALSE(NearestStandard(row.value, ESeries::E24).has_value());
    }
}

} // namespace
} // namespace lchp
