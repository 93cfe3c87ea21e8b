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
double plain(double value, Unit unit, bool toGcm3) {
    if (!unit.known() || unit.row()->kind != UnitKind::density)
        return 0;
    const UnitRow& row = *unit.row();
    if (row.pivot)
        return value;
    CheckedMath m;
    return m.check(m.mul(value, toGcm3 ? row.toPivot : row.fromPivot));
}

// One side is a gravity scale, whose formulas are scale's: through the
// specific gravity relative to water.
double throughGravity(double value, Unit from, Unit to, const UnitRow& scale) {
    const Unit sgWater(detail::specificGravityRow());
    CheckedMath m;
    if (isGravityScale(from)) {
        const double sg = scale.toPivotBy(m, value);
        return convertDensity(m.check(sg), sgWater, to);
    }
    const double sg = convertDensity(value, from, sgWater);
    return m.check(scale.fromPivotBy(m, sg));
}

} // namespace

double convertDensity(double value, Unit from, Unit to) {
    if (from == to && from.known())
        return value;
    if (!isGravityScale(from) && !isGravityScale(to))
        return plain(plain(value, from, true), to, false);
    return throughGravity(value, from, to, *(isGravityScale(from) ? from : to).row());
}

double densityToGcm3(double value, std::string_view unit) {
    return plain(value, Unit::density(unit), true);
}

double densityFromGcm3(double value, std::string_view unit) {
    return plain(value, Unit::density(unit), false);
}

double convertGravityDensity(double value, std::string_view fromUnit, std::string_view toUnit,
                             bool isApi) {
    return throughGravity(value, Unit::density(fromUnit), Unit::density(toUnit),
                          *(isApi ? detail::apiRow() : detail::baumeRow()));
}

double convertDensity(double value, std::string_view fromUnit, std::string_view toUnit) {
    if (fromUnit == toUnit)
        return value;
    return convertDensity(value, Unit::density(fromUnit), Unit::density(toUnit));
}

} // namespace tarnwick
