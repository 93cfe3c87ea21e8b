// SPDX-License-Identifier: MIT
// Tarnwick's conversion engine: the unit lists and the viscosity and density
// conversions. Pure functions over doubles and unit names; standard library only.
//
// Units are identified by their exact, case-sensitive names, found once into
// a Unit. A name without a rule is not an error: the factor or converted
// density is 0. The only error is ConversionError (below).
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

namespace detail {
struct UnitRow;
}

// What a unit measures, and so how it converts: by a constant (dynamic
// viscosity, mass per volume), by formulas in the fluid density (kinematic
// viscosity), by formulas of its own (the gravity scales), or by functions of
// the reading and a temperature through cSt (the efflux scales).
enum class UnitKind : unsigned char { dynamic, kinematic, density, gravityScale, effluxScale };

// A unit, found once by its name; conversions then take it as it is. Cheap
// to copy. A default Unit, or one found for a name that is not listed, is no
// unit: it converts like a name without a rule.
class Unit {
public:
    constexpr Unit() noexcept = default;

    // The unit of that exact name (case and blanks included) in
    // viscosityUnits or densityUnits; no unit otherwise, the empty separator
    // included.
    static Unit viscosity(std::string_view name) noexcept;
    static Unit density(std::string_view name) noexcept;
    // The efflux scale of that exact name ("SUS"); no unit otherwise.
    static Unit effluxScale(std::string_view name) noexcept;

    bool known() const noexcept { return m_row != nullptr; }
    // Its listed name; "" for no unit.
    std::string_view name() const noexcept;
    // What a known unit measures.
    UnitKind kind() const noexcept;

    friend bool operator==(Unit, Unit) = default;

    // The engine's own: the row of the unit table behind it.
    constexpr explicit Unit(const detail::UnitRow* row) noexcept
        : m_row(row) {}
    const detail::UnitRow* row() const noexcept { return m_row; }

private:
    const detail::UnitRow* m_row = nullptr;
};

// The conversions on units found once. The same unit on both sides returns
// value untouched; no unit has the factor 0 and the converted density 0.
// An efflux scale's reading is taken at its reference temperature here
// (effluxscales.h takes one given).
double convertViscosity(double value, Unit from, Unit to, double density, Unit densityUnit);
double convertDensity(double value, Unit from, Unit to);
// Whether converting between the two reads the density: they differ and one
// of them is a kinematic unit. An efflux scale counts as cSt, which its
// readings convert through.
bool readsDensity(Unit from, Unit to);

// The same conversions on names, as the window's operations take them: a
// name is found at each call. Equal names return value untouched, whether
// or not they are listed.
//
// Viscosity. Every conversion goes through centipoise ("cP").
// cP in one unit of viscosityUnit, for a fluid of the given density.
double factorToCp(double density, std::string_view densityUnit, std::string_view viscosityUnit);
// Units of viscosityUnit in one cP, for a fluid of the given density.
double factorFromCp(double density, std::string_view densityUnit, std::string_view viscosityUnit);
// value, given in fromUnit, expressed in toUnit.
double convertViscosity(double value, std::string_view fromUnit, std::string_view toUnit,
                        double density, std::string_view densityUnit);

// Density. Plain units pivot on "g/cm^3"; the gravity scales on "SG (rel. Water)".
double convertDensity(double value, std::string_view fromUnit, std::string_view toUnit);
double densityToGcm3(double value, std::string_view unit);
double densityFromGcm3(double value, std::string_view unit);
// One side is "deg API" or "deg Baume"; isApi selects the API formula for it.
double convertGravityDensity(double value, std::string_view fromUnit, std::string_view toUnit,
                             bool isApi);

} // namespace tarnwick
