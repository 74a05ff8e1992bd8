#include "chart/data_table.h"
#include "filter/cell_response.h"
#include "filter/design.h"
#include "filter/level_phase.h"
#include "filter/number_text.h"
#include "worked_design.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace lchp {
namespace {

constexpr std::string_view kHeader = "f (Hz)\t1 cellula (dB)\t2 cellule (dB)\tfase (\u00B0)\n";

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::string_view::npos;
         end = text.find(separator, start)) {
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

// The rows after the header, each read back as numbers. The text must end in a line break.
std::vector<std::vector<double>> ReadRows(const std::string& text) {
    EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
    EXPECT_EQ(text.back(), '\n');
    std::vector<std::vector<double>> rows;
    auto lines = Split(std::string_view(text).substr(kHeader.size()), '\n');
    lines.pop_back(); // after the last '\n'
    for (const std::string& line : lines) {
        std::vector<double> values;
        for (const std::string& field : Split(line, '\t')) {
            values.push_back(ReadLeadingNumber(field));
            EXPECT_EQ(NumberToText(values.back()), field) << "not a shortest text: " << line;
        }
        rows.push_back(values);
    }
    return rows;
}

void ExpectCoreValues(const FilterState& state, const std::vector<double>& row) {
    ASSERT_EQ(row.size(), 4u);
    const Complex H = CellResponse(row[0], state.R, state.L, state.C);
    EXPECT_EQ(row[1], AmplitudeDb(H, 1)) << "f = " << row[0];
    EXPECT_EQ(row[2], AmplitudeDb(H, 2)) << "f = " << row[0];
    EXPECT_EQ(row[3], PhaseDeg(H)) << "f = " << row[0];
}

TEST(SweepTableTest, TenPointsOfTheWorkedDesign) {
    const FilterState state = WorkedDesign(5000, 500);
    std::string text = "left over";
    ASSERT_EQ(SweepTable(state, text), TableResult::Complete);
    const auto rows = ReadRows(text);
    ASSERT_EQ(rows.size(), 10u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].front(), 1 + 500.0 * static_cast<double>(i));
        ExpectCoreValues(state, rows[i]);
    }
}

TEST(SweepTableTest, PointWithoutAResponseIsLeftOut) {
    // f = 1, 0.5, 0, -0.5, ... -2: f = 0 has no response.
    const FilterState state = WorkedDesign(-2, -0.5);
    std::string text;
    ASSERT_EQ(SweepTable(state, text), TableResult::Complete);
    const auto rows = ReadRows(text);
    const double expected[] = {1, 0.5, -0.5, -1, -1.5, -2};
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].front(), expected[i]);
        ExpectCoreValues(state, rows[i]);
    }
}

TEST(SweepTableTest, HeaderAloneWhenNothingIsSwept) {
    struct Row {
        const char* name;
        FilterState state;
    };
    FilterState noR = WorkedDesign(5000, 500);
    noR.R = 0;
    const Row rows[] = {
        {"fresh state", FilterState{}},
        {"R zero", noR},
        {"Fmax zero", WorkedDesign(0, 500)},
        {"Passo zero", WorkedDesign(5000, 0)},
        {"Fmax below the first frequency", WorkedDesign(0.5, 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text = "left over";
        EXPECT_EQ(SweepTable(row.state, text), TableResult::Complete);
        EXPECT_EQ(text, kHeader);
    }
}

class StopAfter final : public SweepProgress {
public:
    explicit StopAfter(int allowedCalls) : allowed_(allowedCalls) {}
    bool Proceed(std::uint64_t /*pointsDone*/, double pointsExpected) override {
        lastExpected = pointsExpected;
        return ++calls <= allowed_;
    }
    int calls = 0;
    double lastExpected = 0;

private:
    int allowed_;
};

TEST(SweepTableTest, RowLimit) {
    struct Row {
        const char* name;
        double Fmax;
        double Passo;
        TableResult result;
    };
    // Near 1 a step of 1.4 units in the last place moves f by only one: about 1.26 million points
    // where 900 001 are expected.
    const double tinyStep = 1.4 * std::numeric_limits<double>::epsilon();
    const Row rows[] = {
        // Stopped at the first progress report: the sweep was allowed to start.
        {"exactly at the limit", 1e6, 1, TableResult::Cancelled},
        {"just over the limit", 1e6 + 1.5, 1, TableResult::TooLarge},
        {"a billion points", 1e9, 1, TableResult::TooLarge},
        {"step rounding stretches the sweep", 1 + 900'000 * tinyStep, tinyStep,
         TableResult::TooLarge},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Lets the stretched sweep run on, stops the one at the limit.
        StopAfter progress(row.result == TableResult::Cancelled ? 0 : 1000);
        std::string text = "left over";
        EXPECT_EQ(SweepTable(WorkedDesign(row.Fmax, row.Passo), text, &progress), row.result);
        EXPECT_TRUE(text.empty());
    }
}

TEST(SweepTableTest, ProgressCanCancel) {
    StopAfter progress(1);
    std::string text = "left over";
    EXPECT_EQ(SweepTable(WorkedDesign(40'000, 1), text, &progress), TableResult::Cancelled);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(progress.calls, 2);
    EXPECT_EQ(progress.lastExpected, 40'000);
}

TEST(SweepTableTest, ProgressThatGoesOnGivesTheWholeTable) {
    StopAfter progress(1000);
    std::string text;
    EXPECT_EQ(SweepTable(WorkedDesign(40'000, 1), text, &progress), TableResult::Complete);
    EXPECT_EQ(progress.calls, 2); // at 16 384 and 32 768 of 40 000 points
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 40'000 + 1);
}

} // namespace
} // namespace lchp
