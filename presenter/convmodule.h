// SPDX-License-Identifier: MIT
// The calculation behind "Calculate" and "Clear Values".
#pragma once

#include "core/conversion.h"
#include "presenter/convview.h"

#include <cstdint>
#include <string>

namespace tarnwick {

class ConvModule {
public:
    explicit ConvModule(ConvView& view)
        : m_view(view) {}

    // Checks the five inputs in a fixed order. At the first problem it shows
    // its message, moves the focus to the control at fault and returns 1;
    // returns 0 when every input is usable.
    std::uint8_t validateInputs();

    // Validates, converts and writes the result with eight decimals. A
    // result that cannot be computed is shown as a message, and txtResult
    // keeps what it showed.
    void calculate();

    // Restores the starting value texts and empties the result.
    void clearValues();

    // The texts the value boxes start with, 1 and 50.0, written as the user's
    // locale writes numbers so that they always read back ("50,0" in German).
    static QString startingValueText();
    static QString startingDensityText();

    // The last conversion result.
    double convResult() const { return m_convResult; }

private:
    // The five texts as the controls hold them now.
    struct Texts {
        std::string value, fromUnit, toUnit, density, densityUnit;
        ConversionTexts view() const { return {value, fromUnit, toUnit, density, densityUnit}; }
    };
    Texts texts() const;
    void report(const ConversionFailure& failure);

    ConvView& m_view;
    double m_convResult = 0;
};

} // namespace tarnwick
