// SPDX-License-Identifier: MIT
#include "python/bindings/operations.h"

#include "core/oils.h"
#include "core/temperaturetext.h"
#include "engine/engine.h"
#include "engine/oils.h"

#include <limits>
#include <utility>

namespace tarnwick::python {
namespace {

Outcome outcomeOf(const OrFailure<double>& result) {
    if (result)
        return {*result, {}};
    return {0, withoutTrailingBlanks(result.failure().message)};
}

// Runs a formula of the engine; a refusal or a result that cannot be
// computed gets the core's words for it.
template <typename Formula>
Outcome computedOutcome(Formula&& formula) {
    return outcomeOf(computed(std::forward<Formula>(formula)));
}

} // namespace

ResolvedUnit listedUnit(std::string_view text, UnitList list, const InputCheck& given) {
    if (text.empty())
        throw std::invalid_argument(withoutTrailingBlanks(given.message));
    const UnitInput input =
        list == UnitList::viscosity ? UnitInput::viscosity(text) : UnitInput::density(text);
    if (!input.unit.known())
        throw std::invalid_argument(unknownUnitMessage(text, list));
    return {input};
}

Temperature readTemperatureText(std::string_view text) {
    static const PlainNumbers numbers;
    if (const std::optional<Temperature> temperature = readTemperature(text, numbers))
        return *temperature;
    throw TextProblem(temperatureTextProblem(text));
}

Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit,
                At at) {
    return outcomeOf(tarnwick::convert(ConversionRequest{.value = value,
                                                         .from = from.unit,
                                                         .to = to.unit,
                                                         .density = density,
                                                         .densityUnit = densityUnit.unit,
                                                         .at = at.value}));
}

bool tryConvert(std::span<double> results, const Argument<double>& value,
                const Argument<FromUnit>& from, const Argument<ToUnit>& to,
                const Argument<double>& density, const Argument<DensityUnit>& densityUnit,
                const Argument<At>& at) {
    if (!from.scalar() || !to.scalar() || !densityUnit.scalar() || !at.scalar())
        return false;
    tarnwick::tryConvert(ConversionColumns{.values = value.numbers(),
                                           .from = from[0].unit,
                                           .to = to[0].unit,
                                           .densities = density.numbers(),
                                           .densityUnit = densityUnit[0].unit,
                                           .at = at[0].value},
                         results);
    return true;
}

Outcome convertDensity(double value, DensityUnit from, DensityUnit to) {
    return outcomeOf(tarnwick::convert(DensityRequest{value, from.unit, to.unit}));
}

Outcome viscosityAt(TemperatureIn t, TemperatureIn t1, double v1, TemperatureIn t2, double v2) {
    return computedOutcome(
        [&] { return tarnwick::viscosityAt(t1.value, v1, t2.value, v2, t.value); });
}

Outcome temperatureReaching(double v, TemperatureIn t1, double v1, TemperatureIn t2, double v2) {
    return computedOutcome(
        [&] { return tarnwick::temperatureReaching(v, t1.value, v1, t2.value, v2).value; });
}

Outcome viscosityIndex(double v40, double v100) {
    return computedOutcome([&] { return tarnwick::viscosityIndex(v40, v100); });
}

Outcome roundedViscosityIndex(double v40, double v100) {
    return computedOutcome(
        [&] { return tarnwick::roundedViscosityIndex(tarnwick::viscosityIndex(v40, v100)); });
}

Outcome isoGrade(double v40) {
    return computedOutcome([&] {
        const std::optional<int> grade = tarnwick::isoGrade(v40).grade;
        return grade ? *grade : std::numeric_limits<double>::quiet_NaN();
    });
}

Outcome blend(double v1, double v2, double fraction) {
    return computedOutcome([&] { return tarnwick::blend(v1, v2, fraction); });
}

Outcome blendFraction(double v1, double v2, double target) {
    return computedOutcome([&] { return tarnwick::blendFraction(v1, v2, target); });
}

std::string isoGradeName(int grade) {
    return tarnwick::isoGradeName(grade);
}

std::span<const std::string_view> viscosityUnitNames() {
    return viscosityUnits;
}

std::span<const std::string_view> densityUnitNames() {
    return densityUnits;
}

std::span<const EffluxScale> scales() {
    return effluxScales;
}

double defaultDensity() {
    return tarnwick::defaultDensity;
}

std::string_view defaultDensityUnit() {
    return defaultDensityUnitName();
}

} // namespace tarnwick::python
