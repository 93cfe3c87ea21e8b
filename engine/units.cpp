// SPDX-License-Identifier: MIT
// The unit table. Every constant is the double nearest to the number written,
// and each unit's two are separate roundings: none is computed from another.
#include "engine/detail/unitrow.h"

namespace tarnwick::detail {
namespace {

constexpr UnitRow pivot(std::string_view name, UnitKind kind) {
    return {.name = name, .kind = kind, .pivot = true};
}

constexpr UnitRow byFactors(std::string_view name, UnitKind kind, double to, double from) {
    return {.name = name, .kind = kind, .toPivot = to, .fromPivot = from};
}

constexpr UnitRow byFormulas(std::string_view name, UnitKind kind, Formula to, Formula from,
                             const UnitRow* densityUnit = nullptr) {
    return {.name = name,
            .kind = kind,
            .toPivotBy = to,
            .fromPivotBy = from,
            .densityUnit = densityUnit};
}

constexpr UnitRow density(std::string_view name, double toGcm3, double fromGcm3) {
    return byFactors(name, UnitKind::density, toGcm3, fromGcm3);
}

constexpr UnitRow dynamic(std::string_view name, double toCp, double fromCp) {
    return byFactors(name, UnitKind::dynamic, toCp, fromCp);
}

constexpr UnitRow kinematic(std::string_view name, const UnitRow& densityUnit, Formula toCp,
                            Formula fromCp) {
    return byFormulas(name, UnitKind::kinematic, toCp, fromCp, &densityUnit);
}

} // namespace

// Plain units by a factor to and from "g/cm^3"; the gravity scales by
// formula to and from the specific gravity relative to water.
constexpr std::array<UnitRow, 12> densityRows{{
    density("lb/ft^3", 0.01602, 62.43),
    density("lb/in^3", 27.68, 0.03613),
    density("lb/US gal", 0.1198264, 8.3454043),
    density("lb/UK gal", 0.0997764, 10.0224128),
    density("kg/m^3", 0.001, 1000),
    density("g/l", 0.001, 1000),
    pivot("g/cm^3", UnitKind::density),
    density("slug/ft^3", 0.5154, 1.94),
    byFormulas(
        "deg API", UnitKind::gravityScale,
        [](auto& m, const auto& api) { return m.div(141.5, m.add(api, 131.5)); },
        [](auto& m, const auto& sg) { return m.sub(m.div(141.5, sg), 131.5); }),
    byFormulas(
        "deg Baume", UnitKind::gravityScale,
        [](auto& m, const auto& baume) { return m.div(145, m.sub(145, baume)); },
        [](auto& m, const auto& sg) { return m.sub(145, m.div(145, sg)); }),
    pivot("SG (rel. Water)", UnitKind::density),
    density("SG (rel. Air)", 0.00122, 819.67),
}};

namespace {
constexpr const UnitRow& gcm3 = densityRows[6];
constexpr const UnitRow& lbft3 = densityRows[0];
} // namespace

// Dynamic units by two constants, independent of the density; kinematic
// units by formulas in the fluid density, in "g/cm^3" or "lb/ft^3".
constexpr std::array<UnitRow, 25> viscosityRows{{
    pivot("cP", UnitKind::dynamic),
    dynamic("lb/(ft.s)", 1490, 0.000672),
    dynamic("lb/(ft.h)", 0.413, 2.42),
    dynamic("slugs/(ft.s)", 47880.259, 0.0000209),
    dynamic("poundal.s/ft^2", 1488.164, 0.000672),
    dynamic("lbf.s/ft^2", 47880.26, 0.0000208854),
    dynamic("lbf.s/in^2", 6890000, 0.000000145),
    dynamic("Pa.s", 1000, 0.001),
    dynamic("N.s/m^2", 1000, 0.001),
    dynamic("Poise", 100, 0.01),
    dynamic("g/(cm.s)", 100, 0.01),
    dynamic("dyne.s/cm^2", 100, 0.01),
    dynamic("kg/(m.h)", 0.2778, 3.6),
    dynamic("kg/(m.s)", 1000, 0.001),
    dynamic("kgf.s/m^2", 9803.92, 0.000102),
    {}, // the separator
    kinematic("cSt", gcm3, nullptr, [](auto& m, const auto& dg) { return m.div(1, dg); }),
    kinematic(
        "ft^2/h", lbft3,
        [](auto& m, const auto& dl) { return m.div(m.div(m.mul(dl, 1488.16), 60), 60); },
        [](auto& m, const auto& dl) { return m.mul(m.mul(m.div(0.00067197, dl), 60), 60); }),
    kinematic(
        "ft^2/s", lbft3, [](auto& m, const auto& dl) { return m.mul(dl, 1488.16); },
        [](auto& m, const auto& dl) { return m.div(0.00067197, dl); }),
    kinematic(
        "in^2/s", gcm3, [](auto& m, const auto& dg) { return m.mul(dg, 645.16); },
        [](auto& m, const auto& dg) { return m.div(0.00155, dg); }),
    kinematic(
        "m^2/s", gcm3, [](auto& m, const auto& dg) { return m.mul(dg, 1000000); },
        [](auto& m, const auto& dg) { return m.div(0.000001, dg); }),
    kinematic(
        "m^2/h", gcm3,
        [](auto& m, const auto& dg) { return m.div(m.div(m.mul(dg, 1000000), 60), 60); },
        [](auto& m, const auto& dg) { return m.mul(m.mul(m.div(0.000001, dg), 60), 60); }),
    kinematic(
        "Stoke", gcm3, [](auto& m, const auto& dg) { return m.mul(dg, 100); },
        [](auto& m, const auto& dg) { return m.div(0.01, dg); }),
    kinematic(
        "cm^2/s", gcm3,
        [](auto& m, const auto& dg) { return m.div(m.div(m.mul(dg, 1000000), 100), 100); },
        [](auto& m, const auto& dg) { return m.mul(m.mul(m.div(0.000001, dg), 100), 100); }),
    kinematic(
        "mm^2/s", gcm3,
        [](auto& m, const auto& dg) { return m.div(m.div(m.mul(dg, 1000000), 1000), 1000); },
        [](auto& m, const auto& dg) { return m.mul(m.mul(m.div(0.000001, dg), 1000), 1000); }),
}};

// Readings turned into cSt and back by functions of the reading and a
// temperature, in the order of effluxScales.
constexpr std::array<UnitRow, 5> effluxScaleRows{{
    {.name = "SUS",
     .kind = UnitKind::effluxScale,
     .toPivotAt = sayboltUniversalToCentistokes,
     .fromPivotAt = centistokesToSayboltUniversal},
    {.name = "SFS",
     .kind = UnitKind::effluxScale,
     .toPivotAt = sayboltFurolToCentistokes,
     .fromPivotAt = centistokesToSayboltFurol},
    {.name = "Redwood 1",
     .kind = UnitKind::effluxScale,
     .toPivotAt = redwood1ToCentistokes,
     .fromPivotAt = centistokesToRedwood1},
    {.name = "Redwood 2",
     .kind = UnitKind::effluxScale,
     .toPivotAt = redwood2ToCentistokes,
     .fromPivotAt = centistokesToRedwood2},
    {.name = "deg Engler",
     .kind = UnitKind::effluxScale,
     .toPivotAt = englerToCentistokes,
     .fromPivotAt = centistokesToEngler},
}};

namespace {

// Each row stands where its name stands in the list the user sees.
template <std::size_t N>
constexpr bool inListOrder(const std::array<UnitRow, N>& rows,
                           const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].name != names[i])
            return false;
    return true;
}
static_assert(inListOrder(viscosityRows, viscosityUnits));
static_assert(inListOrder(densityRows, densityUnits));
static_assert(gcm3.name == "g/cm^3" && lbft3.name == "lb/ft^3");
static_assert(viscosityRows[0].name == "cP" && densityRows[10].name == "SG (rel. Water)");
static_assert(viscosityRows[16].name == "cSt");
static_assert([] {
    for (std::size_t i = 0; i < effluxScales.size(); ++i)
        if (effluxScaleRows[i].name != effluxScales[i].name ||
            effluxScaleRows[i].toPivotAt != effluxScales[i].toCentistokes ||
            effluxScaleRows[i].fromPivotAt != effluxScales[i].fromCentistokes)
            return false;
    return effluxScaleRows.size() == effluxScales.size();
}());
static_assert(densityRows[8].name == "deg API" && densityRows[9].name == "deg Baume");

} // namespace

const UnitRow* centipoiseRow() {
    return &viscosityRows[0];
}
const UnitRow* centistokesRow() {
    return &viscosityRows[16];
}
const UnitRow* specificGravityRow() {
    return &densityRows[10];
}
const UnitRow* apiRow() {
    return &densityRows[8];
}
const UnitRow* baumeRow() {
    return &densityRows[9];
}

} // namespace tarnwick::detail

namespace tarnwick {

std::string_view Unit::name() const noexcept {
    return m_row ? m_row->name : std::string_view();
}

UnitKind Unit::kind() const noexcept {
    return m_row->kind;
}

} // namespace tarnwick
