#include "filter/number_text.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace lchp {
namespace {

struct ReadRow {
    const char* text;
    double expected;
};

void ExpectReads(const ReadRow& row) {
    SCOPED_TRACE(std::string("\"") + row.text + "\"");
    const double value = ReadLeadingNumber(row.text);
    EXPECT_EQ(value, row.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(row.expected));
}

TEST(ReadLeadingNumberTest, TableOfTexts) {
    const ReadRow rows[] = {
        {"1000", 1000},
        {"1.5", 1.5},
        {"  \t8", 8},
        {"+12", 12},
        {"-12.25", -12.25},
        {"-0", -0.0},
        {".5", 0.5},
        {"5.", 5},
        {"2e3", 2000},
        {"2E+3", 2000},
        {"2.5e-3", 0.0025},
        {"1e", 1},
        {"1e+", 1},
        {"1e-x", 1},
        {"12abc", 12},
        {"12.5.6", 12.5},
        {"12 34", 12},
        {"1,5", 1},
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"-", 0},
        {".", 0},
        {"+-1", 0},
        {"- 1", 0},
        {"e5", 0},
        {"nan", 0},
        {"inf", 0},
        {"-infinity", 0},
        {"0x1A", 0},
        {"1e999", 0},
        {"-1e999", 0},
        {"1e-400", 0},
        {"-1e-400", -0.0},
        {"-0.00001e-320", -0.0},
        {"-1e-99999999999999999999", -0.0},
        {"-100000000000000000000e-350", -0.0},
        {"-100000000000000000000e300", 0},
        {"-1e99999999999999999999", 0},
        {"1e308", 1e308},
        {"1e-320", 1e-320},
        {"1234567890123456789012345678901234567890", 1234567890123456789012345678901234567890.0},
        {"0.0012738853503184713", 0.0012738853503184713},
    };
    for (const ReadRow& row : rows) {
        ExpectReads(row);
    }
}

// Restores the process locale even when an assertion fails.
class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const char* name)
        : previous_(std::setlocale(LC_NUMERIC, nullptr)),
          active_(std::setlocale(LC_NUMERIC, name) != nullptr) {}
    ~ScopedNumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    ScopedNumericLocale(const ScopedNumericLocale&) = delete;
    ScopedNumericLocale& operator=(const ScopedNumericLocale&) = delete;
    bool Active() const { return active_; }

private:
    std::string previous_;
    bool active_;
};

TEST(ReadLeadingNumberTest, ItalianLocaleStillReadsThePoint) {
    const ScopedNumericLocale italian("it_IT.UTF-8");
    if (!italian.Active()) {
        GTEST_SKIP() << "the it_IT.UTF-8 locale is not installed";
    }
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the locale did not take effect";
    ExpectReads({"1.5", 1.5});
    ExpectReads({"1,5", 1});
    EXPECT_EQ(NumberToText(1.5), "1.5");
}

TEST(NumberToTextTest, ShortestTexts) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {5000, "5000"},
        {0, "0"},
        {0.5, "0.5"},
        {-12.25, "-12.25"},
        {0.0012738853503184713, "0.0012738853503184713"},
        {9.952229299363057e-06, "9.952229299363057e-06"},
        {1e300, "1e+300"},
        {std::numeric_limits<double>::infinity(), "infinito"},
        {-std::numeric_limits<double>::infinity(), "-infinito"},
        {std::numeric_limits<double>::quiet_NaN(), "indefinito"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(NumberToText(row.value), row.text);
    }
}

TEST(NumberToTextTest, RoundTripsThroughTheReader) {
    const double values[] = {1.0 / 3,
                             -2.5e-7,
                             6.02214076e23,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             0.1 + 0.2};
    for (const double value : values) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ReadLeadingNumber(NumberToText(value)), value);
    }
}

} // namespace
} // namespace lchp
