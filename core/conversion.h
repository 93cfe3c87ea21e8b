// SPDX-License-Identifier: MIT
// One conversion from the texts of its inputs, with the main window's
// checks, in the window's order, and its messages.
#pragma once

#include "core/inputchecks.h"
#include "core/numbers/numberstyle.h"
#include "core/numbers/numbersymbols.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The five inputs as texts, as a box or a list of the window would hold them.
struct ConversionTexts {
    std::string_view value;
    std::string_view fromUnit;
    std::string_view toUnit;
    std::string_view density;
    std::string_view densityUnit;
    bool densityGiven = true; // false: the density is the default one
};

// A density and the two density units it goes between.
struct DensityTexts {
    std::string_view value;
    std::string_view fromUnit;
    std::string_view toUnit;
};

// Why a conversion gave no result: the window's words, trailing blank
// included, and the input at fault; no input for a result that cannot be
// computed.
struct ConversionFailure {
    std::string message;
    std::optional<Control> control;
};

// The density that stands in when none is given, and what the user is told
// when it is used: "no density given; using 50 lb/ft^3".
std::string_view defaultDensityText();
std::string defaultDensityNote(std::string_view densityUnit);

// The texts the value boxes start with, 1 and 50.0, written under symbols so
// that they always read back ("50,0" in German).
std::string startingValueText(const NumberSymbols& symbols);
std::string startingDensityText(const NumberSymbols& symbols);

class Converter {
public:
    explicit Converter(const NumberStyle& numbers)
        : m_numbers(numbers) {}

    // Appends the result to out and returns true; or leaves out alone, fills
    // failure and returns false.
    bool convert(const ConversionTexts& texts, std::string& out, ConversionFailure& failure);

    // A density from one density unit to another. The value must be above
    // zero, except on the two gravity scales, which take any value.
    bool convertDensity(const DensityTexts& texts, std::string& out, ConversionFailure& failure);

    // True once, after the first conversion that read a density the user did
    // not give.
    bool takeDefaultDensityNote();

private:
    const NumberStyle& m_numbers;
    bool m_defaultDensityRead = false;
    bool m_noteTaken = false;
};

// The check that a density in fromUnit fails, or null: it must be above
// zero, except on the two gravity scales, which take any value.
const InputCheck* failedDensityValueCheck(double value, std::string_view fromUnit);

// The window's messages, less the blank that ends some of them: on a
// terminal line it is only noise.
std::string withoutTrailingBlanks(std::string_view message);

} // namespace tarnwick
