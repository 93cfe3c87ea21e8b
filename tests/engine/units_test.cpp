#include "engine.h"

#include <gtest/gtest.h>
#include <set>

namespace tarnwick {
namespace {

TEST(UnitLists, AreUniqueWithTheSeparatorBetweenTheKinds) {
    EXPECT_EQ(std::set(viscosityUnits.begin(), viscosityUnits.end()).size(), 25u);
    EXPECT_EQ(std::set(densityUnits.begin(), densityUnits.end()).size(), 12u);
    EXPECT_EQ(viscosityUnits[15], "");
    EXPECT_EQ(viscosityUnits[defaultFromUnitIndex], "cP");
    EXPECT_EQ(viscosityUnits[defaultToUnitIndex], "cSt");
    EXPECT_EQ(densityUnits[defaultDensityUnitIndex], "lb/ft^3");
}

// Every listed name except the pivot and the separator has a rule: a typo in a
// list or a table would leave a unit silently converting to 0.
TEST(UnitLists, EveryListedUnitHasARule) {
    for (auto unit : viscosityUnits) {
        if (unit == "cP" || unit.empty())
            continue;
        EXPECT_NE(factorToCp(1, "g/cm^3", unit), 0) << unit;
        EXPECT_NE(factorFromCp(1, "g/cm^3", unit), 0) << unit;
    }
    for (auto unit : densityUnits)
        EXPECT_NE(convertDensity(1.1, unit, "g/cm^3"), 0) << unit;
}

} // namespace
} // namespace tarnwick
