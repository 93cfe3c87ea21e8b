// SPDX-License-Identifier: MIT
#include "python/bindings/operations.h"

#include "core/temperaturetext.h"
#include "engine/engine.h"
#include "engine/oils.h"

#include <cmath>
#include <limits>

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
Outcome computed(Formula&& formula) {
    try {
        return {formula(), {}};
    } catch (const ConversionError& error) {
        return {0, cannotComputeMessage(error)};
    }
}

// The pivot of the scales.
const UnitInput& centistokes() {
    static const UnitInput cSt = UnitInput::viscosity("cSt");
    return cSt;
}

} // namespace

ResolvedUnit listedUnit(std::string_view text, UnitList list, const InputCheck& given) {
    if (text.empty())
        throw std::invalid_argument(withoutTrailingBlanks(given.message));
    const bool viscosity = list == UnitList::viscosity;
    const UnitInput input = viscosity ? UnitInput::viscosity(text) : UnitInput::density(text);
    if (input.unit.known())
        return {input};
    if (viscosity)
        for (const EffluxScale& scale : effluxScales)
            if (scale.name == text)
                return {input, &scale};
    throw std::invalid_argument(unknownUnitMessage(text, list));
}

Temperature readTemperatureText(std::string_view text) {
    static const PlainNumbers numbers;
    if (const std::optional<Temperature> temperature = readTemperature(text, numbers))
        return *temperature;
    throw TextProblem(temperatureTextProblem(text));
}

Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit,
                At at) {
    ConversionRequest request{value, from.unit, to.unit, density, densityUnit.unit};
    if (!from.scale && !to.scale)
        return outcomeOf(tarnwick::convert(request));
    // A reading goes through cSt at its temperature, after the request's
    // checks on the values as given.
    if (const std::optional<ConversionFailure> problem = firstInputProblem(request))
        return {0, withoutTrailingBlanks(problem->message)};
    if (from.scale) {
        const Outcome centistokesIn =
            computed([&] { return from.scale->toCentistokes(value, at.value); });
        if (!centistokesIn.problem.empty())
            return centistokesIn;
        request.value = centistokesIn.value;
        request.from = centistokes();
    }
    if (to.scale)
        request.to = centistokes();
    const Outcome converted = outcomeOf(tarnwick::convert(request));
    if (!to.scale || !converted.problem.empty())
        return converted;
    return computed([&] { return to.scale->fromCentistokes(converted.value, at.value); });
}

Outcome convertDensity(double value, DensityUnit from, DensityUnit to) {
    return outcomeOf(tarnwick::convert(DensityRequest{value, from.unit, to.unit}));
}

Outcome viscosityAt(TemperatureIn t, TemperatureIn t1, double v1, TemperatureIn t2, double v2) {
    return computed([&] { return tarnwick::viscosityAt(t1.value, v1, t2.value, v2, t.value); });
}

Outcome temperatureReaching(double v, TemperatureIn t1, double v1, TemperatureIn t2, double v2) {
    return computed(
        [&] { return tarnwick::temperatureReaching(v, t1.value, v1, t2.value, v2).value; });
}

Outcome viscosityIndex(double v40, double v100) {
    return computed([&] { return tarnwick::viscosityIndex(v40, v100); });
}

Outcome roundedViscosityIndex(double v40, double v100) {
    return computed(
        [&] { return tarnwick::roundedViscosityIndex(tarnwick::viscosityIndex(v40, v100)); });
}

Outcome isoGrade(double v40) {
    return computed([&] {
        const std::optional<int> grade = tarnwick::isoGrade(v40).grade;
        return grade ? *grade : std::numeric_limits<double>::quiet_NaN();
    });
}

Outcome blend(double v1, double v2, double fraction) {
    return computed([&] { return tarnwick::blend(v1, v2, fraction); });
}

Outcome blendFraction(double v1, double v2, double target) {
    return computed([&] { return tarnwick::blendFraction(v1, v2, target); });
}

std::string isoGradeName(int grade) {
    return "ISO VG " + std::to_string(grade);
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
