#include "filter/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
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
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double (or so small that the library refuses it): a value the user cannot
        // mean as typed never enters a design, and underflow is 0 anyway.
        return 0;
    }
    if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
        return 0;
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
