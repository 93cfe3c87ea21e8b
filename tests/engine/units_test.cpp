// SPDX-License-Identifier: MIT
#include "engine/detail/unitscan.h"
#include "engine/engine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

using namespace std::literals;

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

// Names are exact and case-sensitive; the separator is no unit.
TEST(UnitLookup, FindsExactlyTheListedNames) {
    const struct {
        std::string_view name;
        int viscosity, density;
    } rows[] = {
        {"cP", 0, -1},         {"mm^2/s", 24, -1},   {"cSt", 16, -1},
        {"kgf.s/m^2", 14, -1}, {"lb/ft^3", -1, 0},   {"SG (rel. Air)", -1, 11},
        {"deg Baume", -1, 9},  {"", -1, -1},         {"CP", -1, -1},
        {"cP ", -1, -1},       {"c", -1, -1},        {"SG (rel. Water", -1, -1},
        {"m^2/s\0"sv, -1, -1}, {"lb/(ft.h)", 2, -1}, {"lb/(ft.x)", -1, -1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(viscosityUnitIndex(row.name), row.viscosity) << row.name;
        EXPECT_EQ(densityUnitIndex(row.name), row.density) << row.name;
    }
}

// The hashed lookup against the plain search, on every listed name and on
// names one letter, one letter more or one letter less away from them,
// which are the ones that land in a listed name's slot.
TEST(UnitLookup, AgreesWithASearchFromTheFront) {
    std::vector<std::string> names;
    for (const auto& list :
         {std::vector<std::string_view>(viscosityUnits.begin(), viscosityUnits.end()),
          std::vector<std::string_view>(densityUnits.begin(), densityUnits.end())}) {
        for (const std::string_view unit : list) {
            const std::string name(unit);
            names.push_back(name);
            names.push_back(name + "x");
            if (!name.empty())
                names.push_back(name.substr(0, name.size() - 1));
            for (std::size_t i = 0; i < name.size(); ++i) {
                std::string changed = name;
                changed[i] = static_cast<char>(changed[i] ^ 0x20);
                names.push_back(changed);
            }
        }
    }
    for (const std::string& name : names) {
        EXPECT_EQ(viscosityUnitIndex(name), detail::scanForUnit(viscosityUnits, name)) << name;
        EXPECT_EQ(densityUnitIndex(name), detail::scanForUnit(densityUnits, name)) << name;
    }
}

} // namespace
} // namespace tarnwick
