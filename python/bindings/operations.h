// SPDX-License-Identifier: MIT
// What the Python module computes, one element at a time. Every call the
// module makes into the core and the engine is in operations.cpp, so that a
// change of their interfaces is followed there alone.
#pragma once

#include "core/inputchecks.h"

#include <span>
#include <string>
#include <string_view>

namespace tarnwick::python {

// A unit name resolved once, before the loop: the input of the core's
// conversion that it fills (which says its kind and the message for an empty
// name) and its entry in the engine's list. An empty name is a missing unit,
// which gives NaN like a missing number.
template <Control input>
struct UnitIn {
    std::string_view name;

    bool missing() const { return name.empty(); }
};
using FromUnit = UnitIn<Control::convCombo>;
using ToUnit = UnitIn<Control::toCombo>;
using DensityUnit = UnitIn<Control::densityCombo>;

// The listed name equal to text, or throws std::invalid_argument with the
// core's message: emptyCheck's ("Viscosity unit is not specified.") for an
// empty text, `unknown viscosity unit "CP" (did you mean "cP"?)` for an
// unlisted one.
std::string_view listedUnit(std::string_view text, Control input, const InputCheck& emptyCheck);

template <Control input>
UnitIn<input> resolve(std::string_view text) {
    return {listedUnit(text, input, inputCheck(input, InputCheck::Rule::unitGiven))};
}

// One element's result, or the converter's message for why there is none.
struct Outcome {
    double value = 0;
    std::string problem;
};

// The window's conversion of a viscosity, with its checks and messages.
Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit);

// A density from one density unit to another, both named as density units.
Outcome convertDensity(double value, DensityUnit from, DensityUnit to);

// The lists and defaults as the core states them.
std::span<const std::string_view> viscosityUnitNames();
std::span<const std::string_view> densityUnitNames();
double defaultDensity();
std::string_view defaultDensityUnit();

} // namespace tarnwick::python
