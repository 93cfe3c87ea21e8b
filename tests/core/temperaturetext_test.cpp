// SPDX-License-Identifier: MIT
#include "core/temperaturetext.h"

#include <gtest/gtest.h>
#include <optional>

namespace tarnwick {
namespace {

struct TemperatureTextCase {
    const char* name;
    const char* text;
    bool german; // read with a decimal comma
    std::optional<double> value;
    TemperatureScale scale = TemperatureScale::Celsius;
};

void PrintTo(const TemperatureTextCase& c, std::ostream* os) {
    *os << c.name;
}

class TemperatureTexts : public ::testing::TestWithParam<TemperatureTextCase> {};

TEST_P(TemperatureTexts, AreReadAsANumberAndItsScale) {
    const auto& c = GetParam();
    const PlainNumbers plain;
    const LocaleNumbers german(NumberSymbols{",", ".", 3, 3, 1, U'0', "-", "+", "E"});
    const std::optional<Temperature> t =
        readTemperature(c.text, c.german ? static_cast<const NumberStyle&>(german) : plain);
    ASSERT_EQ(t.has_value(), c.value.has_value());
    if (t) {
        EXPECT_EQ(t->value, *c.value);
        EXPECT_EQ(t->scale, c.scale);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Core, TemperatureTexts,
    ::testing::Values(
        TemperatureTextCase{"DegreesCelsius", "40C", false, 40.0, TemperatureScale::Celsius},
        TemperatureTextCase{"DegreesFahrenheit", "210F", false, 210.0,
                            TemperatureScale::Fahrenheit},
        TemperatureTextCase{"Kelvin", "372.04K", false, 372.04, TemperatureScale::Kelvin},
        TemperatureTextCase{"BelowZero", "-40F", false, -40.0, TemperatureScale::Fahrenheit},
        TemperatureTextCase{"WithADegreeSign", "98.9\u00B0C", false, 98.9},
        TemperatureTextCase{"WithBlanksAround", " 40C\t", false, 40.0},
        TemperatureTextCase{"UnderTheRegionsDecimalComma", "98,9C", true, 98.9},
        TemperatureTextCase{"WithoutAScaleIsNone", "40", false, std::nullopt},
        TemperatureTextCase{"AScaleAloneIsNone", "C", false, std::nullopt},
        TemperatureTextCase{"ADegreeSignAloneIsNone", "\u00B0C", false, std::nullopt},
        TemperatureTextCase{"ALowerCaseSymbolIsNone", "40c", false, std::nullopt},
        TemperatureTextCase{"TwoSymbolsAreNone", "40CF", false, std::nullopt},
        TemperatureTextCase{"ASymbolBeforeTheNumberIsNone", "C40", false, std::nullopt},
        TemperatureTextCase{"InfinityIsNone", "1e999C", false, std::nullopt},
        TemperatureTextCase{"NothingIsNone", "", false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TemperatureTextProblem, ShowsTheFormAndTheText) {
    EXPECT_EQ(temperatureTextProblem("40"),
              "takes a temperature such as 40C, 210F or 372.04K, not '40'");
}

} // namespace
} // namespace tarnwick
