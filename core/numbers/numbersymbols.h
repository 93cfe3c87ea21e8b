// SPDX-License-Identifier: MIT
// How a locale writes numbers: its separators, grouping, digits and signs.
// Each front end fills it from its own platform (QLocale, the Windows API,
// the browser's Intl); the reading and writing built on it are shared.
#pragma once

#include <string>

namespace tarnwick {

struct NumberSymbols {
    std::string decimal = ".";
    std::string group;    // empty: the locale does not group digits
    int groupFirst = 3;   // digits in the group next to the decimal separator
    int groupHigher = 3;  // digits in each group before it (2 in India)
    int groupMinimum = 1; // grouped only from groupFirst + groupMinimum integer digits
    char32_t zero = U'0'; // the zero of the locale's digits; the other nine follow it
    std::string minus = "-";
    std::string plus = "+";
    std::string exponent = "e";

    bool operator==(const NumberSymbols&) const = default;
};

} // namespace tarnwick
