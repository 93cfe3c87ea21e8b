// SPDX-License-Identifier: MIT
#include "python/bindings/operations.h"

#include "engine/engine.h"

#include <stdexcept>

namespace tarnwick::python {
namespace {

Outcome outcomeOf(const OrFailure<double>& result) {
    if (result)
        return {*result, {}};
    return {0, withoutTrailingBlanks(result.failure().message)};
}

} // namespace

UnitInput listedUnit(std::string_view text, UnitList list, const InputCheck& given) {
    if (text.empty())
        throw std::invalid_argument(withoutTrailingBlanks(given.message));
    const UnitInput input =
        list == UnitList::viscosity ? UnitInput::viscosity(text) : UnitInput::density(text);
    if (!input.unit.known())
        throw std::invalid_argument(unknownUnitMessage(text, list));
    return input;
}

Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit) {
    return outcomeOf(
        tarnwick::convert(ConversionRequest{value, from.unit, to.unit, density, densityUnit.unit}));
}

Outcome convertDensity(double value, DensityUnit from, DensityUnit to) {
    return outcomeOf(tarnwick::convert(DensityRequest{value, from.unit, to.unit}));
}

std::span<const std::string_view> viscosityUnitNames() {
    return viscosityUnits;
}

std::span<const std::string_view> densityUnitNames() {
    return densityUnits;
}

double defaultDensity() {
    return tarnwick::defaultDensity;
}

std::string_view defaultDensityUnit() {
    return defaultDensityUnitName();
}

} // namespace tarnwick::python
