#include "filter/engineering.h"

#include "filter/italian_number.h"
#include "filter/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <span>
#include <string>
#include <system_error>

namespace lchp {

namespace {

constexpr int kEngineeringDigits = 4;

// Prefixes from 1e-12 to 1e9, one per power of a thousand.
constexpr std::array<std::string_view, 8> kPrefixes = {"p", "n", "\u00B5", "m", "", "k", "M", "G"};
constexpr int kLowestPrefixExponent = -12;

// Rounds towards minus infinity, unlike '/': -4 / 3 must give -2, as 1e-4 is 100 µ, not 0.1 m.
int FloorDiv(int a, int b) {
    const int quotient = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? quotient - 1 : quotient;
}

void AppendUnit(std::string& text, std::string_view prefix, std::string_view unit) {
    if (prefix.empty() && unit.empty()) {
        return;
    }
    text.push_back(' ');
    text.append(prefix);
    text.append(unit);
}

// Mantissas times ten, so that every one is an integer and every standard value can be written
// as an exact decimal text ("12e-4").
constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// Beyond these the decade's powers of ten would leave the normal double range.
constexpr double kLargestMagnitude = 1e300;
constexpr double kSmallestMagnitude = 1e-300;

// The double nearest to tenths * 10^(decade - 1). Reading the decimal text rounds once; a product
// with a computed power of ten rounds twice and need not give the double the literal 1.2e-3 does.
double StandardCandidate(int tenths, int decade) {
    const std::string text = std::to_string(tenths) + 'e' + std::to_string(decade - 1);
    double candidate = 0;
    std::from_chars(text.data(), text.data() + text.size(), candidate);
    return candidate;
}

// How far apart two positive values lie on a logarithmic scale, as a ratio of at least 1.
double RatioDistance(double a, double b) {
    return a > b ? a / b : b / a;
}

} // namespace

std::string EngineeringText(double value, std::string_view unit) {
    if (!std::isfinite(value)) {
        return NumberToText(value);
    }
    std::string text;
    if (value == 0) {
        text = "0";
        AppendUnit(text, "", unit);
        return text;
    }
    if (value < 0) {
        text = kHyphenMinus;
    }
    const SignificantDigits rounded = RoundToSignificant(value, kEngineeringDigits);
    const int prefixExponent = 3 * FloorDiv(rounded.exponent, 3);
    const int prefixIndex = (prefixExponent - kLowestPrefixExponent) / 3;
    if (prefixIndex < 0 || prefixIndex >= static_cast<int>(kPrefixes.size())) {
        text += PlaceDecimalComma(rounded.digits, 1);
        text += 'e';
        text += std::to_string(rounded.exponent);
        AppendUnit(text, "", unit);
        return text;
    }
    text += PlaceDecimalComma(rounded.digits, rounded.exponent - prefixExponent + 1);
    AppendUnit(text, kPrefixes[static_cast<std::size_t>(prefixIndex)], unit);
    return text;
}

std::optional<StandardValue> NearestStandard(double value, ESeries series) {
    const double magnitude = std::fabs(value);
    // The negated test also turns NaN away.
    if (!(magnitude >= kSmallestMagnitude && magnitude <= kLargestMagnitude)) {
        return std::nullopt;
    }
    // Within the range above log10 lies in [-300, 300]: the conversion is safe. It may be one off
    // next to a power of ten, which is why the decades on either side are searched too.
    const int decade = static_cast<int>(std::floor(std::log10(magnitude)));
    const std::span<const int> mantissas =
        series == ESeries::E12 ? std::span<const int>(kE12) : std::span<const int>(kE24);
    double best = 0;
    double bestDistance = 0;
    for (int d = decade - 1; d <= decade + 1; ++d) {
        for (const int tenths : mantissas) {
            const double candidate = StandardCandidate(tenths, d);
            const double distance = RatioDistance(candidate, magnitude);
            // Candidates come in ascending order: strict comparison keeps the smaller on a tie.
            if (best == 0 || distance < bestDistance) {
                best = candidate;
                bestDistance = distance;
            }
        }
    }
    const double standard = std::copysign(best, value);
    return StandardValue{standard, (standard - value) / value * 100};
}

} // namespace lchp
