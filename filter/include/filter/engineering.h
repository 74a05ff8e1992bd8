#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lchp {

// value in engineering notation for the user: 4 significant digits, a decimal comma, the SI prefix
// p, n, µ (U+00B5), m, none, k, M or G, a blank and the unit: 0.0012738853503184713, "H" ->
// "1,274 mH"; 0.5, "F" -> "500,0 mF". The prefix follows the rounded value, so 999.96e-6 gives
// "1,000 m". Outside the prefixes (below 1 p, from 1000 G) the exponent is written out with the
// same digits: "1,200e-15 H", "2,500e12 H". A negative value starts with a hyphen-minus, as
// NumberToText writes "-infinito"; 0 (either sign) is "0 H". Infinities and NaN give NumberToText's
// word alone, without the unit. An empty unit leaves out the blank too.
std::string EngineeringText(double value, std::string_view unit);

// The preferred-number series a standard component value is drawn from.
enum class ESeries { E12, E24 };

struct StandardValue {
    double value;            // the standard value, same unit and sign as the value asked for
    double deviationPercent; // (standard - value) / value * 100
};

// The standard value of the series nearest to value by ratio (a series mantissa times a power of
// ten, the next decade's 1.0 included: 9.7 -> 10 in E12); a tie goes to the smaller magnitude. The
// value is the double nearest to its decimal form, so 1.2e-3 compares equal to the literal. A
// negative value gives the negative of its magnitude's standard value. nullopt for 0, a non-finite
// value and magnitudes above 1e300 or below 1e-300.
std::optional<StandardValue> NearestStandard(double value, ESeries series);

} // namespace lchp
