// SPDX-License-Identifier: MIT
// Numbers as the user types and reads them under a locale's symbols.
//
// One reader serves both the numeric test and the reading, so a text that
// passes the test always reads as the same finite double.
#pragma once

#include "core/numbers/numbersymbols.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::localNumber {

// The number in text (UTF-8), or nothing when it is not a number under
// symbols. Accepted, after trimming blanks: an optional sign ("+", "-" or
// the locale's); digits of any one script, optionally grouped as the locale
// groups them; an optional decimal separator with a fraction; an optional
// exponent (e, E or the locale's mark, an optional sign, digits). Rejected:
// empty texts, NaN and infinity, hexadecimal, misplaced group separators,
// and numbers beyond the double range. Numbers too small for a double read
// as 0.
std::optional<double> parse(std::string_view text, const NumberSymbols& symbols);

// Appends value with exactly `decimals` digits after the decimal separator
// (0 to 17), the locale's grouping, digits and minus sign; never in exponent
// form. Exact ties are rounded away from zero.
void appendFixed(std::string& out, double value, int decimals, const NumberSymbols& symbols);

inline std::string fixed(double value, int decimals, const NumberSymbols& symbols) {
    std::string text;
    appendFixed(text, value, decimals, symbols);
    return text;
}

} // namespace tarnwick::localNumber
