// SPDX-License-Identifier: MIT
// What the Python module computes, one element at a time. Every call the
// module makes into the core and the engine is in operations.cpp, so that a
// change of their interfaces is followed there alone.
#pragma once

#include "core/conversion.h"
#include "core/unitnames.h"

#include <span>
#include <string>
#include <string_view>

namespace tarnwick::python {

// A unit name resolved once, before the loop, into the core's input for
// it. An empty text is a missing unit (None or NaN in a column), which gives
// NaN like a missing number.
template <Input input, UnitList list>
struct UnitIn {
    UnitInput unit;

    bool missing() const { return unit.text.empty(); }
    std::string_view text() const { return unit.text; }
};
using FromUnit = UnitIn<Input::fromUnit, UnitList::viscosity>;
using ToUnit = UnitIn<Input::toUnit, UnitList::viscosity>;
using DensityUnit = UnitIn<Input::densityUnit, UnitList::density>;

// The unit of list named by text, or throws std::invalid_argument with the
// core's message: given's ("Viscosity unit is not specified.") for an empty
// text, `unknown viscosity unit "CP" (did you mean "cP"?)` for an unlisted
// one.
UnitInput listedUnit(std::string_view text, UnitList list, const InputCheck& given);

template <typename Unit>
struct Resolve;

template <Input input, UnitList list>
struct Resolve<UnitIn<input, list>> {
    static UnitIn<input, list> from(std::string_view text) {
        return {listedUnit(text, list, inputCheck(input, InputCheck::Rule::unitGiven))};
    }
};

// One element's result, or the converter's message for why there is none.
struct Outcome {
    double value = 0;
    std::string problem;
};

// The window's conversion of a viscosity, with its checks and messages.
Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit);

// A density from one density unit to another: both units are density units
// and their message for a missing one is the density unit's.
Outcome convertDensity(double value, DensityUnit from, DensityUnit to);

// The lists and defaults as the core states them.
std::span<const std::string_view> viscosityUnitNames();
std::span<const std::string_view> densityUnitNames();
double defaultDensity();
std::string_view defaultDensityUnit();

} // namespace tarnwick::python
