// SPDX-License-Identifier: MIT
#include "engine/checkedmath.h"
#include "engine/engine.h"
#include "engine/unitrows.h"

namespace tarnwick {
namespace {

using detail::CheckedMath;

constexpr std::string_view centipoise = "cP";

// Dynamic units: two rounded constants each, independent of the density.
// A unit's two constants are not reciprocals and must stay as written.
struct DynamicRow {
    std::string_view unit;
    double toCp;
    double fromCp;
};

constexpr DynamicRow dynamicRows[] = {
    {"lb/(ft.s)", 1490, 0.000672},
    {"lb/(ft.h)", 0.413, 2.42},
    {"slugs/(ft.s)", 47880.259, 0.0000209},
    {"poundal.s/ft^2", 1488.164, 0.000672},
    {"lbf.s/ft^2", 47880.26, 0.0000208854},
    {"lbf.s/in^2", 6890000, 0.000000145},
    {"Pa.s", 1000, 0.001},
    {"N.s/m^2", 1000, 0.001},
    {"Poise", 100, 0.01},
    {"g/(cm.s)", 100, 0.01},
    {"dyne.s/cm^2", 100, 0.01},
    {"kg/(m.h)", 0.2778, 3.6},
    {"kg/(m.s)", 1000, 0.001},
    {"kgf.s/m^2", 9803.92, 0.000102},
};

// Kinematic units: formulas in the fluid density, expressed in densityUnit.
// Each multiplication and division is its own rounded step, in this order:
// "/ 60 / 60" is not "/ 3600", and the results depend on it.
using Formula = double (*)(CheckedMath&, double density);

struct KinematicRow {
    std::string_view unit;
    std::string_view densityUnit;
    Formula toCp; // nullptr: the density itself, untouched and untested
    Formula fromCp;
};

constexpr std::string_view gcm3 = "g/cm^3";
constexpr std::string_view lbft3 = "lb/ft^3";

constexpr KinematicRow kinematicRows[] = {
    {"cSt", gcm3, nullptr, [](CheckedMath& m, double dg) { return m.div(1, dg); }},
    {"ft^2/h", lbft3,
     [](CheckedMath& m, double dl) { return m.div(m.div(m.mul(dl, 1488.16), 60), 60); },
     [](CheckedMath& m, double dl) { return m.mul(m.mul(m.div(0.00067197, dl), 60), 60); }},
    {"ft^2/s", lbft3, [](CheckedMath& m, double dl) { return m.mul(dl, 1488.16); },
     [](CheckedMath& m, double dl) { return m.div(0.00067197, dl); }},
    {"in^2/s", gcm3, [](CheckedMath& m, double dg) { return m.mul(dg, 645.16); },
     [](CheckedMath& m, double dg) { return m.div(0.00155, dg); }},
    {"m^2/s", gcm3, [](CheckedMath& m, double dg) { return m.mul(dg, 1000000); },
     [](CheckedMath& m, double dg) { return m.div(0.000001, dg); }},
    {"m^2/h", gcm3,
     [](CheckedMath& m, double dg) { return m.div(m.div(m.mul(dg, 1000000), 60), 60); },
     [](CheckedMath& m, double dg) { return m.mul(m.mul(m.div(0.000001, dg), 60), 60); }},
    {"Stoke", gcm3, [](CheckedMath& m, double dg) { return m.mul(dg, 100); },
     [](CheckedMath& m, double dg) { return m.div(0.01, dg); }},
    {"cm^2/s", gcm3,
     [](CheckedMath& m, double dg) { return m.div(m.div(m.mul(dg, 1000000), 100), 100); },
     [](CheckedMath& m, double dg) { return m.mul(m.mul(m.div(0.000001, dg), 100), 100); }},
    {"mm^2/s", gcm3,
     [](CheckedMath& m, double dg) { return m.div(m.div(m.mul(dg, 1000000), 1000), 1000); },
     [](CheckedMath& m, double dg) { return m.mul(m.mul(m.div(0.000001, dg), 1000), 1000); }},
};

constexpr auto dynamicRowOf = detail::rowsByPlace(viscosityUnits, dynamicRows);
constexpr auto kinematicRowOf = detail::rowsByPlace(viscosityUnits, kinematicRows);

const DynamicRow* findDynamic(int unit) {
    return detail::rowAt(dynamicRows, dynamicRowOf, unit);
}

const KinematicRow* findKinematic(int unit) {
    return detail::rowAt(kinematicRows, kinematicRowOf, unit);
}

double applyKinematic(const KinematicRow& row, Formula formula, double density,
                      std::string_view densityUnit) {
    const double d = convertDensity(density, densityUnit, row.densityUnit);
    if (!formula)
        return d;
    CheckedMath m;
    return m.check(formula(m, d));
}

} // namespace

double factorToCp(double density, std::string_view densityUnit, std::string_view viscosityUnit) {
    const int unit = viscosityUnitIndex(viscosityUnit);
    if (const auto* row = findDynamic(unit))
        return row->toCp;
    if (const auto* row = findKinematic(unit))
        return applyKinematic(*row, row->toCp, density, densityUnit);
    return 0;
}

double factorFromCp(double density, std::string_view densityUnit, std::string_view viscosityUnit) {
    const int unit = viscosityUnitIndex(viscosityUnit);
    if (const auto* row = findDynamic(unit))
        return row->fromCp;
    if (const auto* row = findKinematic(unit))
        return applyKinematic(*row, row->fromCp, density, densityUnit);
    return 0;
}

bool readsDensity(std::string_view fromUnit, std::string_view toUnit) {
    return fromUnit != toUnit && (findKinematic(viscosityUnitIndex(fromUnit)) ||
                                  findKinematic(viscosityUnitIndex(toUnit)));
}

double convertViscosity(double value, std::string_view fromUnit, std::string_view toUnit,
                        double density, std::string_view densityUnit) {
    if (fromUnit == toUnit)
        return value;
    CheckedMath m;
    if (fromUnit == centipoise)
        return m.check(m.mul(value, factorFromCp(density, densityUnit, toUnit)));
    const double t = factorToCp(density, densityUnit, fromUnit);
    if (toUnit == centipoise)
        return m.check(m.mul(t, value));
    const double f = factorFromCp(density, densityUnit, toUnit);
    return m.check(m.mul(m.mul(t, f), value));
}

} // namespace tarnwick
