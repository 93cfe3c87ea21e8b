// SPDX-License-Identifier: MIT
#include "python/bindings/operations.h"

#include "core/conversion.h"
#include "core/unitnames.h"
#include "engine/engine.h"

#include <stdexcept>

namespace tarnwick::python {
namespace {

UnitKind kindOf(Control input) {
    return input == Control::densityCombo ? UnitKind::density : UnitKind::viscosity;
}

// Runs a conversion of the engine; a result that cannot be computed gets the
// core's words for it.
template <typename Conversion>
Outcome compute(Conversion&& conversion) {
    try {
        return {conversion(), {}};
    } catch (const ConversionError& error) {
        return {0, cannotComputeMessage(error)};
    }
}

Outcome failed(const InputCheck& check) {
    return {0, withoutTrailingBlanks(check.message)};
}

} // namespace

std::string_view listedUnit(std::string_view text, Control input, const InputCheck& emptyCheck) {
    if (text.empty())
        throw std::invalid_argument(withoutTrailingBlanks(emptyCheck.message));
    const UnitKind kind = kindOf(input);
    const int index =
        kind == UnitKind::viscosity ? viscosityUnitIndex(text) : densityUnitIndex(text);
    if (index < 0)
        throw std::invalid_argument(unknownUnitMessage(text, kind));
    return kind == UnitKind::viscosity ? viscosityUnits[static_cast<std::size_t>(index)]
                                       : densityUnits[static_cast<std::size_t>(index)];
}

Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit) {
    // Both numbers are given; the units were resolved before the loop.
    const InputCheck* check = firstFailedCheck(
        [&](Control input) {
            return std::optional(input == Control::convertText ? value : density);
        },
        [](Control) { return false; });
    if (check)
        return failed(*check);
    return compute(
        [&] { return convertViscosity(value, from.name, to.name, density, densityUnit.name); });
}

Outcome convertDensity(double value, DensityUnit from, DensityUnit to) {
    if (const InputCheck* check = failedDensityValueCheck(value, from.name))
        return failed(*check);
    return compute([&] { return tarnwick::convertDensity(value, from.name, to.name); });
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
    return densityUnits[defaultDensityUnitIndex];
}

} // namespace tarnwick::python
