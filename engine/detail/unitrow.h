// SPDX-License-Identifier: MIT
// The unit table: one row per listed unit, with what converts it to its
// pivot and back. A Unit points at its row.
#pragma once

#include "engine/checkedmath.h"
#include "engine/detail/lanes.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tarnwick::detail {

// One rounded step after another, in the order the formula is written:
// "/ 60 / 60" is not "/ 3600", and the results depend on it. Written once,
// over its arithmetic ([](auto& m, const auto& x) { ... }), and kept for
// one element (CheckedMath) and for a block of them (LaneMath).
class Formula {
public:
    constexpr Formula(std::nullptr_t) {}
    template <typename F>
    constexpr Formula(F formula)
        : m_checked(formula)
        , m_lanes(formula) {}

    constexpr explicit operator bool() const { return m_checked != nullptr; }
    double operator()(CheckedMath& m, double x) const { return m_checked(m, x); }
    Lanes operator()(LaneMath& m, const Lanes& x) const { return m_lanes(m, x); }

private:
    double (*m_checked)(CheckedMath&, const double&) = nullptr;
    Lanes (*m_lanes)(LaneMath&, const Lanes&) = nullptr;
};

struct UnitRow {
    std::string_view name;
    UnitKind kind;
    // The pivot itself ("cP", "g/cm^3", "SG (rel. Water)"): nothing to
    // multiply. "cP" has no factor of its own; the conversion treats it by
    // itself.
    bool pivot = false;
    // Dynamic and plain density units: the constant that multiplies a value
    // into the pivot, and the one out of it. They are separately rounded,
    // not reciprocals, and stay as written.
    double toPivot = 0;
    double fromPivot = 0;
    // Kinematic units: the factors to and from "cP", formulas in the fluid
    // density expressed in densityUnit (toPivotBy null: the density itself,
    // untouched and untested). Gravity scales: the specific gravity of a
    // reading, and the reading of a specific gravity.
    Formula toPivotBy = nullptr;
    Formula fromPivotBy = nullptr;
    const UnitRow* densityUnit = nullptr;
    // Efflux scales: the viscosity in cSt of a reading, and the reading of a
    // viscosity in cSt, each at a temperature.
    ScaleConversion toPivotAt = nullptr;
    ScaleConversion fromPivotAt = nullptr;
};

// In the order of viscosityUnits and densityUnits; the separator's row is
// no unit and never reached.
extern const std::array<UnitRow, 25> viscosityRows;
extern const std::array<UnitRow, 12> densityRows;
// The efflux scales, in the order of effluxScales.
extern const std::array<UnitRow, 5> effluxScaleRows;

// The rows the rules name.
const UnitRow* centipoiseRow();
const UnitRow* centistokesRow();     // the efflux scales' pivot
const UnitRow* specificGravityRow(); // "SG (rel. Water)", the gravity scales' pivot
const UnitRow* apiRow();
const UnitRow* baumeRow();

inline bool isGravityScale(Unit unit) {
    return unit.known() && unit.row()->kind == UnitKind::gravityScale;
}

inline bool isEffluxScale(Unit unit) {
    return unit.known() && unit.row()->kind == UnitKind::effluxScale;
}

// convertDensity over its arithmetic: on one element (CheckedMath, double)
// or on a block (LaneMath, Lanes).
template <typename Math, typename Value>
Value convertDensity(const Value& value, Unit from, Unit to);

} // namespace tarnwick::detail
