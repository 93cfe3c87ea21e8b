// SPDX-License-Identifier: MIT
#include "core/conversion.h"
#include "core/unitcache.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tarnwick {
namespace {

// The five texts in a row of a table; null keeps the window's start-up text.
struct Texts {
    const char* value = "1";
    const char* density = "50.0";
    const char* fromUnit = "cP";
    const char* densityUnit = "lb/ft^3";
    const char* toUnit = "cSt";
};

struct CheckCase {
    const char* name;
    Texts texts;
    std::optional<Input> input; // the input at fault; nothing: every check passes
    const char* message = "";
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

// The first problem of the window's seven checks, as its validation finds it.
std::optional<ConversionFailure> firstProblem(const Texts& t) {
    const LocaleNumbers numbers(NumberSymbols{".", ",", 3, 3, 1, U'0', "-", "+", "e"});
    const auto request =
        readConversion({t.value, t.fromUnit, t.toUnit, t.density, t.densityUnit}, numbers);
    return request ? firstInputProblem(*request) : request.failure();
}

class InputChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(InputChecks, ReportTheFirstProblemInTheWindowsOrder) {
    const auto& c = GetParam();
    const std::optional<ConversionFailure> problem = firstProblem(c.texts);
    ASSERT_EQ(problem.has_value(), c.input.has_value());
    if (problem) {
        EXPECT_EQ(problem->input, c.input);
        EXPECT_EQ(problem->message, c.message);
    }
}

constexpr const char* viscosityInvalid = "Viscosity input value is invalid";
constexpr const char* densityInvalid = "Density input value is invalid";
constexpr const char* viscosityNotPositive =
    "Input Error: Viscosity input value is zero or negative";
constexpr const char* densityNotPositive = "Input Error: Density input value is zero or negative";
constexpr const char* viscosityUnitMissing = "Viscosity unit is not specified. ";
constexpr const char* densityUnitMissing = "Density unit is not specified. ";
constexpr const char* toUnitMissing = "Conversion unit is not specified. ";

INSTANTIATE_TEST_SUITE_P(
    Rows, InputChecks,
    ::testing::Values(
        CheckCase{"StartUpInputsPass", {}, std::nullopt},
        CheckCase{"BlankUnitTextIsNotEmpty", {.fromUnit = " "}, std::nullopt},
        CheckCase{"BothValuesNonNumeric", {"abc", "xyz"}, Input::value, viscosityInvalid},
        CheckCase{"BadDensityBeforeNegativeViscosity", {"-1", "x"}, Input::density, densityInvalid},
        CheckCase{"ZeroViscosity", {"0"}, Input::value, viscosityNotPositive},
        CheckCase{"NumericButReadsAsZero", {"1e-400"}, Input::value, viscosityNotPositive},
        CheckCase{"ZeroDensity", {"1", "0.0"}, Input::density, densityNotPositive},
        CheckCase{"NegativeViscosityBeforeNegativeDensity",
                  {"-1", "-1"},
                  Input::value,
                  viscosityNotPositive},
        CheckCase{"ViscosityUnitEmpty", {.fromUnit = ""}, Input::fromUnit, viscosityUnitMissing},
        CheckCase{"DensityUnitEmpty", {.densityUnit = ""}, Input::densityUnit, densityUnitMissing},
        CheckCase{"ToUnitEmpty", {.toUnit = ""}, Input::toUnit, toUnitMissing},
        CheckCase{"FirstOfSeveralEmptyUnits",
                  {.fromUnit = "", .densityUnit = "", .toUnit = ""},
                  Input::fromUnit,
                  viscosityUnitMissing},
        CheckCase{"DensityUnitBeforeToUnit",
                  {.densityUnit = "", .toUnit = ""},
                  Input::densityUnit,
                  densityUnitMissing},
        CheckCase{"ValuesBeforeUnits",
                  {.value = "0", .fromUnit = ""},
                  Input::value,
                  viscosityNotPositive},
        CheckCase{"DensitySignBeforeViscosityUnit",
                  {.density = "0", .fromUnit = ""},
                  Input::density,
                  densityNotPositive}),
    [](const auto& info) { return std::string(info.param.name); });

// More distinct texts in a column than its cache keeps: each is found, the
// ones kept and the ones looked up again every time. These 40 land on even
// slots of the table, so that a search that skipped every other slot would
// find none free.
TEST(UnitCache, FindsEveryTextOfAColumnWithMoreTextsThanItKeeps) {
    const char* const texts[] = {"aa", "ae", "af", "ag", "al", "am", "an", "ar", "as", "at",
                                 "au", "ay", "az", "ba", "bb", "bc", "bg", "bh", "bi", "bn",
                                 "bo", "bp", "bt", "bu", "bv", "bw", "cb", "cc", "cd", "ci",
                                 "cj", "ck", "co", "cp", "cq", "cr", "cv", "cw", "cx", "dc"};
    UnitCache cache(UnitList::viscosity);
    for (int round = 0; round < 2; ++round) {
        for (const char* text : texts)
            EXPECT_FALSE(cache.find(text).known()) << text;
        EXPECT_TRUE(cache.find("cSt").known());
    }
}

// A text that differs from a listed name in one byte, wherever that byte
// is, names no unit, though the name was found first: a name of each length
// the lists have, 2 to 15 bytes.
TEST(UnitCache, TellsApartTextsThatDifferInOneByte) {
    const struct {
        UnitList list;
        const char* name;
    } names[] = {
        {UnitList::viscosity, "cP"},           {UnitList::viscosity, "cSt"},
        {UnitList::viscosity, "Pa.s"},         {UnitList::viscosity, "Poise"},
        {UnitList::viscosity, "ft^2/h"},       {UnitList::density, "lb/ft^3"},
        {UnitList::viscosity, "kg/(m.h)"},     {UnitList::viscosity, "lb/(ft.s)"},
        {UnitList::viscosity, "lbf.s/ft^2"},   {UnitList::viscosity, "dyne.s/cm^2"},
        {UnitList::viscosity, "slugs/(ft.s)"}, {UnitList::viscosity, "poundal.s/ft^2"},
        {UnitList::density, "SG (rel. Air)"},  {UnitList::density, "SG (rel. Water)"},
    };
    for (const auto& [list, name] : names) {
        UnitCache cache(list);
        ASSERT_TRUE(cache.find(name).known()) << name;
        for (std::size_t i = 0; name[i] != 0; ++i) {
            std::string other = name;
            other[i] = '\x01';
            EXPECT_FALSE(cache.find(other).known()) << name << " changed at " << i;
        }
    }
}

} // namespace
} // namespace tarnwick
