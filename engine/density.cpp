// SPDX-License-Identifier: MIT
#include "engine/checkedmath.h"
#include "engine/engine.h"
#include "engine/unitrows.h"

namespace tarnwick {
namespace {

constexpr std::string_view gcm3 = "g/cm^3";
constexpr std::string_view sgWater = "SG (rel. Water)";
constexpr std::string_view api = "deg API";
constexpr std::string_view baume = "deg Baume";

// The two columns are separately rounded constants, not reciprocals.
struct DensityFactor {
    std::string_view unit;
    double toGcm3;
    double fromGcm3;
};

constexpr DensityFactor densityFactors[] = {
    {"lb/ft^3", 0.01602, 62.43},
    {"lb/in^3", 27.68, 0.03613},
    {"lb/US gal", 0.1198264, 8.3454043},
    {"lb/UK gal", 0.0997764, 10.0224128},
    {"kg/m^3", 0.001, 1000},
    {"g/l", 0.001, 1000},
    {"slug/ft^3", 0.5154, 1.94},
    {"SG (rel. Air)", 0.00122, 819.67},
};

constexpr auto factorRows = detail::rowsByPlace(densityUnits, densityFactors);

// Each rule is chosen by the unit's place in densityUnits, found once per
// operation; -1 for a name outside the list.
constexpr int gcm3Index = detail::placeOf(densityUnits, gcm3);
constexpr int sgWaterIndex = detail::placeOf(densityUnits, sgWater);
constexpr int apiIndex = detail::placeOf(densityUnits, api);
constexpr int baumeIndex = detail::placeOf(densityUnits, baume);

bool isPivot(int unit) {
    return unit == gcm3Index || unit == sgWaterIndex;
}
bool isGravityScale(int unit) {
    return unit == apiIndex || unit == baumeIndex;
}

const DensityFactor* findFactor(int unit) {
    return detail::rowAt(densityFactors, factorRows, unit);
}

double toGcm3(double value, int unit) {
    if (isPivot(unit))
        return value;
    if (const auto* row = findFactor(unit)) {
        detail::CheckedMath m;
        return m.check(m.mul(value, row->toGcm3));
    }
    return 0;
}

double fromGcm3(double value, int unit) {
    if (isPivot(unit))
        return value;
    if (const auto* row = findFactor(unit)) {
        detail::CheckedMath m;
        return m.check(m.mul(value, row->fromGcm3));
    }
    return 0;
}

} // namespace

double densityToGcm3(double value, std::string_view unit) {
    return toGcm3(value, densityUnitIndex(unit));
}

double densityFromGcm3(double value, std::string_view unit) {
    return fromGcm3(value, densityUnitIndex(unit));
}

double convertGravityDensity(double value, std::string_view fromUnit, std::string_view toUnit,
                             bool isApi) {
    detail::CheckedMath m;
    if (isGravityScale(densityUnitIndex(fromUnit))) {
        const double sg = isApi ? m.div(141.5, m.add(value, 131.5)) : m.div(145, m.sub(145, value));
        return convertDensity(m.check(sg), sgWater, toUnit);
    }
    const double sg = convertDensity(value, fromUnit, sgWater);
    const double result = isApi ? m.sub(m.div(141.5, sg), 131.5) : m.sub(145, m.div(145, sg));
    return m.check(result);
}

double convertDensity(double value, std::string_view fromUnit, std::string_view toUnit) {
    if (fromUnit == toUnit)
        return value;
    const int from = densityUnitIndex(fromUnit);
    const int to = densityUnitIndex(toUnit);
    if (!isGravityScale(from) && !isGravityScale(to))
        return fromGcm3(toGcm3(value, from), to);
    const bool isApi = isGravityScale(from) ? from == apiIndex : to == apiIndex;
    return convertGravityDensity(value, fromUnit, toUnit, isApi);
}

} // namespace tarnwick
