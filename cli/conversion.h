// SPDX-License-Identifier: MIT
// One conversion from the texts of its five inputs, with the main window's
// checks, in the window's order, and its messages.
#pragma once

#include "numberstyle.h"

#include <string>
#include <string_view>

namespace tarnwick::cli {

// The five inputs as texts, as a box or a list of the window would hold them.
struct ConversionTexts {
    std::string_view value;
    std::string_view fromUnit;
    std::string_view toUnit;
    std::string_view density;
    std::string_view densityUnit;
    bool densityGiven = true; // false: the density is the default one
};

class Converter {
public:
    explicit Converter(const NumberStyle& numbers)
        : m_numbers(numbers) {}

    // Appends the result to out and returns true; or leaves out alone, sets
    // message and returns false.
    bool convert(const ConversionTexts& texts, std::string& out, std::string& message);

    // True once, after the first conversion that read a density the user did
    // not give.
    bool takeDefaultDensityNote();

private:
    const NumberStyle& m_numbers;
    bool m_defaultDensityRead = false;
    bool m_noteTaken = false;
};

// The window's messages, less the blank that ends some of them: on a
// terminal line it is only noise.
std::string withoutTrailingBlanks(std::string_view message);

} // namespace tarnwick::cli
