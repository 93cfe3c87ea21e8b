#include "engine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace tarnwick {
namespace {

TEST(UnitLists, HoldTheirNamesInListOrder) {
    EXPECT_EQ(viscosityUnits.front(), "cP");
    EXPECT_EQ(viscosityUnits[14], "kgf.s/m^2");
    EXPECT_EQ(viscosityUnits[15], "");
    EXPECT_EQ(viscosityUnits[16], "cSt");
    EXPECT_EQ(viscosityUnits.back(), "mm^2/s");
    EXPECT_EQ(densityUnits.front(), "lb/ft^3");
    EXPECT_EQ(densityUnits[8], "deg API");
    EXPECT_EQ(densityUnits[9], "deg Baume");
    EXPECT_EQ(densityUnits.back(), "SG (rel. Air)");
}

TEST(UnitLists, DefaultsAreCpCStAndPoundsPerCubicFoot) {
    EXPECT_EQ(viscosityUnits[defaultFromUnitIndex], "cP");
    EXPECT_EQ(viscosityUnits[defaultToUnitIndex], "cSt");
    EXPECT_EQ(densityUnits[defaultDensityUnitIndex], "lb/ft^3");
}

TEST(UnitLists, NamesAreUnique) {
    EXPECT_EQ(std::set(viscosityUnits.begin(), viscosityUnits.end()).size(), viscosityUnits.size());
    EXPECT_EQ(std::set(densityUnits.begin(), densityUnits.end()).size(), densityUnits.size());
}

// Every listed name except the pivot and the separator has a rule: a typo in a
// list or a table would leave a unit silently converting to 0.
TEST(UnitLists, EveryViscosityUnitHasARule) {
    for (auto unit : viscosityUnits) {
        if (unit == "cP" || unit.empty())
            continue;
        EXPECT_NE(factorToCp(1, "g/cm^3", unit), 0) << unit;
        EXPECT_NE(factorFromCp(1, "g/cm^3", unit), 0) << unit;
    }
}

TEST(UnitLists, EveryDensityUnitHasARule) {
    for (auto unit : densityUnits)
        EXPECT_NE(convertDensity(1.1, unit, "g/cm^3"), 0) << unit;
}

} // namespace
} // namespace tarnwick
