// Fuzzes the reader of typed numbers against a second reader built another way: an explicit state
// machine finds the number, the C library's strtod converts it. The two must agree to the bit.

#include "filter/number_text.h"
#include "print_input.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

enum class Scan {
    Blanks,     // before anything but blanks
    Sign,       // after + or -
    LeadingDot, // after a '.' with no digit before it
    Whole,      // in the digits before any '.'
    Fraction,   // after a '.' that has a digit on one side
    ExponentMark,
    ExponentSign,
    ExponentDigits,
    Stopped,
};

bool Accepting(Scan state) {
    return state == Scan::Whole || state == Scan::Fraction || state == Scan::ExponentDigits;
}

Scan Next(Scan state, char c) {
    const bool digit = c >= '0' && c <= '9';
    switch (state) {
    case Scan::Blanks:
        if (c == ' ' || c == '\t') {
            return Scan::Blanks;
        }
        if (c == '+' || c == '-') {
            return Scan::Sign;
        }
        [[fallthrough]];
    case Scan::Sign:
        if (digit) {
            return Scan::Whole;
        }
        return c == '.' ? Scan::LeadingDot : Scan::Stopped;
    case Scan::LeadingDot:
        return digit ? Scan::Fraction : Scan::Stopped;
    case Scan::Whole:
        if (digit) {
            return Scan::Whole;
        }
        if (c == '.') {
            return Scan::Fraction;
        }
        return c == 'e' || c == 'E' ? Scan::ExponentMark : Scan::Stopped;
    case Scan::Fraction:
        if (digit) {
            return Scan::Fraction;
        }
        return c == 'e' || c == 'E' ? Scan::ExponentMark : Scan::Stopped;
    case Scan::ExponentMark:
        if (c == '+' || c == '-') {
            return Scan::ExponentSign;
        }
        [[fallthrough]];
    case Scan::ExponentSign:
    case Scan::ExponentDigits:
        return digit ? Scan::ExponentDigits : Scan::Stopped;
    case Scan::Stopped:
        break;
    }
    return Scan::Stopped;
}

// The signed number the text begins with, without the blanks before it; empty when there is none.
// An exponent with no digits is not part of the number: the longest accepted prefix wins.
std::string_view MatchedNumber(std::string_view text) {
    Scan state = Scan::Blanks;
    std::size_t begin = 0;
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        state = Next(state, text[i]);
        if (state == Scan::Stopped) {
            break;
        }
        if (state == Scan::Blanks) {
            begin = i + 1;
        }
        if (Accepting(state)) {
            end = i + 1;
        }
    }
    return end == 0 ? std::string_view() : text.substr(begin, end - begin);
}

double ReferenceRead(std::string_view text) {
    const std::string number(MatchedNumber(text));
    if (number.empty()) {
        return 0;
    }
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size()) {
        std::fprintf(stderr, "strtod stopped early in \"%s\": the state machine is wrong\n",
                     number.c_str());
        std::abort();
    }
    // Only overflow is turned into 0; an underflow keeps whatever strtod rounded it to, even with
    // ERANGE set (glibc sets it for inexact denormals too).
    if (errno == ERANGE && std::fabs(value) == HUGE_VAL) {
        return 0;
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // strtod follows the process locale; the reader under test must not, so the reference is
    // pinned to the '.' separator.
    std::setlocale(LC_NUMERIC, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double got = lchp::ReadLeadingNumber(text);
    const double expected = ReferenceRead(text);
    if (!std::isfinite(got)) {
        lchp::PrintInput(text);
        std::fprintf(stderr, "ReadLeadingNumber gave a non-finite value %a\n", got);
        std::abort();
    }
    // Bit for bit, so that -0 and +0 differ too.
    if (std::memcmp(&got, &expected, sizeof got) != 0) {
        lchp::PrintInput(text);
        std::fprintf(stderr, "ReadLeadingNumber gave %a (%.17g), the reference reader %a (%.17g)\n",
                     got, got, expected, expected);
        std::abort();
    }
    return 0;
}
