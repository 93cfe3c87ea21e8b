// SPDX-License-Identifier: MIT
#include "engine.h"

#include <gtest/gtest.h>
#include <string>

namespace tarnwick {
namespace {

std::string joined(const auto& units) {
    std::string text;
    for (auto unit : units)
        text += std::string(unit) + '|';
    return text;
}

// The lists' order is what the user sees, and the defaults are positions in it.
TEST(UnitLists, HoldTheUnitsInDisplayOrder) {
    EXPECT_EQ(joined(viscosityUnits),
              "cP|lb/(ft.s)|lb/(ft.h)|slugs/(ft.s)|poundal.s/ft^2|lbf.s/ft^2|lbf.s/in^2|Pa.s|"
              "N.s/m^2|Poise|g/(cm.s)|dyne.s/cm^2|kg/(m.h)|kg/(m.s)|kgf.s/m^2||cSt|ft^2/h|"
              "ft^2/s|in^2/s|m^2/s|m^2/h|Stoke|cm^2/s|mm^2/s|");
    EXPECT_EQ(joined(densityUnits), "lb/ft^3|lb/in^3|lb/US gal|lb/UK gal|kg/m^3|g/l|g/cm^3|"
                                    "slug/ft^3|deg API|deg Baume|SG (rel. Water)|SG (rel. Air)|");
    EXPECT_EQ(viscosityUnits[defaultFromUnitIndex], "cP");
    EXPECT_EQ(viscosityUnits[defaultToUnitIndex], "cSt");
    EXPECT_EQ(densityUnits[defaultDensityUnitIndex], "lb/ft^3");
}

} // namespace
} // namespace tarnwick
