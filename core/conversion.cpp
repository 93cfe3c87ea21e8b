// SPDX-License-Identifier: MIT
#include "core/conversion.h"

#include "core/numbers/localnumber.h"
#include "core/numbers/plainnumber.h"
#include "core/unitcache.h"
#include "core/unitnames.h"
#include "engine/effluxscales.h"

#include <algorithm>
#include <array>
#include <limits>

namespace tarnwick {
namespace {

using Rule = InputCheck::Rule;

const UnitInput& unitOf(const ConversionRequest& request, Input input) {
    return input == Input::fromUnit ? request.from
           : input == Input::toUnit ? request.to
                                    : request.densityUnit;
}

// The window's checks split in two, each in the table's order: those of
// the texts (whether a number is one), made when they are read, and those of
// the request.
template <std::size_t N>
constexpr std::array<InputCheck, N> checksWhere(bool numeric) {
    std::array<InputCheck, N> checks{};
    std::size_t count = 0;
    for (const InputCheck& check : inputChecks)
        if ((check.rule == Rule::numeric) == numeric)
            checks[count++] = check;
    return checks;
}
constexpr auto textChecks = checksWhere<2>(true);
constexpr auto requestChecks = checksWhere<inputChecks.size() - 2>(false);

bool notPositive(double number) {
    return !(number > 0);
}

bool fails(const InputCheck& check, const ConversionRequest& request) {
    switch (check.rule) {
    case Rule::numeric:
        return false;
    case Rule::positive:
        return notPositive(check.input == Input::value ? request.value : request.density);
    case Rule::unitGiven:
        return unitOf(request, check.input).text.empty();
    }
    return false;
}

// The first unit of the request (from, density, to) that names none listed.
std::optional<ConversionFailure> unlistedUnit(const ConversionRequest& request) {
    for (const Input input : {Input::fromUnit, Input::densityUnit, Input::toUnit}) {
        const UnitInput& unit = unitOf(request, input);
        if (!unit.unit.known())
            return ConversionFailure{input,
                                     unknownUnitMessage(unit.text, input == Input::densityUnit
                                                                       ? UnitList::density
                                                                       : UnitList::viscosity)};
    }
    return std::nullopt;
}

UnitInput found(std::string_view text, UnitList list, UnitCache* cache) {
    if (cache)
        return {text, cache->find(text)};
    return list == UnitList::viscosity ? UnitInput::viscosity(text) : UnitInput::density(text);
}

} // namespace

Unit viscosityUnit(std::string_view name) noexcept {
    const Unit listed = Unit::viscosity(name);
    return listed.known() ? listed : Unit::effluxScale(name);
}

OrFailure<ConversionRequest> readConversion(const ConversionTexts& texts,
                                            const NumberStyle& numbers,
                                            ConversionUnitCache* units) {
    // Filled where it is returned rather than copied there: the copy cost
    // a batch row about 4 % of its time (docs/performance.md).
    OrFailure<ConversionRequest> read(ConversionRequest{});
    ConversionRequest& request = *read;
    for (const InputCheck& check : textChecks) {
        const bool isValue = check.input == Input::value;
        const std::optional<double> number = numbers.parse(isValue ? texts.value : texts.density);
        if (!number) {
            read = failureOf(check);
            return read;
        }
        (isValue ? request.value : request.density) = *number;
    }
    request.from = found(texts.fromUnit, UnitList::viscosity, units ? &units->from : nullptr);
    request.to = found(texts.toUnit, UnitList::viscosity, units ? &units->to : nullptr);
    request.densityUnit =
        found(texts.densityUnit, UnitList::density, units ? &units->densityUnit : nullptr);
    request.densityGiven = texts.densityGiven;
    request.at = texts.at;
    return read;
}

std::optional<ConversionFailure> firstInputProblem(const ConversionRequest& request) {
    for (const InputCheck& check : requestChecks)
        if (fails(check, request))
            return failureOf(check);
    return std::nullopt;
}

OrFailure<double> convert(const ConversionRequest& request) {
    if (std::optional<ConversionFailure> problem = firstInputProblem(request))
        return std::move(*problem);
    if (std::optional<ConversionFailure> problem = unlistedUnit(request))
        return std::move(*problem);
    return computed([&] {
        return convertViscosity(request.value, request.from.unit, request.to.unit, request.density,
                                request.densityUnit.unit, request.at);
    });
}

void tryConvert(const ConversionColumns& columns, std::span<double> results) {
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    // The units' checks, once for all elements: an empty name names no
    // listed unit, so these cover the units given too.
    if (unlistedUnit(ConversionRequest{
            .from = columns.from, .to = columns.to, .densityUnit = columns.densityUnit})) {
        std::fill(results.begin(), results.end(), none);
        return;
    }
    tryConvertViscosities(columns.values, columns.from.unit, columns.to.unit, columns.densities,
                          columns.densityUnit.unit, columns.at, results);
    // The checks of the numbers, element by element.
    for (const InputCheck& check : requestChecks) {
        if (check.rule != Rule::positive)
            continue;
        const NumberColumn numbers =
            check.input == Input::value ? columns.values : columns.densities;
        for (std::size_t i = 0; i < results.size(); ++i)
            if (notPositive(numbers[i]))
                results[i] = none;
    }
}

OrFailure<DensityRequest> readDensityConversion(const DensityTexts& texts,
                                                const NumberStyle& numbers,
                                                ConversionUnitCache* units) {
    const std::optional<double> value = numbers.parse(texts.value);
    if (!value)
        return ConversionFailure{Input::value,
                                 std::string(inputCheck(Input::density, Rule::numeric).message)};
    return DensityRequest{*value,
                          found(texts.fromUnit, UnitList::density, units ? &units->from : nullptr),
                          found(texts.toUnit, UnitList::density, units ? &units->to : nullptr)};
}

OrFailure<double> convert(const DensityRequest& request) {
    const std::pair<const UnitInput&, Input> units[] = {{request.from, Input::fromUnit},
                                                        {request.to, Input::toUnit}};
    for (const auto& [unit, input] : units) {
        if (unit.text.empty())
            return ConversionFailure{
                input, std::string(inputCheck(Input::densityUnit, Rule::unitGiven).message)};
        if (!unit.unit.known())
            return ConversionFailure{input, unknownUnitMessage(unit.text, UnitList::density)};
    }
    const bool gravityScale = request.from.unit.kind() == UnitKind::gravityScale;
    if (!(request.value > 0) && !gravityScale)
        return ConversionFailure{Input::value,
                                 std::string(inputCheck(Input::density, Rule::positive).message)};
    return computed(
        [&] { return convertDensity(request.value, request.from.unit, request.to.unit); });
}

std::string_view defaultDensityText() {
    // Written once, in the form that every number style reads.
    static const std::string text = [] {
        std::string shortest;
        plainNumber::appendShortest(shortest, defaultDensity);
        return shortest;
    }();
    return text;
}

std::string_view defaultDensityUnitName() {
    return densityUnits[defaultDensityUnitIndex];
}

std::string DefaultDensityNote::after(const ConversionRequest& request,
                                      const OrFailure<double>& result) {
    const bool checked = result || !result.failure().input;
    if (m_told || !checked || request.densityGiven ||
        !readsDensity(request.from.unit, request.to.unit))
        return {};
    m_told = true;
    return "no density given; using " + std::string(defaultDensityText()) + " " +
           std::string(request.densityUnit.text);
}

std::string startingValueText(const NumberSymbols& symbols) {
    return localNumber::fixed(1, 0, symbols);
}

std::string startingDensityText(const NumberSymbols& symbols) {
    return localNumber::fixed(defaultDensity, 1, symbols);
}

} // namespace tarnwick
