// SPDX-License-Identifier: MIT
#include "engine/checkedmath.h"
#include "engine/detail/unitrow.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"

namespace tarnwick {
namespace {

using detail::CheckedMath;
using detail::Formula;
using detail::UnitRow;

using detail::isEffluxScale;

bool isKinematic(Unit unit) {
    return unit.known() && unit.row()->kind == UnitKind::kinematic;
}

// A scale's readings are viscosities in cSt as far as the rest goes.
Unit throughPivot(Unit unit) {
    return isEffluxScale(unit) ? Unit(detail::centistokesRow()) : unit;
}

// A kinematic factor: its formula in the fluid density, expressed in the
// density unit the row asks for.
double kinematicFactor(const UnitRow& row, Formula formula, double density, Unit densityUnit) {
    const double d = convertDensity(density, densityUnit, Unit(row.densityUnit));
    if (!formula)
        return d;
    CheckedMath m;
    return m.check(formula(m, d));
}

// A unit's factor to "cP" or from it; 0 for no unit and for "cP" itself,
// which has no factor.
double factor(Unit unit, bool toCp, double density, Unit densityUnit) {
    if (!unit.known() || unit.row()->pivot)
        return 0;
    const UnitRow& row = *unit.row();
    if (row.kind == UnitKind::kinematic)
        return kinematicFactor(row, toCp ? row.toPivotBy : row.fromPivotBy, density, densityUnit);
    if (row.kind == UnitKind::dynamic)
        return toCp ? row.toPivot : row.fromPivot;
    return 0;
}

} // namespace

double convertViscosity(double value, Unit from, Unit to, double density, Unit densityUnit) {
    return convertViscosity(value, from, to, density, densityUnit, std::nullopt);
}

double convertViscosity(double value, Unit from, Unit to, double density, Unit densityUnit,
                        std::optional<Temperature> at) {
    if (from == to && from.known())
        return value;
    const Unit centistokes(detail::centistokesRow());
    if (isEffluxScale(from))
        return convertViscosity(from.row()->toPivotAt(value, at), centistokes, to, density,
                                densityUnit, at);
    if (isEffluxScale(to))
        return to.row()->fromPivotAt(
            convertViscosity(value, from, centistokes, density, densityUnit), at);
    const Unit centipoise(detail::centipoiseRow());
    CheckedMath m;
    if (from == centipoise)
        return m.check(m.mul(value, factor(to, false, density, densityUnit)));
    const double t = factor(from, true, density, densityUnit);
    if (to == centipoise)
        return m.check(m.mul(t, value));
    const double f = factor(to, false, density, densityUnit);
    return m.check(m.mul(m.mul(t, f), value));
}

bool readsDensity(Unit from, Unit to) {
    from = throughPivot(from);
    to = throughPivot(to);
    return from != to && (isKinematic(from) || isKinematic(to));
}

double factorToCp(double density, std::string_view densityUnit, std::string_view viscosityUnit) {
    return factor(Unit::viscosity(viscosityUnit), true, density, Unit::density(densityUnit));
}

double factorFromCp(double density, std::string_view densityUnit, std::string_view viscosityUnit) {
    return factor(Unit::viscosity(viscosityUnit), false, density, Unit::density(densityUnit));
}

double convertViscosity(double value, std::string_view fromUnit, std::string_view toUnit,
                        double density, std::string_view densityUnit) {
    if (fromUnit == toUnit)
        return value;
    return convertViscosity(value, Unit::viscosity(fromUnit), Unit::viscosity(toUnit), density,
                            Unit::density(densityUnit));
}

} // namespace tarnwick
