// SPDX-License-Identifier: MIT
#include "engine/checkedmath.h"
#include "engine/detail/unitrow.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
template <typename Math, typename Value>
Value kinematicFactor(const UnitRow& row, Formula formula, const Value& density, Unit densityUnit) {
    const Value d = detail::convertDensity<Math>(density, densityUnit, Unit(row.densityUnit));
    if (!formula)
        return d;
    Math m;
    return m.check(formula(m, d));
}

// A unit's factor to "cP" or from it; 0 for no unit and for "cP" itself,
// which has no factor.
template <typename Math, typename Value>
Value factor(Unit unit, bool toCp, const Value& density, Unit densityUnit) {
    if (!unit.known() || unit.row()->pivot)
        return 0;
    const UnitRow& row = *unit.row();
    if (row.kind == UnitKind::kinematic)
        return kinematicFactor<Math>(row, toCp ? row.toPivotBy : row.fromPivotBy, density,
                                     densityUnit);
    if (row.kind == UnitKind::dynamic)
        return toCp ? row.toPivot : row.fromPivot;
    return 0;
}

// A scale's reading to cSt or back, for one element, or lane by lane for a
// block: a lane the scale refuses is NaN, as a step that fails is.
double onScale(ScaleConversion conversion, double value, std::optional<Temperature> at) {
    return conversion(value, at);
}

detail::Lanes onScale(ScaleConversion conversion, const detail::Lanes& value,
                      std::optional<Temperature> at) {
    detail::Lanes result(std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < detail::laneCount; ++i) {
        if (std::isnan(value.x[i]))
            continue;
        try {
            result.x[i] = conversion(value.x[i], at);
        } catch (const ConversionError&) {
            // convertViscosity, on this element alone, says why.
        }
    }
    return result;
}

template <typename Math, typename Value>
Value converted(const Value& value, Unit from, Unit to, const Value& density, Unit densityUnit,
                std::optional<Temperature> at) {
    if (from == to && from.known())
        return value;
    const Unit centistokes(detail::centistokesRow());
    if (isEffluxScale(from))
        return converted<Math>(onScale(from.row()->toPivotAt, value, at), centistokes, to, density,
                               densityUnit, at);
    if (isEffluxScale(to))
        return onScale(to.row()->fromPivotAt,
                       converted<Math>(value, from, centistokes, density, densityUnit, at), at);
    const Unit centipoise(detail::centipoiseRow());
    Math m;
    if (from == centipoise)
        return m.check(m.mul(value, factor<Math>(to, false, density, densityUnit)));
    const Value t = factor<Math>(from, true, density, densityUnit);
    if (to == centipoise)
        return m.check(m.mul(t, value));
    const Value f = factor<Math>(to, false, density, densityUnit);
    return m.check(m.mul(m.mul(t, f), value));
}

} // namespace

double convertViscosity(double value, Unit from, Unit to, double density, Unit densityUnit) {
    return convertViscosity(value, from, to, density, densityUnit, std::nullopt);
}

double convertViscosity(double value, Unit from, Unit to, double density, Unit densityUnit,
                        std::optional<Temperature> at) {
    return converted<CheckedMath>(value, from, to, density, densityUnit, at);
}

void tryConvertViscosities(NumberColumn values, Unit from, Unit to, NumberColumn densities,
                           Unit densityUnit, std::optional<Temperature> at,
                           std::span<double> results) {
    using detail::laneCount;
    using detail::Lanes;
    for (std::size_t start = 0; start < results.size(); start += laneCount) {
        const std::size_t count = std::min(laneCount, results.size() - start);
        Lanes value;
        Lanes density;
        for (std::size_t i = 0; i < count; ++i) {
            value.x[i] = values[start + i];
            density.x[i] = densities[start + i];
        }
        const Lanes result = converted<detail::LaneMath>(value, from, to, density, densityUnit, at);
        std::copy_n(result.x.begin(), count, results.begin() + start);
    }
}

bool readsDensity(Unit from, Unit to) {
    from = throughPivot(from);
    to = throughPivot(to);
    return from != to && (isKinematic(from) || isKinematic(to));
}

double factorToCp(double density, std::string_view densityUnit, std::string_view viscosityUnit) {
    return factor<CheckedMath>(Unit::viscosity(viscosityUnit), true, density,
                               Unit::density(densityUnit));
}

double factorFromCp(double density, std::string_view densityUnit, std::string_view viscosityUnit) {
    return factor<CheckedMath>(Unit::viscosity(viscosityUnit), false, density,
                               Unit::density(densityUnit));
}

double convertViscosity(double value, std::string_view fromUnit, std::string_view toUnit,
                        double density, std::string_view densityUnit) {
    if (fromUnit == toUnit)
        return value;
    return convertViscosity(value, Unit::viscosity(fromUnit), Unit::viscosity(toUnit), density,
                            Unit::density(densityUnit));
}

} // namespace tarnwick
