// SPDX-License-Identifier: MIT
// Numbers written the plain way, independent of any locale: "." as decimal
// mark, no group separators, ASCII digits. Standard library only, so that
// scripts and files get the same digits on every machine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::plainNumber {

// The number in text, or nothing. Accepted, after trimming ASCII blanks: an
// optional sign, digits with an optional "." and fraction (at least one
// digit in all), an optional exponent (e or E, an optional sign, digits).
// Rejected: NaN, infinity, hexadecimal, group separators and numbers beyond
// the double range. A number too small for a double reads as 0.
std::optional<double> parse(std::string_view text);

// Reads text that is already in that form without blanks or a "+" at the
// front ("-1234.5e-7"), as parse() does.
std::optional<double> readCanonical(std::string_view text);

// Appends value with exactly `decimals` digits after the point (0 to 17),
// never in exponent form. Exact ties are rounded away from zero, as the
// window's number formatting does (0.001953125 gives 0.00195313).
void appendFixed(std::string& out, double value, int decimals);

// Appends the shortest text that reads back as exactly value.
void appendShortest(std::string& out, double value);

inline std::string fixed(double value, int decimals) {
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

} // namespace tarnwick::plainNumber
