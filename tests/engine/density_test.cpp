#include "engine.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string_view>

namespace tarnwick {
namespace {

using Condition = FloatingPointError::Condition;

struct DensityCase {
    const char* name;
    double value;
    std::string_view from;
    std::string_view to;
    double expected;
};

void PrintTo(const DensityCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertDensity : public testing::TestWithParam<DensityCase> {};

TEST_P(ConvertDensity, GivesTheExactDouble) {
    const auto& c = GetParam();
    EXPECT_EQ(convertDensity(c.value, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertDensity,
    testing::Values(
        DensityCase{"PoundsPerCubicFootToGcm3", 50, "lb/ft^3", "g/cm^3", 0.8009999999999999},
        DensityCase{"Gcm3ToPoundsPerCubicFootUsesItsOwnConstant", 1, "g/cm^3", "lb/ft^3", 62.43},
        DensityCase{"Gcm3ToSgAir", 1, "g/cm^3", "SG (rel. Air)", 819.67},
        DensityCase{"SgAirToPoundsPerCubicFootMultipliesTwice", 0.5, "SG (rel. Air)", "lb/ft^3",
                    0.0380823},
        DensityCase{"KgPerCubicMetreToGramsPerLitre", 7, "kg/m^3", "g/l", 7},
        DensityCase{"SgWaterIsTheGcm3Pivot", 1.25, "SG (rel. Water)", "g/cm^3", 1.25},
        DensityCase{"SameUnitIsUntouched", 3.5, "lb/ft^3", "lb/ft^3", 3.5},
        DensityCase{"SameUnknownTextIsUntouched", 3.5, "furlong", "furlong", 3.5},
        DensityCase{"SameGravityScaleSkipsTheFormula", 145, "deg Baume", "deg Baume", 145},
        DensityCase{"UnknownTargetGivesZero", 5, "g/cm^3", "", 0},
        DensityCase{"UnknownSourceGivesZero", 5, "", "g/cm^3", 0},
        DensityCase{"NamesAreCaseSensitive", 5, "G/cm^3", "lb/ft^3", 0},
        DensityCase{"EveryBlankCounts", 5, "g/cm^3", "lb/US  gal", 0},
        DensityCase{"ApiTenIsWater", 10, "deg API", "g/cm^3", 1},
        DensityCase{"ApiToPoundsPerCubicFoot", 30, "deg API", "lb/ft^3", 54.6987306501548},
        DensityCase{"BaumeToGcm3", 10, "deg Baume", "g/cm^3", 1.0740740740740742},
        DensityCase{"BaumeAbove145GivesNegativeDensity", 150, "deg Baume", "g/cm^3", -29},
        DensityCase{"Gcm3ToBaume", 1.2, "g/cm^3", "deg Baume", 24.166666666666657},
        DensityCase{"WaterIsApiTen", 1, "SG (rel. Water)", "deg API", 10},
        DensityCase{"WaterIsBaumeZero", 1, "SG (rel. Water)", "deg Baume", 0},
        DensityCase{"BaumeToApiAppliesEachFormulaOnItsSide", 20, "deg Baume", "deg API",
                    -9.517241379310335},
        DensityCase{"ApiToBaume", 10, "deg API", "deg Baume", 0},
        DensityCase{"UnderflowIsNotAnError", 1e-320, "g/cm^3", "lb/in^3", 1e-320 * 0.03613}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertDensity, RoundTripMultipliesByTheProductOfBothConstants) {
    EXPECT_EQ(convertDensity(convertDensity(1, "g/cm^3", "lb/ft^3"), "lb/ft^3", "g/cm^3"),
              1.0001286);
}

struct DensityErrorCase {
    const char* name;
    double value;
    std::string_view from;
    std::string_view to;
    Condition expected;
};

void PrintTo(const DensityErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ConvertDensityError : public testing::TestWithParam<DensityErrorCase> {};

TEST_P(ConvertDensityError, ThrowsTheConditionThatFired) {
    const auto& c = GetParam();
    try {
        const double result = convertDensity(c.value, c.from, c.to);
        ADD_FAILURE() << "returned " << result;
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.condition(), c.expected) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertDensityError,
    testing::Values(
        DensityErrorCase{"Baume145", 145, "deg Baume", "g/cm^3", Condition::DivisionByZero},
        DensityErrorCase{"Baume145ToApi", 145, "deg Baume", "deg API", Condition::DivisionByZero},
        DensityErrorCase{"ApiMinus131point5", -131.5, "deg API", "lb/ft^3",
                         Condition::DivisionByZero},
        DensityErrorCase{"ApiFromUnknownUnit", 5, "kg/l", "deg API", Condition::DivisionByZero},
        DensityErrorCase{"BaumeFromUnknownUnit", 5, "", "deg Baume", Condition::DivisionByZero},
        DensityErrorCase{"ApiFromZeroDensity", 0, "g/cm^3", "deg API", Condition::DivisionByZero},
        DensityErrorCase{"OverflowOnTheWayIn", 1e308, "lb/in^3", "g/cm^3", Condition::Overflow},
        DensityErrorCase{"OverflowOnTheWayOut", 1e308, "g/cm^3", "SG (rel. Air)",
                         Condition::Overflow},
        DensityErrorCase{"OverflowInTheGravityFormula", 1e-320, "g/cm^3", "deg API",
                         Condition::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

struct FactorCase {
    const char* name;
    double (*operation)(double, std::string_view);
    std::string_view unit;
    double expected;
};

void PrintTo(const FactorCase& c, std::ostream* os) {
    *os << c.name;
}

class DensityFactor : public testing::TestWithParam<FactorCase> {};

TEST_P(DensityFactor, MultipliesByItsOwnColumn) {
    const auto& c = GetParam();
    EXPECT_EQ(c.operation(2, c.unit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DensityFactor,
    testing::Values(FactorCase{"ToGcm3OfSlugs", densityToGcm3, "slug/ft^3", 2 * 0.5154},
                    FactorCase{"FromGcm3OfSlugs", densityFromGcm3, "slug/ft^3", 2 * 1.94},
                    FactorCase{"ToGcm3OfUkGallons", densityToGcm3, "lb/UK gal", 2 * 0.0997764},
                    FactorCase{"FromGcm3OfUsGallons", densityFromGcm3, "lb/US gal", 2 * 8.3454043},
                    FactorCase{"ToGcm3OfApiIsZero", densityToGcm3, "deg API", 0},
                    FactorCase{"FromGcm3OfBaumeIsZero", densityFromGcm3, "deg Baume", 0},
                    FactorCase{"FromGcm3OfSgWaterIsTheValue", densityFromGcm3, "SG (rel. Water)",
                               2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertGravityDensity, TheFlagChoosesTheFormula) {
    // 10 read with the API formula is water; read with the Baume formula it is not.
    EXPECT_EQ(convertGravityDensity(10, "deg Baume", "g/cm^3", true), 1);
    EXPECT_EQ(convertGravityDensity(10, "deg API", "g/cm^3", false), 1.0740740740740742);
}

} // namespace
} // namespace tarnwick
