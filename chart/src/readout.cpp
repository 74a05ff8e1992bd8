#include "chart/readout.h"

#include "chart/grid.h"
#include "filter/cell_response.h"
#include "filter/italian_number.h"
#include "filter/level_phase.h"

#include <cmath>
#include <string_view>

namespace lchp {

namespace {

constexpr std::string_view kThousandsSeparator = "\u202F";
constexpr std::string_view kPartSeparator = " \u00B7 ";
constexpr int kLevelDigits = 3;
constexpr int kSmallFrequencyDigits = 3;
constexpr int kPhaseDecimals = 1;
// From here on a tenth of a hertz tells nothing on a chart 9200 twips wide.
constexpr double kWholeHertzFrom = 100;

// "1234567" -> "1 234 567", with the separator above.
std::string GroupThousands(std::string_view digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped.append(kThousandsSeparator);
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string FrequencyText(double f) {
    if (std::fabs(f) < kWholeHertzFrom) {
        return SignificantText(f, kSmallFrequencyDigits, kMinusSign);
    }
    std::string text = GroupThousands(FixedText(std::fabs(f), 0, kMinusSign));
    if (f < 0) {
        text.insert(0, kMinusSign);
    }
    return text;
}

} // namespace

std::optional<std::string> ChartReadout(const FilterState& state, double xTwips) {
    if (state.R == 0 || state.C == 0 || state.Fmax == 0) {
        return std::nullopt;
    }
    if (!(xTwips >= 0 && xTwips <= kChartWidth)) {
        return std::nullopt;
    }
    const double f = xTwips * state.Fmax / kChartWidth;
    const Complex H = CellResponse(f, state.R, state.L, state.C);
    const double oneCell = AmplitudeDb(H, 1);
    const double twoCells = AmplitudeDb(H, 2);
    const double phase = PhaseDeg(H);
    if (!std::isfinite(f) || !std::isfinite(oneCell) || !std::isfinite(twoCells) ||
        !std::isfinite(phase)) {
        return std::nullopt;
    }
    std::string text = "f = ";
    text += FrequencyText(f);
    text += " Hz";
    text += kPartSeparator;
    text += "1 cellula ";
    text += SignificantText(oneCell, kLevelDigits, kMinusSign);
    text += " dB";
    text += kPartSeparator;
    text += "2 cellule ";
    text += SignificantText(twoCells, kLevelDigits, kMinusSign);
    text += " dB";
    text += kPartSeparator;
    text += "fase ";
    text += FixedText(phase, kPhaseDecimals, kMinusSign);
    text += "\u00B0";
    return text;
}

} // namespace lchp
