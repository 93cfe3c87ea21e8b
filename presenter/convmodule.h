// SPDX-License-Identifier: MIT
// The calculation behind "Calculate" and "Clear Values".
#pragma once

#include "presenter/convview.h"

#include <cstdint>

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
    // ConversionError from the conversion is not caught: it reaches the
    // caller before txtResult is written.
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
    ConvView& m_view;
    double m_convResult = 0;
};

} // namespace tarnwick
