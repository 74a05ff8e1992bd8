#pragma once

#include <string>
#include <string_view>

namespace lchp {

// How the texts shown to the user write numbers: a decimal comma, digits from std::to_chars so
// that the process locale plays no part, and a caller-chosen minus sign. Rounding is to nearest,
// ties to even, on the exact binary value: 1234.5 to 0 decimals is "1234".

inline constexpr std::string_view kHyphenMinus = "-";
inline constexpr std::string_view kMinusSign = "\u2212"; // U+2212, typographic

// |value| correctly rounded to `significant` significant digits (clamped to 1 to 17).
struct SignificantDigits {
    std::string digits; // exactly that many digits; the first is 0 only when the value is 0
    int exponent = 0;   // power of ten of the first digit; 0 for a value of 0
};

// The rounded digits of a finite value (its sign is dropped). Rounding may carry into a new
// leading digit: 999.96 to 4 digits is "1000" with exponent 3. A non-finite value gives "0"
// digits, exponent 0: callers deal with it before.
SignificantDigits RoundToSignificant(double value, int significant);

// digits with a decimal comma after the first integerDigits of them: zeros are added in front
// when integerDigits < 1 ("523", 0 -> "0,523"; -1 -> "0,0523") and behind when it exceeds the
// count ("12", 4 -> "1200"); no comma when no digit follows it.
std::string PlaceDecimalComma(std::string_view digits, int integerDigits);

// value rounded to `significant` significant digits (1 to 17), without exponent: -8.5234 ->
// "-8,52", -11.04 -> "-11,0", 0.05234 -> "0,0523", 1234.5 -> "1230" (3). minus is written before a
// negative value whose rounded text is not all zeros. A non-finite value gives NumberToText's word.
std::string SignificantText(double value, int significant, std::string_view minus);

// value rounded to `decimals` digits after the comma (clamped to 0 to 17): 135.04 -> "135,0"
// (1). minus as for SignificantText; a non-finite value gives NumberToText's word.
std::string FixedText(double value, int decimals, std::string_view minus);

} // namespace lchp
