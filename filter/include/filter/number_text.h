#pragma once

#include <string>
#include <string_view>

namespace lchp {

// The value of the decimal number the text begins with, 0 when it begins with none. Grammar:
// blanks (space, tab), an optional sign, digits with an optional '.' (at least one digit), an
// optional exponent (e or E, optional sign, digits); whatever follows is ignored. The process
// locale plays no part: '.' is always the decimal separator. "nan", "inf" and hexadecimal forms
// read as 0, and so does a number beyond the double range: only finite values come out. Too small
// a number reads as 0 or a denormal.
double ReadLeadingNumber(std::string_view text);

// The shortest text that reads back to the same double ("5000", "9.952229299363057e-06").
// Infinities and NaN, which a design can reach by overflow, read "infinito", "-infinito" and
// "indefinito".
std::string NumberToText(double value);

} // namespace lchp
