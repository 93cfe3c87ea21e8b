// SPDX-License-Identifier: MIT
// The legacy efflux scales: Saybolt, Redwood and Engler readings, each turned
// into a kinematic viscosity in cSt and back, at the temperature the readings
// are taken at.
//
// A scale is a unit whose conversion is a function of the value and a
// temperature rather than a factor: one row with its two functions through
// the pivot cSt, so that a unit table can hold it beside the factor units.
#pragma once

#include "engine/temperature.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tarnwick {

// A reading's conversion to or from cSt. Without a temperature, a scale
// takes its own reference: 100 F for SUS, 122 F for SFS. The Redwood and
// Engler scales do not depend on the temperature, but refuse one at or below
// absolute zero as the others do.
//
// Refused (ConversionError, OutOfRange), each with a message that names the
// scale: a reading below the scale's lower limit, or a viscosity whose
// reading would be one; a viscosity at or below zero; for SFS, a temperature
// other than 122 F or 210 F (within 0.1 F).
using ScaleConversion = double (*)(double value, std::optional<Temperature> at);

struct EffluxScale {
    std::string_view name;        // as the user types it: "SUS"
    std::string_view description; // "Saybolt Universal seconds (ASTM D2161)"
    ScaleConversion toCentistokes;
    ScaleConversion fromCentistokes;
};

double sayboltUniversalToCentistokes(double seconds, std::optional<Temperature> at);
double centistokesToSayboltUniversal(double centistokes, std::optional<Temperature> at);
double sayboltFurolToCentistokes(double seconds, std::optional<Temperature> at);
double centistokesToSayboltFurol(double centistokes, std::optional<Temperature> at);
double redwood1ToCentistokes(double seconds, std::optional<Temperature> at);
double centistokesToRedwood1(double centistokes, std::optional<Temperature> at);
double redwood2ToCentistokes(double seconds, std::optional<Temperature> at);
double centistokesToRedwood2(double centistokes, std::optional<Temperature> at);
double englerToCentistokes(double degrees, std::optional<Temperature> at);
double centistokesToEngler(double centistokes, std::optional<Temperature> at);

// The Redwood and Engler formulas are classic empirical approximations:
// published tables of the three scales differ from each other by 2 to 5 %.
inline constexpr std::array<EffluxScale, 5> effluxScales{{
    {"SUS", "Saybolt Universal seconds (ASTM D2161)", sayboltUniversalToCentistokes,
     centistokesToSayboltUniversal},
    {"SFS", "Saybolt Furol seconds (ASTM D2161)", sayboltFurolToCentistokes,
     centistokesToSayboltFurol},
    {"Redwood 1", "Redwood No. 1 (standard) seconds, empirical approximation",
     redwood1ToCentistokes, centistokesToRedwood1},
    {"Redwood 2", "Redwood No. 2 (Admiralty) seconds, empirical approximation",
     redwood2ToCentistokes, centistokesToRedwood2},
    {"deg Engler", "Engler degrees, empirical approximation", englerToCentistokes,
     centistokesToEngler},
}};

// A viscosity conversion in which either unit may be an efflux scale
// (Unit::effluxScale), its reading taken at the temperature at (the scale's
// reference when none). A reading converts to cSt first, and a scale's
// reading is made from cSt last; the rest converts as without a scale.
double convertViscosity(double value, Unit from, Unit to, double density, Unit densityUnit,
                        std::optional<Temperature> at);

// Numbers for many conversions: element i is data[i * step], so that step 0
// gives one number to all.
struct NumberColumn {
    const double* data = nullptr;
    std::size_t step = 1;

    double operator[](std::size_t i) const { return data[i * step]; }
};

// convertViscosity for many elements that share their units, results.size()
// of them, without the checks that say why one fails: results[i] is
// convertViscosity's result for values[i] and densities[i] where no step on
// the way to it gave an infinity or a NaN (the same double, from the same
// steps); NaN elsewhere, where convertViscosity on that element alone
// gives its result or says why there is none.
void tryConvertViscosities(NumberColumn values, Unit from, Unit to, NumberColumn densities,
                           Unit densityUnit, std::optional<Temperature> at,
                           std::span<double> results);

} // namespace tarnwick
