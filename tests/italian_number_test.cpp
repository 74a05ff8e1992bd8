#include "filter/italian_number.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace lchp {
namespace {

TEST(ItalianNumberTest, SignificantTexts) {
    struct Row {
        const char* name;
        double value;
        int significant;
        const char* text;
    };
    const Row rows[] = {
        {"two decimals", -8.5234, 3, "-8,52"},
        {"trailing zero kept", -11.04, 3, "-11,0"},
        {"floor level", -40, 3, "-40,0"},
        {"leading zeros after the comma", 0.05234, 3, "0,0523"},
        {"zeros before the comma", 1234.5, 3, "1230"},
        {"carry adds a digit", 99.96, 3, "100"},
        {"carry below 1", 0.09996, 3, "0,100"},
        {"zero", 0, 3, "0,00"},
        {"negative rounding to zero is unsigned", -0.0, 2, "0,0"},
        {"one digit", 7.5, 1, "8"},
        {"digits clamped to 17", 0.1, 40, "0,10000000000000001"},
        {"non-finite", std::numeric_limits<double>::infinity(), 3, "infinito"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SignificantText(row.value, row.significant, kHyphenMinus), row.text);
    }
}

TEST(ItalianNumberTest, FixedTexts) {
    struct Row {
        const char* name;
        double value;
        int decimals;
        const char* text;
    };
    const Row rows[] = {
        {"one decimal", 135.04, 1, "135,0"},
        {"tie to even, down", 1234.5, 0, "1234"},
        {"tie to even, up", 1235.5, 0, "1236"},
        {"negative", -2.25, 1, "\u22122,2"},
        {"negative rounding to zero is unsigned", -0.04, 1, "0,0"},
        {"largest double", std::numeric_limits<double>::max(), 0,
         "1797693134862315708145274237317043567980705675258449965989174768031572607800285387605895"
         "5863276687817154045895351438246423432132688946418276846754670353751698604991057655128207"
         "6245490090389328944075868508455133942304583236903222948165808559332123348274797826204144"
         "723168738177180919299881250404026184124858368"},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), 1, "indefinito"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FixedText(row.value, row.decimals, kMinusSign), row.text);
    }
}

} // namespace
} // namespace lchp
