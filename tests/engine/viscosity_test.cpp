#include "engine.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>

namespace tarnwick {
namespace {

using Condition = FloatingPointError::Condition;

// The start-up density: 50 lb/ft^3, which is 0.8009999999999999 g/cm^3.
constexpr double kDensity = 50;
constexpr std::string_view kDensityUnit = "lb/ft^3";

struct ViscosityCase {
    const char* name;
    double value;
    std::string_view from;
    std::string_view to;
    double expected;
    double density = kDensity;
    std::string_view densityUnit = kDensityUnit;
};

void PrintTo(const ViscosityCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertViscosity : public testing::TestWithParam<ViscosityCase> {};

TEST_P(ConvertViscosity, GivesTheExactDouble) {
    const auto& c = GetParam();
    EXPECT_EQ(convertViscosity(c.value, c.from, c.to, c.density, c.densityUnit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertViscosity,
    testing::Values(
        ViscosityCase{"PoiseToPoundsPerFootSecond", 1, "Poise", "lb/(ft.s)", 0.0672},
        ViscosityCase{"PoundsPerFootSecondIsNotPoundalSeconds", 1, "lb/(ft.s)", "poundal.s/ft^2",
                      1.00128},
        ViscosityCase{"PoundalSecondsBackIsNotOneEither", 1, "poundal.s/ft^2", "lb/(ft.s)",
                      1.0000462079999999},
        ViscosityCase{"PoundsPerFootSecondToCp", 1, "lb/(ft.s)", "cP", 1490},
        ViscosityCase{"PoundalSecondsToCp", 1, "poundal.s/ft^2", "cP", 1488.164},
        ViscosityCase{"SlugsToCpKeepsItsOwnConstant", 1, "slugs/(ft.s)", "cP", 47880.259},
        ViscosityCase{"PoundForceSecondsToCp", 1, "lbf.s/ft^2", "cP", 47880.26},
        ViscosityCase{"CpToSlugs", 1, "cP", "slugs/(ft.s)", 0.0000209},
        ViscosityCase{"CpToPoundForceSeconds", 1, "cP", "lbf.s/ft^2", 0.0000208854},
        ViscosityCase{"CpToPoundForceSecondsPerSquareInch", 2, "cP", "lbf.s/in^2", 2 * 1.45e-7},
        ViscosityCase{"PascalSecondsToPoiseIgnoresAnUnknownDensityUnit", 1, "Pa.s", "Poise", 10, 1,
                      "no such unit"},
        ViscosityCase{"DynamicUnitsIgnoreBaume145", 1, "Pa.s", "Poise", 10, 145, "deg Baume"},
        ViscosityCase{"KgPerMetreHourIsNotOneOver3600", 1, "kg/(m.h)", "kg/(m.s)", 0.0002778},
        ViscosityCase{"PascalSecondsToCp", 1, "Pa.s", "cP", 1000},
        ViscosityCase{"CpToCSt", 1, "cP", "cSt", 1.2484394506866419},
        ViscosityCase{"CStToCpMultipliesByTheDensity", 10, "cSt", "cP", 8.01},
        ViscosityCase{"SquareFeetPerSecondToCp", 1, "ft^2/s", "cP", 74408},
        ViscosityCase{"SquareFeetPerSecondToCSt", 1, "ft^2/s", "cSt", 92893.88264669165},
        ViscosityCase{"SquareFeetPerSecondToPerHourIsNot3600", 1, "ft^2/s", "ft^2/h",
                      3599.99595072},
        ViscosityCase{"CpToSquareFeetPerHour", 1, "cP", "ft^2/h", 0.04838184},
        ViscosityCase{"SquareMetresPerHourToCSt", 1, "m^2/h", "cSt", 277.77777777777777},
        ViscosityCase{"CStToMm2PerSecondDiffersInTheLastDigit", 1, "cSt", "mm^2/s",
                      0.9999999999999999},
        ViscosityCase{"StokeToCm2PerSecondDiffersInTheLastDigit", 1, "Stoke", "cm^2/s",
                      0.9999999999999999},
        ViscosityCase{"Cm2PerSecondToStoke", 1, "cm^2/s", "Stoke", 1},
        ViscosityCase{"KinematicThroughApiTen", 1, "cP", "cSt", 1, 10, "deg API"},
        ViscosityCase{"NegativeDensityFromBaume150PassesThrough", 1, "cP", "cSt",
                      -0.034482758620689655, 150, "deg Baume"},
        ViscosityCase{"EqualNamesReturnTheValue", 2.5, "Pa.s", "Pa.s", 2.5, 0, "x"},
        ViscosityCase{"EqualUnknownNamesReturnTheValue", 2.5, "stokes", "stokes", 2.5},
        ViscosityCase{"EqualKinematicNamesSkipTheDensity", 1, "cSt", "cSt", 1, 145, "deg Baume"},
        ViscosityCase{"UnknownSourceGivesZero", 1, "cp", "Pa.s", 0},
        ViscosityCase{"UnknownTargetGivesZero", 1, "Pa.s", "PA.S", 0},
        ViscosityCase{"SeparatorAsTargetGivesZero", 1, "cP", "", 0},
        ViscosityCase{"SeparatorAsSourceGivesZero", 1, "", "cP", 0},
        ViscosityCase{"CStWithUnknownDensityUnitGivesZero", 1, "cSt", "cP", 0, 1, "kg/l"},
        ViscosityCase{"UnderflowIsNotAnError", 1e-310, "cP", "lbf.s/in^2", 1.45e-317}),
    [](const auto& info) { return std::string(info.param.name); });

struct ViscosityErrorCase {
    const char* name;
    double value;
    std::string_view from;
    std::string_view to;
    double density;
    std::string_view densityUnit;
    Condition expected;
};

void PrintTo(const ViscosityErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertViscosityError : public testing::TestWithParam<ViscosityErrorCase> {};

TEST_P(ConvertViscosityError, ThrowsTheConditionThatFired) {
    const auto& c = GetParam();
    try {
        const double result = convertViscosity(c.value, c.from, c.to, c.density, c.densityUnit);
        ADD_FAILURE() << "returned " << result;
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.condition(), c.expected) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertViscosityError,
    testing::Values(ViscosityErrorCase{"KinematicTargetWithUnknownDensityUnit", 1, "cP", "cSt", 1,
                                       "kg/l", Condition::DivisionByZero},
                    ViscosityErrorCase{"KinematicTargetWithZeroDensity", 1, "Pa.s", "in^2/s", 0,
                                       "g/cm^3", Condition::DivisionByZero},
                    ViscosityErrorCase{"Baume145WithKinematicSource", 1, "cSt", "cP", 145,
                                       "deg Baume", Condition::DivisionByZero},
                    ViscosityErrorCase{"Baume145WithKinematicTarget", 1, "cP", "m^2/s", 145,
                                       "deg Baume", Condition::DivisionByZero},
                    ViscosityErrorCase{"ApiMinus131point5", 1, "cP", "ft^2/h", -131.5, "deg API",
                                       Condition::DivisionByZero},
                    ViscosityErrorCase{"HugeValueToCp", 1e308, "Pa.s", "cP", 50, "lb/ft^3",
                                       Condition::Overflow},
                    ViscosityErrorCase{"HugeDensityInTheFactor", 1, "m^2/s", "cP", 1e303, "g/cm^3",
                                       Condition::Overflow},
                    ViscosityErrorCase{"ProductOfFiniteFactorsOverflows", 100, "m^2/s", "kg/(m.h)",
                                       1e300, "g/cm^3", Condition::Overflow},
                    ViscosityErrorCase{"HugeValueFromCp", 1e308, "cP", "kg/(m.h)", 50, "lb/ft^3",
                                       Condition::Overflow},
                    ViscosityErrorCase{"NotANumberIsInvalid", std::nan(""), "Pa.s", "cP", 50,
                                       "lb/ft^3", Condition::InvalidOperation}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoRowCase {
    const char* name;
    std::string_view unit;
};

void PrintTo(const NoRowCase& c, std::ostream* os) {
    *os << c.name;
}

class FactorWithoutRow : public testing::TestWithParam<NoRowCase> {};

TEST_P(FactorWithoutRow, IsZeroInBothDirections) {
    const auto unit = GetParam().unit;
    EXPECT_EQ(factorToCp(kDensity, kDensityUnit, unit), 0);
    EXPECT_EQ(factorFromCp(kDensity, kDensityUnit, unit), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, FactorWithoutRow,
                         testing::Values(NoRowCase{"Centipoise", "cP"}, NoRowCase{"Separator", ""},
                                         NoRowCase{"DensityUnit", "lb/ft^3"},
                                         NoRowCase{"WrongCase", "cst"},
                                         NoRowCase{"TrailingBlank", "Poise "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FactorToCp, OfCStIsTheDensityItselfEvenWhenNotFinite) {
    // No arithmetic, so nothing to test: the density is handed back as given.
    EXPECT_TRUE(std::isinf(factorToCp(HUGE_VAL, "g/cm^3", "cSt")));
}

// Every pair of listed names at every density unit either converts to a finite
// value or reports a floating-point error; nothing else escapes.
TEST(ConvertViscosity, EveryListedPairIsFiniteOrAFloatingPointError) {
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
                    } catch (const FloatingPointError&) {
                        ++errors;
                    }
                }
            }
        }
    }
    EXPECT_EQ(conversions, 5 * 12 * 25 * 25);
    // The list must reach both outcomes, or it proves nothing.
    EXPECT_GT(errors, 0);
    EXPECT_LT(errors, conversions);
}

} // namespace
} // namespace tarnwick
