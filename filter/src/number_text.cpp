#include "filter/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace lchp {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the run of digits at the start of text.
std::size_t DigitRun(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    return n;
}

// Length of the unsigned decimal number at the start of text (mantissa and a complete exponent),
// 0 when there is none. Scanning it ourselves keeps from_chars away from "inf", "nan" and hex.
std::size_t UnsignedNumberLength(std::string_view text) {
    const std::size_t whole = DigitRun(text);
    std::size_t n = whole;
    std::size_t fraction = 0;
    if (n < text.size() && text[n] == '.') {
        fraction = DigitRun(text.substr(n + 1));
        n += 1 + fraction;
    }
    if (whole + fraction == 0) {
        return 0;
    }
    if (n < text.size() && (text[n] == 'e' || text[n] == 'E')) {
        std::size_t e = n + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        const std::size_t exponentDigits = DigitRun(text.substr(e));
        if (exponentDigits > 0) {
            n = e + exponentDigits;
        }
    }
    return n;
}

// Whether an unsigned decimal number (as UnsignedNumberLength matched it, nonzero digits included)
// is below 1 in magnitude: the power of ten of its first significant digit is negative.
bool IsBelowOne(std::string_view number) {
    const std::size_t mantissaEnd = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, mantissaEnd);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return true;
    }
    // Digits up to a million and exponents saturated there keep this far from overflow.
    constexpr std::int64_t kLimit = 1'000'000;
    const auto position = [&](std::size_t index) {
        return std::min(static_cast<std::int64_t>(index), kLimit);
    };
    const std::int64_t order =
        first < point ? position(point) - position(first) - 1 : position(point) - position(first);
    std::int64_t exponent = 0;
    if (mantissaEnd < number.size()) {
        std::string_view digits = number.substr(mantissaEnd + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        for (const char c : digits) {
            exponent = std::min(exponent * 10 + (c - '0'), kLimit);
        }
        exponent = negative ? -exponent : exponent;
    }
    return order + exponent < 0;
}

} // namespace

double ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view digits = text.substr(i, UnsignedNumberLength(text.substr(i)));
    if (digits.empty()) {
        return 0;
    }
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow is a signed zero, as for "-0". A number too large for a double is not what
        // the user can mean as typed: it reads as no number, so that no infinity enters a design.
        return IsBelowOne(digits) && negative ? -0.0 : 0.0;
    }
    return negative ? -value : value;
}

std::string NumberToText(double value) {
    if (std::isnan(value)) {
        return "indefinito";
    }
    if (std::isinf(value)) {
        return value > 0 ? "infinito" : "-infinito";
    }
    // The shortest form of a finite double takes at most 24 characters.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace lchp
