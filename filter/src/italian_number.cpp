#include "filter/italian_number.h"

#include "filter/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace lchp {

namespace {

// 17 significant digits are enough to tell every double apart; more would only show the binary
// expansion's tail.
constexpr int kMaxDigits = 17;

// The longest fixed text of a finite double: 309 integer digits, a point, kMaxDigits decimals and
// a sign.
constexpr std::size_t kFixedBufferSize = 309 + 1 + kMaxDigits + 1 + 8;

bool OnlyZeros(std::string_view text) {
    return text.find_first_not_of("0,") == std::string_view::npos;
}

std::string WithSign(bool negative, std::string magnitude, std::string_view minus) {
    // A value that rounds to zero carries no sign: "-0,0" would read as a different number.
    if (negative && !OnlyZeros(magnitude)) {
        magnitude.insert(0, minus);
    }
    return magnitude;
}

} // namespace

SignificantDigits RoundToSignificant(double value, int significant) {
    const int count = std::clamp(significant, 1, kMaxDigits);
    if (!std::isfinite(value)) {
        return {"0", 0};
    }
    // "d.ddde-05": to_chars rounds correctly in decimal, so a carry such as 9.9996 -> 1.000e+01
    // already shows in the exponent and no power of ten is ever computed in floating point.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(), written.ptr);
    const std::size_t e = text.find('e');
    SignificantDigits result;
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            result.digits.push_back(c);
        }
    }
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+') {
        exponentText.remove_prefix(1);
    }
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                    result.exponent);
    return result;
}

std::string PlaceDecimalComma(std::string_view digits, int integerDigits) {
    std::string text;
    if (integerDigits < 1) {
        text = "0,";
        text.append(static_cast<std::size_t>(-static_cast<long long>(integerDigits)), '0');
        text.append(digits);
        return text;
    }
    const auto whole = static_cast<std::size_t>(integerDigits);
    if (whole >= digits.size()) {
        text = digits;
        text.append(whole - digits.size(), '0');
        return text;
    }
    text = digits.substr(0, whole);
    text.push_back(',');
    text.append(digits.substr(whole));
    return text;
}

std::string SignificantText(double value, int significant, std::string_view minus) {
    if (!std::isfinite(value)) {
        return NumberToText(value);
    }
    const SignificantDigits rounded = RoundToSignificant(value, significant);
    return WithSign(std::signbit(value), PlaceDecimalComma(rounded.digits, rounded.exponent + 1),
                    minus);
}

std::string FixedText(double value, int decimals, std::string_view minus) {
    if (!std::isfinite(value)) {
        return NumberToText(value);
    }
    std::array<char, kFixedBufferSize> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::fixed, std::clamp(decimals, 0, kMaxDigits));
    std::string magnitude(buffer.data(), written.ptr);
    std::replace(magnitude.begin(), magnitude.end(), '.', ',');
    return WithSign(std::signbit(value), std::move(magnitude), minus);
}

} // namespace lchp
