#include "chart/readout.h"
#include "filter/design.h"
#include "worked_design.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace lchp {
namespace {

TEST(ChartReadoutTest, WorkedPointAsAWhole) {
    // 1840 twips of 9200 on a 5000 Hz chart is 1000 Hz, the cut-off.
    const std::optional<std::string> text = ChartReadout(WorkedDesign(5000, 250), 1840);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "f = 1\u202F000 Hz \u00B7 1 cellula \u22129,03 dB \u00B7 2 cellule "
                     "\u221212,1 dB \u00B7 fase 135,0\u00B0");
}

TEST(ChartReadoutTest, FrequencyTexts) {
    struct Row {
        const char* name;
        double Fmax;
        double xTwips;
        const char* frequency;
    };
    const Row rows[] = {
        {"whole hertz from 100", 5000, 184, "100"},
        {"three digits below 100", 5000, 183, "99,5"},
        {"below 1 Hz", 5, 1, "0,000543"},
        {"right edge, grouped twice", 5e6, 9200, "5\u202F000\u202F000"},
        {"rounded to whole hertz", 5000, 1841, "1\u202F001"},
        {"negative Fmax", -5000, 1840, "\u22121\u202F000"},
        {"negative below 100", -5000, 92, "\u221250,0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<std::string> text =
            ChartReadout(WorkedDesign(row.Fmax, 250), row.xTwips);
        ASSERT_TRUE(text.has_value());
        const std::string expected = std::string("f = ") + row.frequency + " Hz \u00B7 1 cellula ";
        EXPECT_EQ(text->substr(0, expected.size()), expected) << *text;
    }
}

TEST(ChartReadoutTest, NoneWithoutAValueToShow) {
    struct Row {
        const char* name;
        FilterState state;
        double xTwips;
    };
    FilterState noR = WorkedDesign(5000, 250);
    noR.R = 0;
    FilterState noC = WorkedDesign(5000, 250);
    noC.C = 0;
    FilterState infiniteL = WorkedDesign(5000, 250);
    infiniteL.L = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"fresh state", FilterState{}, 1840},
        {"R zero", noR, 1840},
        {"C zero", noC, 1840},
        {"Fmax zero", WorkedDesign(0, 250), 1840},
        {"left of the chart", WorkedDesign(5000, 250), -0.5},
        {"right of the chart", WorkedDesign(5000, 250), 9200.5},
        {"NaN position", WorkedDesign(5000, 250), std::numeric_limits<double>::quiet_NaN()},
        {"infinite position", WorkedDesign(5000, 250), std::numeric_limits<double>::infinity()},
        {"f = 0 has no response", WorkedDesign(5000, 250), 0},
        {"frequency overflows", WorkedDesign(std::numeric_limits<double>::max(), 250), 9200},
        {"infinite L", infiniteL, 1840},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(ChartReadout(row.state, row.xTwips).has_value());
    }
}

} // namespace
} // namespace lchp
