// SPDX-License-Identifier: MIT
#include "engine/detail/unitlookup.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"
#include "outcome.h"

#include <gtest/gtest.h>
#include <string>

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
        EXPECT_EQ(detail::viscosityPlace(row.name), row.viscosity) << row.name;
        EXPECT_EQ(detail::densityPlace(row.name), row.density) << row.name;
    }
}

} // namespace
} // namespace tarnwick

namespace tarnwick {
namespace {

// Units found once convert as their names do; a unit of the other list, or
// no unit, has no factor, and only one and the same unit returns the value.
TEST(Units, ConvertAsTheirNamesDo) {
    const Unit lbft3 = Unit::density("lb/ft^3");
    const struct {
        const char* name;
        Unit from, to;
        double expected;
    } rows[] = {
        {"cP to cSt", Unit::viscosity("cP"), Unit::viscosity("cSt"), 1.2484394506866419},
        {"the same unit", Unit::viscosity("Poise"), Unit::viscosity("Poise"), 1},
        {"a density unit has no viscosity factor", Unit::density("g/l"), Unit::viscosity("cP"), 0},
        {"two units that are none are not the same", Unit(), Unit(), 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(convertViscosity(1, row.from, row.to, 50, lbft3), row.expected) << row.name;
    EXPECT_EQ(convertDensity(3, Unit(), Unit()), 0);
    EXPECT_EQ(Unit::viscosity("mm^2/s").name(), "mm^2/s");
    EXPECT_EQ(Unit::density("deg API").kind(), UnitKind::gravityScale);
    EXPECT_FALSE(Unit::viscosity("").known());
}

} // namespace
} // namespace tarnwick

namespace tarnwick {
namespace {

using testing::F;
using testing::K;

// An efflux scale is a unit of its own kind: its readings go to cSt and come
// from cSt by the scale's functions, the rest of the way as cSt would.
TEST(EffluxScaleUnits, ConvertThroughCentistokes) {
    const Unit sus = Unit::effluxScale("SUS");
    const Unit cSt = Unit::viscosity("cSt");
    const Unit cP = Unit::viscosity("cP");
    const struct {
        const char* name;
        Unit from, to;
        double value;
        std::optional<Temperature> at;
        std::string_view expected;
    } rows[] = {
        {"SUS are read at 100 F unless told", sus, cSt, 700, std::nullopt, "151.08914751515542"},
        {"SUS to cP through cSt and the density", sus, cP, 700, std::nullopt, "121.02240715963949"},
        {"cSt to SUS at 210 F", cSt, sus, 10, F(210), "59.23176753182091"},
        {"cP to SUS through the density and cSt", cP, sus, 8.01, std::nullopt,
         "58.836971453368804"},
        {"a reading below the scale's limit", sus, cP, 31, std::nullopt,
         "Saybolt Universal seconds below 32 are not defined"},
        {"the same scale returns the reading", sus, sus, 10, std::nullopt, "10"},
        {"other units ignore the temperature", cP, Unit::viscosity("Pa.s"), 1, K(0), "0.001"},
    };
    const Unit lbft3 = Unit::density("lb/ft^3");
    for (const auto& r : rows)
        EXPECT_EQ(testing::outcome(
                      [&] { return convertViscosity(r.value, r.from, r.to, 50, lbft3, r.at); },
                      testing::Digits::exact),
                  r.expected)
            << r.name;
}

TEST(EffluxScaleUnits, ReadTheDensityWhereCentistokesWould) {
    const Unit sus = Unit::effluxScale("SUS");
    const struct {
        const char* name;
        Unit from, to;
        bool reads;
    } rows[] = {
        {"SUS to cSt", sus, Unit::viscosity("cSt"), false},
        {"SUS to a dynamic unit", sus, Unit::viscosity("Pa.s"), true},
        {"SUS to another kinematic unit", sus, Unit::viscosity("ft^2/s"), true},
    };
    for (const auto& r : rows)
        EXPECT_EQ(readsDensity(r.from, r.to), r.reads) << r.name;
}

// The window's lists and its operations on names know no scale yet.
TEST(EffluxScaleUnits, AreFoundByTheirOwnNameOnly) {
    EXPECT_EQ(Unit::effluxScale("SUS").kind(), UnitKind::effluxScale);
    EXPECT_FALSE(Unit::effluxScale("sus").known());
    EXPECT_FALSE(Unit::viscosity("SUS").known());
    EXPECT_EQ(factorToCp(50, "lb/ft^3", "SUS"), 0);
    EXPECT_EQ(convertViscosity(100, "SUS", "cSt", 50, "lb/ft^3"), 0);
}

} // namespace
} // namespace tarnwick
