// SPDX-License-Identifier: MIT
// What the Python module computes, one element at a time. Every call the
// module makes into the core and the engine is in operations.cpp, so that a
// change of their interfaces is followed there alone.
#pragma once

#include "core/conversion.h"
#include "core/unitnames.h"
#include "engine/effluxscales.h"
#include "engine/temperature.h"

#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnwick::python {

// A unit name resolved once, before the loop, into the core's input for it
// (for viscosities, a listed unit or an efflux scale). An empty text is a
// missing unit (None or NaN in a column), which gives NaN like a missing
// number.
struct ResolvedUnit {
    UnitInput unit;

    bool missing() const { return unit.text.empty(); }
    std::string_view text() const { return unit.text; }
};

template <Input input, UnitList list>
struct UnitIn : ResolvedUnit {};
using FromUnit = UnitIn<Input::fromUnit, UnitList::viscosity>;
using ToUnit = UnitIn<Input::toUnit, UnitList::viscosity>;
using DensityUnit = UnitIn<Input::densityUnit, UnitList::density>;

// The unit of list named by text, or throws std::invalid_argument with the core's message: given's
// ("Viscosity unit is not specified.") for an empty text, `unknown viscosity unit "CP" (did you
// mean "cP"?)` for an unlisted one.
ResolvedUnit listedUnit(std::string_view text, UnitList list, const InputCheck& given);

// A temperature text read once ("40C", "210F"); empty when missing.
struct TemperatureIn {
    std::string_view source;
    Temperature value{};

    bool missing() const { return source.empty(); }
    std::string_view text() const { return source; }
};

// The temperature a scale reading is taken at: none (None) is the scale's own.
struct At {
    std::string_view source;
    std::optional<Temperature> value;

    bool missing() const { return false; }
    std::string_view text() const { return source; }
};

// A text that is not what its argument takes; the message goes on from the
// argument's name ("takes a temperature such as 40C, ...").
class TextProblem : public std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

// Temperature, or throws TextProblem.
Temperature readTemperatureText(std::string_view text);

// How each kind of name is read once into what it names.
template <typename Named>
struct Resolve;

template <Input input, UnitList list>
struct Resolve<UnitIn<input, list>> {
    static UnitIn<input, list> from(std::string_view text) {
        return {listedUnit(text, list, inputCheck(input, InputCheck::Rule::unitGiven))};
    }
};

template <>
struct Resolve<TemperatureIn> {
    static TemperatureIn from(std::string_view text) { return {text, readTemperatureText(text)}; }
};

template <>
struct Resolve<At> {
    static At from(std::string_view text) { return {text, readTemperatureText(text)}; }
};

// One element's result, or the converter's message for why there is none.
struct Outcome {
    double value = 0;
    std::string problem;
};

// The window's conversion of a viscosity, with its checks and messages; an
// efflux scale's reading is taken at `at`.
Outcome convert(double value, FromUnit from, ToUnit to, double density, DensityUnit densityUnit,
                At at);

// An argument as a loop over a column reads it: element i of a column, or
// the one value of a scalar (step 0).
template <typename T>
class Argument {
public:
    T operator[](std::size_t i) const { return m_data[i * m_step]; }
    bool scalar() const { return m_step == 0; }
    NumberColumn numbers() const { return {m_data, m_step}; }

protected:
    const T* m_data = nullptr;
    std::size_t m_step = 0;
};

// An operation on a whole column at once, where it can: fills results,
// NaN where the operation on that element alone is to give the result or
// say why there is none, and returns true; false where it cannot.
template <typename... Args>
using ColumnTry = bool (*)(std::span<double> results, const Argument<Args>&...);

// convert on a column whose units and temperature are one for all.
bool tryConvert(std::span<double> results, const Argument<double>& value,
                const Argument<FromUnit>& from, const Argument<ToUnit>& to,
                const Argument<double>& density, const Argument<DensityUnit>& densityUnit,
                const Argument<At>& at);

// A density from one density unit to another: both units are density units
// and their message for a missing one is the density unit's.
Outcome convertDensity(double value, DensityUnit from, DensityUnit to);

// The oil formulas, viscosities in cSt. A temperature found is in t1's scale.
Outcome viscosityAt(TemperatureIn t, TemperatureIn t1, double v1, TemperatureIn t2, double v2);
Outcome temperatureReaching(double v, TemperatureIn t1, double v1, TemperatureIn t2, double v2);
Outcome viscosityIndex(double v40, double v100);
Outcome roundedViscosityIndex(double v40, double v100);
// The grade's number, NaN where v40 is in none.
Outcome isoGrade(double v40);
Outcome blend(double v1, double v2, double fraction);
Outcome blendFraction(double v1, double v2, double target);

// "ISO VG 68", as the core writes a grade.
std::string isoGradeName(int grade);

// The lists and defaults as the core states them.
std::span<const std::string_view> viscosityUnitNames();
std::span<const std::string_view> densityUnitNames();
std::span<const EffluxScale> scales();
double defaultDensity();
std::string_view defaultDensityUnit();

} // namespace tarnwick::python
