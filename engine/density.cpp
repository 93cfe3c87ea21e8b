// SPDX-License-Identifier: MIT
#include "engine/checkedmath.h"
#include "engine/detail/unitrow.h"
#include "engine/engine.h"

namespace tarnwick {
namespace {

using detail::CheckedMath;
using detail::isGravityScale;
using detail::UnitRow;

// A plain unit's factor into "g/cm^3" or out of it; the pivots pass the
// value unchanged, and anything else gives 0.
template <typename Math, typename Value>
Value plain(const Value& value, Unit unit, bool toGcm3) {
    if (!unit.known() || unit.row()->kind != UnitKind::density)
        return 0;
    const UnitRow& row = *unit.row();
    if (row.pivot)
        return value;
    Math m;
    return m.check(m.mul(value, toGcm3 ? row.toPivot : row.fromPivot));
}

// One side is a gravity scale, whose formulas are scale's: through the
// specific gravity relative to water.
template <typename Math, typename Value>
Value throughGravity(const Value& value, Unit from, Unit to, const UnitRow& scale) {
    const Unit sgWater(detail::specificGravityRow());
    Math m;
    if (isGravityScale(from)) {
        const Value sg = scale.toPivotBy(m, value);
        return detail::convertDensity<Math>(m.check(sg), sgWater, to);
    }
    const Value sg = detail::convertDensity<Math>(value, from, sgWater);
    return m.check(scale.fromPivotBy(m, sg));
}

} // namespace

template <typename Math, typename Value>
Value detail::convertDensity(const Value& value, Unit from, Unit to) {
    if (from == to && from.known())
        return value;
    if (!isGravityScale(from) && !isGravityScale(to))
        return plain<Math>(plain<Math>(value, from, true), to, false);
    return throughGravity<Math>(value, from, to, *(isGravityScale(from) ? from : to).row());
}

template double detail::convertDensity<CheckedMath>(const double&, Unit, Unit);
template detail::Lanes detail::convertDensity<detail::LaneMath>(const detail::Lanes&, Unit, Unit);

double convertDensity(double value, Unit from, Unit to) {
    return detail::convertDensity<CheckedMath>(value, from, to);
}

double densityToGcm3(double value, std::string_view unit) {
    return plain<CheckedMath>(value, Unit::density(unit), true);
}

double densityFromGcm3(double value, std::string_view unit) {
    return plain<CheckedMath>(value, Unit::density(unit), false);
}

double convertGravityDensity(double value, std::string_view fromUnit, std::string_view toUnit,
                             bool isApi) {
    return throughGravity<CheckedMath>(value, Unit::density(fromUnit), Unit::density(toUnit),
                                       *(isApi ? detail::apiRow() : detail::baumeRow()));
}

double convertDensity(double value, std::string_view fromUnit, std::string_view toUnit) {
    if (fromUnit == toUnit)
        return value;
    return convertDensity(value, Unit::density(fromUnit), Unit::density(toUnit));
}

} // namespace tarnwick
