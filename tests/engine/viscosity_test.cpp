// SPDX-License-Identifier: MIT
#include "engine/engine.h"
#include "expectcondition.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string_view>

namespace tarnwick {
namespace {

using Condition = ConversionError::Condition;

// Rows at the start-up density unless they say otherwise: 50 lb/ft^3, which
// is 0.8009999999999999 g/cm^3.
struct ViscosityCase {
    const char* name;
    double value;
    std::string_view from;
    std::string_view to;
    double expected;
    double density = 50;
    std::string_view densityUnit = "lb/ft^3";
};

TEST(ConvertViscosity, GivesTheExactDouble) {
    const ViscosityCase cases[] = {
        {"factors are not reciprocals", 1, "lb/(ft.s)", "poundal.s/ft^2", 1.00128},
        {"nor in the other direction", 1, "poundal.s/ft^2", "lb/(ft.s)", 1.0000462079999999},
        {"Poise via cP", 1, "Poise", "lb/(ft.s)", 0.0672},
        {"slugs keep their own constants", 1, "slugs/(ft.s)", "lbf.s/ft^2", 0.9999983613186001},
        {"so does lbf.s/ft^2", 1, "lbf.s/ft^2", "slugs/(ft.s)", 1.000697434},
        {"kg/(m.h) is 0.2778, not 1/3600", 1, "kg/(m.h)", "kg/(m.s)", 0.0002778},
        {"dynamic units ignore the density", 1, "Pa.s", "Poise", 10, 145, "deg Baume"},
        {"cP to cSt", 1, "cP", "cSt", 1.2484394506866419},
        {"cSt to cP multiplies by the density", 10, "cSt", "cP", 8.01},
        {"ft^2/s asks for lb/ft^3", 1, "ft^2/s", "cSt", 92893.88264669165},
        {"ft^2/s to ft^2/h is not 3600", 1, "ft^2/s", "ft^2/h", 3599.99595072},
        {"to ft^2/h multiplies by 60 twice", 1, "cP", "ft^2/h", 0.04838184},
        {"m^2/h divides by 60 twice", 1, "m^2/h", "cSt", 277.77777777777777},
        {"cSt and mm^2/s differ in the last digit", 1, "cSt", "mm^2/s", 0.9999999999999999},
        {"Stoke and cm^2/s too", 1, "Stoke", "cm^2/s", 0.9999999999999999},
        {"but not the other way", 1, "cm^2/s", "Stoke", 1},
        {"through deg API", 1, "cP", "cSt", 1, 10, "deg API"},
        {"negative density from deg Baume", 1, "cP", "cSt", -0.034482758620689655, 150,
         "deg Baume"},
        {"equal unknown names return the value", 2.5, "stokes", "stokes", 2.5},
        {"equal names skip the density", 1, "cSt", "cSt", 1, 145, "deg Baume"},
        {"unknown source gives 0", 1, "cp", "Pa.s", 0},
        {"separator as target gives 0", 1, "cP", "", 0},
        {"cSt with an unknown density unit gives 0", 1, "cSt", "cP", 0, 1, "kg/l"},
        {"underflow is not an error", 1e-310, "cP", "lbf.s/in^2", 1.45e-317},
        // Values other than 1: the two factors are multiplied first, then the value.
        {"factors multiply before the value", 7, "slugs/(ft.s)", "lbf.s/ft^2", 6.999988529230201},
        {"so do two kinematic factors", 5, "ft^2/h", "ft^2/s", 0.001388887326666667},
        {"both kinematic at 0.83 g/cm^3", 7, "m^2/h", "mm^2/s", 1944.4444444444448, 0.83, "g/cm^3"},
        {"equal names skip the status test", HUGE_VAL, "cSt", "cSt", HUGE_VAL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(convertViscosity(c.value, c.from, c.to, c.density, c.densityUnit), c.expected)
            << c.name;
}

TEST(ConvertViscosity, ThrowsTheConditionThatFired) {
    const struct {
        const char* name;
        double value;
        std::string_view from, to;
        double density;
        std::string_view densityUnit;
        Condition expected;
    } cases[] = {
        {"kinematic target, unknown density unit", 1, "cP", "cSt", 1, "kg/l",
         Condition::DivisionByZero},
        {"kinematic target, zero density", 1, "Pa.s", "in^2/s", 0, "g/cm^3",
         Condition::DivisionByZero},
        {"kinematic source at 145 deg Baume", 1, "cSt", "cP", 145, "deg Baume",
         Condition::DivisionByZero},
        {"kinematic target at -131.5 deg API", 1, "cP", "ft^2/h", -131.5, "deg API",
         Condition::DivisionByZero},
        {"huge value to cP", 1e308, "Pa.s", "cP", 50, "lb/ft^3", Condition::Overflow},
        {"huge value from cP", 1e308, "cP", "kg/(m.h)", 50, "lb/ft^3", Condition::Overflow},
        {"huge density in a factor", 1, "m^2/s", "cP", 1e303, "g/cm^3", Condition::Overflow},
        {"product of finite factors", 100, "m^2/s", "kg/(m.h)", 1e300, "g/cm^3",
         Condition::Overflow},
        {"not a number", std::nan(""), "Pa.s", "cP", 50, "lb/ft^3", Condition::InvalidOperation},
    };
    for (const auto& c : cases)
        testing::expectCondition(
            c.name,
            [&] { return convertViscosity(c.value, c.from, c.to, c.density, c.densityUnit); },
            c.expected);
}

// Each unit's two factors are separately rounded constants; each kinematic
// factor is read in the unit its row asks for, at 1 and, for the three-step
// formulas, at a density where merged steps ("/ 3600" for "/ 60 / 60") or
// regrouped ones give another double.
TEST(ViscosityFactors, AreTheUnitsOwnRoundedConstants) {
    const struct {
        std::string_view unit;
        std::string_view densityUnit;
        double toCp, fromCp;
        double density = 1;
    } cases[] = {
        {"lb/(ft.s)", "", 1490, 0.000672},
        {"lb/(ft.h)", "", 0.413, 2.42},
        {"slugs/(ft.s)", "", 47880.259, 0.0000209},
        {"poundal.s/ft^2", "", 1488.164, 0.000672},
        {"lbf.s/ft^2", "", 47880.26, 0.0000208854},
        {"lbf.s/in^2", "", 6890000, 0.000000145},
        {"Pa.s", "", 1000, 0.001},
        {"N.s/m^2", "", 1000, 0.001},
        {"Poise", "", 100, 0.01},
        {"g/(cm.s)", "", 100, 0.01},
        {"dyne.s/cm^2", "", 100, 0.01},
        {"kg/(m.h)", "", 0.2778, 3.6},
        {"kg/(m.s)", "", 1000, 0.001},
        {"kgf.s/m^2", "", 9803.92, 0.000102},
        {"cSt", "g/cm^3", 1, 1},
        {"ft^2/h", "lb/ft^3", 0.4133777777777778, 2.419092},
        {"ft^2/s", "lb/ft^3", 1488.16, 0.00067197},
        {"in^2/s", "g/cm^3", 645.16, 0.00155},
        {"m^2/s", "g/cm^3", 1000000, 0.000001},
        {"m^2/h", "g/cm^3", 277.77777777777777, 0.0036},
        {"Stoke", "g/cm^3", 100, 0.01},
        {"cm^2/s", "g/cm^3", 100, 0.009999999999999998},
        {"mm^2/s", "g/cm^3", 1, 1},
        {"ft^2/h", "lb/ft^3", 0.5663275555555557, 1.7657605839416055, 1.37},
        {"m^2/h", "g/cm^3", 230.55555555555557, 0.0043373493975903624, 0.83},
        {"cm^2/s", "g/cm^3", 102.89999999999998, 0.009718172983479104, 1.029},
        {"mm^2/s", "g/cm^3", 8.369999999999997, 0.11947431302270015, 8.37},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(factorToCp(c.density, c.densityUnit, c.unit), c.toCp)
            << c.unit << " at " << c.density;
        EXPECT_EQ(factorFromCp(c.density, c.densityUnit, c.unit), c.fromCp)
            << c.unit << " at " << c.density;
    }
}

TEST(ViscosityFactors, AreZeroForNamesWithoutARow) {
    for (std::string_view unit : {"cP", "", "lb/ft^3", "Poise ", "pa.s", "CSt"}) {
        EXPECT_EQ(factorToCp(50, "lb/ft^3", unit), 0) << unit;
        EXPECT_EQ(factorFromCp(50, "lb/ft^3", unit), 0) << unit;
    }
}

TEST(ViscosityFactors, CStToCpIsTheDensityUntested) {
    // No arithmetic, so no status test: the density is handed back as given.
    EXPECT_TRUE(std::isinf(factorToCp(HUGE_VAL, "g/cm^3", "cSt")));
}

// Every pair of listed names at every density unit either converts to a finite
// value or reports a floating-point error; nothing else escapes.
TEST(ConvertViscosity, EveryListedPairIsFiniteOrAConversionError) {
    int errors = 0;
    int conversions = 0;
    for (double density : {50.0, 145.0, -131.5, 1e-300, 1e300}) {
        for (auto densityUnit : densityUnits) {
            for (auto from : viscosityUnits) {
                for (auto to : viscosityUnits) {
                    ++conversions;
                    try {
                        const double r = convertViscosity(7.5, from, to, density, densityUnit);
                        EXPECT_TRUE(std::isfinite(r))
                            << from << " -> " << to << " at " << density << ' ' << densityUnit;
                    } catch (const ConversionError&) {
                        ++errors;
                    }
                }
            }
        }
    }
    // The sweep must reach both outcomes, or it proves nothing.
    EXPECT_GT(errors, 0);
    EXPECT_LT(errors, conversions);
}

} // namespace
} // namespace tarnwick
