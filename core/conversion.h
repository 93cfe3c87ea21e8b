// SPDX-License-Identifier: MIT
// One conversion in two steps: its texts read into a request (the numbers
// read, the units found), then the request converted, with the main window's
// checks in the window's order and its messages. Writing the result is a
// step of its own (NumberStyle).
#pragma once

#include "core/inputchecks.h"
#include "core/numbers/numberstyle.h"
#include "core/numbers/numbersymbols.h"
#include "core/orfailure.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"
#include "engine/temperature.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

class ConversionUnitCache;

// The unit a viscosity's name names: a listed one, or an efflux scale
// ("SUS"), which a converter takes but the window's lists do not show.
Unit viscosityUnit(std::string_view name) noexcept;

// A unit as the user gave it, and the unit that names (none when it names
// no listed unit). The text is a view: it must outlive the request.
struct UnitInput {
    std::string_view text;
    Unit unit;

    static UnitInput viscosity(std::string_view text) { return {text, viscosityUnit(text)}; }
    static UnitInput density(std::string_view text) { return {text, Unit::density(text)}; }
};

// A viscosity to convert, with the fluid's density.
struct ConversionRequest {
    double value = 0;
    UnitInput from;
    UnitInput to;
    double density = defaultDensity;
    UnitInput densityUnit;
    bool densityGiven = true; // false: the default density stands in
    // Where an efflux scale's readings are taken; its reference when none.
    std::optional<Temperature> at = std::nullopt;
};

// The five inputs as texts (UTF-8), as a window, a command line or a batch
// row holds them.
struct ConversionTexts {
    std::string_view value;
    std::string_view fromUnit;
    std::string_view toUnit;
    std::string_view density;
    std::string_view densityUnit;
    bool densityGiven = true;
    std::optional<Temperature> at = std::nullopt; // read once for a whole run (atProblem)
};

// Reads the value and then the density under numbers (the two numeric
// checks) and finds the units, through units when given.
OrFailure<ConversionRequest> readConversion(const ConversionTexts& texts,
                                            const NumberStyle& numbers,
                                            ConversionUnitCache* units = nullptr);

// The first of the window's other five checks that request fails: the value
// and then the density above zero, the from, density and to units given.
std::optional<ConversionFailure> firstInputProblem(const ConversionRequest& request);

// The value in the wanted unit, after those five checks and a check that
// each unit is listed (from, density, to); or why there is none.
OrFailure<double> convert(const ConversionRequest& request);

// Conversions that differ in their numbers alone: element i converts
// values[i] with densities[i].
struct ConversionColumns {
    NumberColumn values;
    UnitInput from;
    UnitInput to;
    NumberColumn densities;
    UnitInput densityUnit;
    std::optional<Temperature> at = std::nullopt;
};

// convert's value for each element, results.size() of them, found for all
// at once and without messages: NaN where convert fails, and where a step
// on the way gave an infinity or a NaN; for those the caller asks convert.
void tryConvert(const ConversionColumns& columns, std::span<double> results);

// A density from one density unit to another.
struct DensityRequest {
    double value = 0;
    UnitInput from;
    UnitInput to;
};

struct DensityTexts {
    std::string_view value;
    std::string_view fromUnit;
    std::string_view toUnit;
};

OrFailure<DensityRequest> readDensityConversion(const DensityTexts& texts,
                                                const NumberStyle& numbers,
                                                ConversionUnitCache* units = nullptr);

// Each unit given and listed (from, then to), and the value above zero
// unless it is a gravity scale reading, which may be any.
OrFailure<double> convert(const DensityRequest& request);

// The density that stands in when none is given, in the form every number
// style reads ("50"), and the unit it is in ("lb/ft^3").
std::string_view defaultDensityText();
std::string_view defaultDensityUnitName();

// Tells once that the default density was used: after the first conversion
// that passed its checks and read a density the user did not give.
class DefaultDensityNote {
public:
    // "no density given; using 50 lb/ft^3" that first time; empty otherwise.
    std::string after(const ConversionRequest& request, const OrFailure<double>& result);

private:
    bool m_told = false;
};

// The texts the value boxes start with, 1 and 50.0, written under symbols so
// that they always read back ("50,0" in German).
std::string startingValueText(const NumberSymbols& symbols);
std::string startingDensityText(const NumberSymbols& symbols);

} // namespace tarnwick
