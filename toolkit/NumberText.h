#pragma once

// Numbers as a text box shows them, and read back from what the user typed.

#include <string>
#include <string_view>

namespace keystead::toolkit {

// The number a text begins with: blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, digits with at most one period, and an optional exponent
// (E or e, optional sign, digits). The period is the decimal separator in every locale.
// A text that begins with no number reads 0. Numbers beyond a double read as infinity.
// The result is the double nearest to that number, ties to even, as strtod gives it.
double TextToNumber(std::string_view text);

// The number text TextToNumber reads, blanks dropped ("- 1 2e" gives "-12"); empty when the
// text begins with no number.
std::string NumberText(std::string_view text);

// A whole number as plain decimal digits, with a leading "-" when negative.
std::string IntegerText(double wholeNumber);

}  // namespace keystead::toolkit
