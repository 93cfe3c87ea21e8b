// SPDX-License-Identifier: MIT
#include "engine/engine.h"
#include "expectcondition.h"

#include <gtest/gtest.h>
#include <string_view>

namespace tarnwick {
namespace {

using Condition = ConversionError::Condition;

TEST(ConvertDensity, GivesTheExactDouble) {
    const struct {
        const char* name;
        double value;
        std::string_view from, to;
        double expected;
    } cases[] = {
        {"to the pivot", 50, "lb/ft^3", "g/cm^3", 0.8009999999999999},
        {"from the pivot by its own constant", 1, "g/cm^3", "lb/ft^3", 62.43},
        {"SG (rel. Air) from the pivot", 1, "g/cm^3", "SG (rel. Air)", 819.67},
        {"between two plain units", 0.5, "SG (rel. Air)", "lb/ft^3", 0.0380823},
        {"kg/m^3 to g/l", 7, "kg/m^3", "g/l", 7},
        {"same unit untouched", 145, "deg Baume", "deg Baume", 145},
        {"same unknown text untouched", 3.5, "furlong", "furlong", 3.5},
        {"unknown target gives 0", 5, "g/cm^3", "", 0},
        {"unknown source gives 0", 5, "", "g/cm^3", 0},
        {"names are case-sensitive", 5, "G/cm^3", "lb/ft^3", 0},
        {"10 deg API is water", 10, "deg API", "g/cm^3", 1},
        {"deg API to a plain unit", 30, "deg API", "lb/ft^3", 54.6987306501548},
        {"deg Baume to the pivot", 10, "deg Baume", "g/cm^3", 1.0740740740740742},
        {"deg Baume above 145 is negative", 150, "deg Baume", "g/cm^3", -29},
        {"to deg Baume", 1.2, "g/cm^3", "deg Baume", 24.166666666666657},
        {"light liquids keep the one deg Baume formula", 0.8, "g/cm^3", "deg Baume", -36.25},
        {"and from deg Baume", -36.25, "deg Baume", "g/cm^3", 0.8},
        {"water is 10 deg API", 1, "SG (rel. Water)", "deg API", 10},
        {"deg Baume to deg API", 20, "deg Baume", "deg API", -9.517241379310335},
        {"deg API to deg Baume", 10, "deg API", "deg Baume", 0},
        {"underflow is not an error", 1e-320, "g/cm^3", "lb/in^3", 3.6e-322},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convertDensity(c.value, c.from, c.to), c.expected) << c.name;
}

TEST(ConvertDensity, RoundTripMultipliesByTheProductOfBothConstants) {
    EXPECT_EQ(convertDensity(convertDensity(1, "g/cm^3", "lb/ft^3"), "lb/ft^3", "g/cm^3"),
              1.0001286);
}

TEST(ConvertDensity, ThrowsTheConditionThatFired) {
    const struct {
        const char* name;
        double value;
        std::string_view from, to;
        Condition expected;
    } cases[] = {
        {"145 deg Baume", 145, "deg Baume", "g/cm^3", Condition::DivisionByZero},
        {"145 deg Baume to deg API", 145, "deg Baume", "deg API", Condition::DivisionByZero},
        {"-131.5 deg API", -131.5, "deg API", "lb/ft^3", Condition::DivisionByZero},
        {"deg API from an unknown unit", 5, "kg/l", "deg API", Condition::DivisionByZero},
        {"deg Baume from an unknown unit", 5, "", "deg Baume", Condition::DivisionByZero},
        {"deg API from zero density", 0, "g/cm^3", "deg API", Condition::DivisionByZero},
        {"overflow on the way in", 1e308, "lb/in^3", "g/cm^3", Condition::Overflow},
        {"overflow on the way out", 1e308, "g/cm^3", "SG (rel. Air)", Condition::Overflow},
        {"overflow in a gravity formula", 1e-320, "g/cm^3", "deg API", Condition::Overflow},
    };
    for (const auto& c : cases)
        testing::expectCondition(
            c.name, [&] { return convertDensity(c.value, c.from, c.to); }, c.expected);
}

// Each direction has its own rounded constant; the gravity scales have none.
TEST(DensityFactor, IsTheUnitsOwnRoundedConstant) {
    const struct {
        std::string_view unit;
        double toGcm3, fromGcm3;
    } cases[] = {
        {"g/cm^3", 1, 1},
        {"SG (rel. Water)", 1, 1},
        {"lb/ft^3", 0.01602, 62.43},
        {"lb/in^3", 27.68, 0.03613},
        {"lb/US gal", 0.1198264, 8.3454043},
        {"lb/UK gal", 0.0997764, 10.0224128},
        {"kg/m^3", 0.001, 1000},
        {"g/l", 0.001, 1000},
        {"slug/ft^3", 0.5154, 1.94},
        {"SG (rel. Air)", 0.00122, 819.67},
        {"deg API", 0, 0},
        {"deg Baume", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(densityToGcm3(1, c.unit), c.toGcm3) << c.unit;
        EXPECT_EQ(densityFromGcm3(1, c.unit), c.fromGcm3) << c.unit;
    }
}

TEST(ConvertGravityDensity, TheFlagChoosesTheFormula) {
    // 10 read with the API formula is water; read with the Baume formula it is not.
    EXPECT_EQ(convertGravityDensity(10, "deg Baume", "g/cm^3", true), 1);
    EXPECT_EQ(convertGravityDensity(10, "deg API", "g/cm^3", false), 1.0740740740740742);
}

} // namespace
} // namespace tarnwick
