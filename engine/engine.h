// SPDX-License-Identifier: MIT
// Tarnwick's conversion engine: the unit lists and the viscosity and density
// conversions. Pure functions over doubles and unit names; standard library only.
//
// Units are identified by their exact, case-sensitive names. A name without a
// rule is not an error: the factor or converted density is 0. The only error is
// ConversionError (below).
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnwick {

// The engine's one error: a computed result that comes from an invalid
// operation, a division by zero or an overflow (underflow is not an error),
// or an input outside the range where a formula is defined.
class ConversionError : public std::runtime_error {
public:
    enum class Condition { InvalidOperation, DivisionByZero, Overflow, OutOfRange };

    // An arithmetic condition: "floating-point error: division by zero".
    explicit ConversionError(Condition condition);
    // A condition with its own words, such as the range a formula holds in.
    ConversionError(Condition condition, const std::string& message);

    Condition condition() const noexcept { return m_condition; }

private:
    Condition m_condition;
};

// Plain words for a condition: "invalid operation", "division by zero", "overflow",
// "out of range".
std::string_view describe(ConversionError::Condition condition) noexcept;

// The viscosity units in list order: 15 dynamic units, the empty separator at
// index 15, then 9 kinematic units.
inline constexpr std::array<std::string_view, 25> viscosityUnits{
    "cP",         "lb/(ft.s)",   "lb/(ft.h)", "slugs/(ft.s)", "poundal.s/ft^2",
    "lbf.s/ft^2", "lbf.s/in^2",  "Pa.s",      "N.s/m^2",      "Poise",
    "g/(cm.s)",   "dyne.s/cm^2", "kg/(m.h)",  "kg/(m.s)",     "kgf.s/m^2",
    "",           "cSt",         "ft^2/h",    "ft^2/s",       "in^2/s",
    "m^2/s",      "m^2/h",       "Stoke",     "cm^2/s",       "mm^2/s",
};

// The density units in list order.
inline constexpr std::array<std::string_view, 12> densityUnits{
    "lb/ft^3", "lb/in^3",   "lb/US gal", "lb/UK gal", "kg/m^3",          "g/l",
    "g/cm^3",  "slug/ft^3", "deg API",   "deg Baume", "SG (rel. Water)", "SG (rel. Air)",
};

// Default selections of the three unit lists ("cP", "lb/ft^3", "cSt").
inline constexpr int defaultFromUnitIndex = 0;
inline constexpr int defaultDensityUnitIndex = 0;
inline constexpr int defaultToUnitIndex = 16;

// The fluid density the window starts with, in the default density unit.
inline constexpr double defaultDensity = 50;

// The position of name in viscosityUnits or densityUnits, or -1 when it is
// not exactly one of their names (the empty separator is not a unit).
int viscosityUnitIndex(std::string_view name) noexcept;
int densityUnitIndex(std::string_view name) noexcept;

// Viscosity. Every conversion goes through centipoise ("cP").
// cP in one unit of viscosityUnit, for a fluid of the given density.
double factorToCp(double density, std::string_view densityUnit, std::string_view viscosityUnit);
// Units of viscosityUnit in one cP, for a fluid of the given density.
double factorFromCp(double density, std::string_view densityUnit, std::string_view viscosityUnit);
// value, given in fromUnit, expressed in toUnit. Equal names return value untouched.
double convertViscosity(double value, std::string_view fromUnit, std::string_view toUnit,
                        double density, std::string_view densityUnit);

// Whether converting between the two names reads the density: they differ
// and one of them is a kinematic unit.
bool readsDensity(std::string_view fromUnit, std::string_view toUnit);

// Density. Plain units pivot on "g/cm^3"; the gravity scales on "SG (rel. Water)".
double convertDensity(double value, std::string_view fromUnit, std::string_view toUnit);
double densityToGcm3(double value, std::string_view unit);
double densityFromGcm3(double value, std::string_view unit);
// One side is "deg API" or "deg Baume"; isApi selects the API formula for it.
double convertGravityDensity(double value, std::string_view fromUnit, std::string_view toUnit,
                             bool isApi);

} // namespace tarnwick
