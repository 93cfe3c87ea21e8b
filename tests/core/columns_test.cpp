// SPDX-License-Identifier: MIT
#include "core/conversion.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

constexpr double failed = std::numeric_limits<double>::quiet_NaN();

struct ColumnCase {
    const char* name;
    double value;
    const char* from;
    const char* to;
    double density;
    const char* densityUnit;
    std::optional<Temperature> at;
    double expected;          // the converter's result (--shortest); failed for none
    const char* message = ""; // the converter's message where it fails
};

void PrintTo(const ColumnCase& c, std::ostream* os) {
    *os << c.name;
}

// values a column, the row's density one for all.
ConversionColumns columnsOf(const ColumnCase& c, const double* values) {
    return {.values = {values, 1},
            .from = UnitInput::viscosity(c.from),
            .to = UnitInput::viscosity(c.to),
            .densities = {&c.density, 0},
            .densityUnit = UnitInput::density(c.densityUnit),
            .at = c.at};
}

// The same double to the bit (zeros by their sign too), or both NaN.
::testing::AssertionResult same(double result, double expected) {
    if (std::isnan(expected) ? std::isnan(result)
                             : result == expected && std::signbit(result) == std::signbit(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << result << " is not " << expected;
}

class ColumnConversion : public ::testing::TestWithParam<ColumnCase> {};

// Each row as the middle one of three, so that it stands between lanes.
TEST_P(ColumnConversion, GivesConvertsDoubleOrLeavesTheElementToConvert) {
    const ColumnCase& c = GetParam();
    const double values[] = {c.value, c.value, c.value};
    std::vector<double> results(3);
    const ConversionColumns columns = columnsOf(c, values);
    tryConvert(columns, results);
    EXPECT_TRUE(same(results[1], c.expected));
    const OrFailure<double> one = convert({.value = c.value,
                                           .from = columns.from,
                                           .to = columns.to,
                                           .density = c.density,
                                           .densityUnit = columns.densityUnit,
                                           .at = c.at});
    if (std::isnan(c.expected))
        EXPECT_EQ(one ? std::string() : one.failure().message, c.message);
    else
        EXPECT_TRUE(same(one ? *one : failed, c.expected));
}

constexpr Temperature at210F{210, TemperatureScale::Fahrenheit};
constexpr Temperature at150F{150, TemperatureScale::Fahrenheit};
constexpr const char* badValue = "Input Error: Viscosity input value is zero or negative";
constexpr const char* badDensity = "Input Error: Density input value is zero or negative";
constexpr const char* overflow = "The result cannot be computed: overflow.";
constexpr const char* byZero = "The result cannot be computed: division by zero.";
constexpr const char* susTooLow = "Saybolt Universal seconds below 32 are not defined";
constexpr const char* sfsAt = "Saybolt Furol seconds are defined at 122 F and 210 F only";
constexpr const char* unlisted = "unknown viscosity unit \"CST\" (did you mean \"cSt\"?)";

INSTANTIATE_TEST_SUITE_P(
    Rows, ColumnConversion,
    ::testing::Values(
        ColumnCase{"DynamicToKinematic", 1000, "cP", "cSt", 850, "kg/m^3", {}, 1176.4705882352941},
        ColumnCase{"DynamicToDynamic", 10, "Pa.s", "lbf.s/in^2", 50, "lb/ft^3", {}, 0.00145},
        ColumnCase{
            "KinematicThroughApi", 100, "ft^2/h", "mm^2/s", 35, "deg API", {}, 2580.7174666666674},
        ColumnCase{"FromEngler", 10, "deg Engler", "cP", 900, "kg/m^3", {}, 65.2221},
        ColumnCase{"FromSusAt210F", 100, "SUS", "cSt", 50, "lb/ft^3", at210F, 20.357641206456105},
        ColumnCase{"ToSus", 1000, "cSt", "SUS", 850, "kg/m^3", {}, 4632.402014085872},
        ColumnCase{"HugeApiGravity", 1, "cSt", "cP", 1e308, "deg API", {}, 1.415e-306},
        ColumnCase{"ZeroValue", 0, "cP", "cSt", 1, "g/cm^3", {}, failed, badValue},
        ColumnCase{"NegativeDensity", 1, "cP", "Pa.s", -1, "kg/m^3", {}, failed, badDensity},
        ColumnCase{"NaNValue", failed, "cP", "cSt", 1, "g/cm^3", {}, failed, badValue},
        ColumnCase{"Overflow", 1e308, "lbf.s/in^2", "cP", 1, "g/cm^3", {}, failed, overflow},
        ColumnCase{"DensityOverflows", 1, "cP", "cSt", 1e308, "lb/in^3", {}, failed, overflow},
        ColumnCase{"DivisionByZero", 1, "cP", "cSt", 145, "deg Baume", {}, failed, byZero},
        ColumnCase{"SusBelow32", 20, "SUS", "cSt", 50, "lb/ft^3", {}, failed, susTooLow},
        ColumnCase{"SfsAt150F", 100, "SFS", "cSt", 50, "lb/ft^3", at150F, failed, sfsAt},
        ColumnCase{"UnlistedUnit", 1, "cP", "CST", 1, "g/cm^3", {}, failed, unlisted}),
    [](const auto& info) { return std::string(info.param.name); });

// Elements on both sides of a block's edge are each their own: a failing one
// fails alone, and one density serves all.
TEST(ColumnConversion, FailsOnlyTheElementsThatFailAcrossBlocks) {
    const ColumnCase c{"", 0, "cP", "cSt", 850, "kg/m^3", {}, 0};
    std::vector<double> values(300, 1000);
    for (const std::size_t bad : {0, 127, 128, 299})
        values[bad] = -1;
    std::vector<double> results(values.size());
    tryConvert(columnsOf(c, values.data()), results);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_TRUE(same(results[i], values[i] < 0 ? failed : 1176.4705882352941)) << i;
}

} // namespace
} // namespace tarnwick
