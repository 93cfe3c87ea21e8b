// SPDX-License-Identifier: MIT
#include "engine/effluxscales.h"
#include "outcome.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string_view>

namespace tarnwick {
namespace {

using testing::C;
using testing::Digits;
using testing::F;
using testing::K;
using testing::outcome;

constexpr auto none = std::nullopt;
constexpr char absoluteZero[] = "temperatures at or below absolute zero are not defined";
constexpr char notAboveZero[] = "kinematic viscosities at or below zero are not defined";

TEST(Temperatures, ConvertOneStepAtATimeInTheOrderWritten) {
    const struct {
        const char* name;
        Temperature t;
        std::string_view kelvin, fahrenheit;
    } rows[] = {
        {"degrees Celsius add 273.15", C(40), "313.15", "104"},
        {"Fahrenheit add 459.67, times 5, over 9", F(210), "372.03888888888895", "210"},
        {"kelvin stay as they are", K(372.04), "372.04", "210.002"},
        {"a hundredth above absolute zero", C(-273.14), "0.009999999999990905",
         "-459.65199999999993"},
        {"absolute zero in Celsius", C(-273.15), absoluteZero, absoluteZero},
        {"absolute zero in Fahrenheit", F(-459.67), absoluteZero, absoluteZero},
        {"below absolute zero", K(-1), absoluteZero, absoluteZero},
        {"not a number", K(std::nan("")), "floating-point error: invalid operation",
         "floating-point error: invalid operation"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(outcome([&] { return kelvin(r.t); }, Digits::exact), r.kelvin) << r.name;
        EXPECT_EQ(outcome([&] { return fahrenheit(r.t); }, Digits::exact), r.fahrenheit) << r.name;
    }
    const auto back = [](double k, TemperatureScale s) {
        return outcome([&] { return fromKelvin(k, s).value; }, Digits::exact);
    };
    EXPECT_EQ(back(313.15, TemperatureScale::Celsius), "40");
    EXPECT_EQ(back(313.15, TemperatureScale::Fahrenheit), "103.99999999999994");
    EXPECT_EQ(back(313.15, TemperatureScale::Kelvin), "313.15");
    EXPECT_EQ(back(1, TemperatureScale::Celsius), "-272.15");
    EXPECT_EQ(back(0, TemperatureScale::Kelvin), absoluteZero);
}

enum Direction { toCst, fromCst };

std::string convert(std::string_view name, Direction d, double value,
                    std::optional<Temperature> at) {
    for (const EffluxScale& s : effluxScales)
        if (s.name == name)
            return outcome(
                [&] { return (d == toCst ? s.toCentistokes : s.fromCentistokes)(value, at); },
                Digits::exact);
    return "no such scale";
}

// Exact doubles: the scales use + - * / and square roots alone.
TEST(EffluxScales, GiveTheirFormulasDoubleWithinTheirRanges) {
    constexpr char sus32[] = "Saybolt Universal seconds below 32 are not defined";
    constexpr char sfs25[] = "Saybolt Furol seconds below 25 are not defined";
    constexpr char sfsAt[] = "Saybolt Furol seconds are defined at 122 F and 210 F only";
    const struct {
        const char* name;
        std::string_view scale;
        Direction direction;
        double value;
        std::optional<Temperature> at;
        std::string_view expected;
    } rows[] = {
        {"700 SUS are 151.08914752 cSt, as D2161 prints", "SUS", toCst, 700, none,
         "151.08914751515542"},
        {"the lowest SUS reading", "SUS", toCst, 32, none, "1.8241650043826667"},
        {"a reading below it", "SUS", toCst, 31.99, none, sus32},
        {"SUS at 210 F", "SUS", toCst, 100, F(210), "20.357641206456105"},
        {"35 s at 5000 F", "SUS", toCst, 35, F(5000), "0.4033744285333437"},
        {"no viscosity reads as little at 5000 F", "SUS", toCst, 33.049208691669634, F(5000),
         "Saybolt Universal seconds this low are not defined at this temperature"},
        {"SUS below absolute zero", "SUS", toCst, 100, F(-500), absoluteZero},
        {"not a number", "SUS", toCst, std::nan(""), none,
         "floating-point error: invalid operation"},
        {"4.664 s per cSt at 210 F, as D2161 prints", "SUS", fromCst, 1000, F(210),
         "4663.485431600388"},
        {"cSt to SUS just above the limit", "SUS", fromCst, 1.9, none, "32.260372307406854"},
        {"the viscosity that reads exactly 32 s", "SUS", fromCst, 1.8241650043826667, none, "32"},
        {"a viscosity that reads below 32 s", "SUS", fromCst, 1.8, none, sus32},
        {"zero cSt", "SUS", fromCst, 0, none, notAboveZero},
        {"a viscosity whose reading overflows on the way", "SUS", fromCst, 1e103, none,
         "floating-point error: overflow"},
        {"and a reading of such a viscosity", "SUS", toCst, 1e200, none,
         "floating-point error: overflow"},
        {"the lowest SFS reading", "SFS", toCst, 25, none, "47.75670940383902"},
        {"a reading below it", "SFS", toCst, 24.9, none, sfs25},
        {"SFS are read at 122 F unless told", "SFS", toCst, 100, none, "211.18109106343823"},
        {"122 F given in Celsius", "SFS", toCst, 100, C(50), "211.18109106343823"},
        {"98.9 C is 210 F", "SFS", toCst, 100, C(98.9), "208.42423723440814"},
        {"372.04 K is 210 F", "SFS", toCst, 100, K(372.04), "208.42423723440814"},
        {"210.1 F is within a tenth", "SFS", toCst, 100, F(210.1), "208.42423723440814"},
        {"210.2 F is not", "SFS", toCst, 100, F(210.2), sfsAt},
        {"nor is 150 F", "SFS", fromCst, 100, F(150), sfsAt},
        {"cSt to SFS at 122 F", "SFS", fromCst, 200, none, "94.77111028546659"},
        {"cSt to SFS at 210 F", "SFS", fromCst, 200, F(210), "95.9731592689295"},
        {"the viscosity that reads exactly 25 s", "SFS", fromCst, 47.75670940383902, none, "25"},
        {"a viscosity that reads below 25 s", "SFS", fromCst, 47, none, sfs25},
        {"a negative viscosity", "SFS", fromCst, -14.59, F(210), notAboveZero},
        {"the lowest Redwood 1 reading", "Redwood 1", toCst, 34, none, "3.5752941176470587"},
        {"a reading below it", "Redwood 1", toCst, 33.9, none,
         "Redwood No. 1 seconds below 34 are not defined"},
        {"Redwood 1 just below 100 s", "Redwood 1", toCst, 99.99, none, "24.20722098209821"},
        {"Redwood 1 from 100 s", "Redwood 1", toCst, 100, none, "24.2"},
        {"Redwood ignores the temperature", "Redwood 1", toCst, 150, C(20), "36.71666666666666"},
        {"but not absolute zero", "Redwood 1", fromCst, 10, C(-300), absoluteZero},
        {"back to the lowest reading", "Redwood 1", fromCst, 3.5752941176470587, none, "34"},
        {"under 24.2 cSt the lower piece", "Redwood 1", fromCst, 24.19, none, "99.92803500432375"},
        {"24.2 cSt is 100 s", "Redwood 1", fromCst, 24.2, none, "100"},
        {"in the overlap the upper piece", "Redwood 1", fromCst, 24.205, none, "100.0198413479367"},
        {"the lowest Redwood 2 reading", "Redwood 2", toCst, 32.5, none, "76.80807692307692"},
        {"a reading below it", "Redwood 2", toCst, 32.4, none,
         "Redwood No. 2 seconds below 32.5 are not defined"},
        {"Redwood 2 just below 90 s", "Redwood 2", toCst, 89.99, none, "220.08418541837983"},
        {"Redwood 2 from 90 s", "Redwood 2", toCst, 90, none, "220.23000000000002"},
        {"below the gap the lower piece", "Redwood 2", fromCst, 220.1, none, "89.99640176385502"},
        {"the lower piece's end is in the gap", "Redwood 2", fromCst, 220.1088888888889, none,
         "90"},
        {"in the gap 90 s", "Redwood 2", fromCst, 220.15, none, "90"},
        {"above the gap the upper piece", "Redwood 2", fromCst, 500, none, "204.3318348998774"},
        {"a viscosity whose square overflows", "Redwood 2", fromCst, 1e200, none,
         "4.086636697997548e+199"},
        {"1 deg Engler is 1 cSt", "deg Engler", toCst, 1, none, "1"},
        {"deg Engler to cSt", "deg Engler", toCst, 5, none, "35.288"},
        {"an endless reading", "deg Engler", toCst, HUGE_VAL, none,
         "floating-point error: overflow"},
        {"cSt to deg Engler", "deg Engler", fromCst, 10, none, "1.837705760885457"},
        {"1 cSt is 1 deg Engler", "deg Engler", fromCst, 1, none, "1"},
        {"a viscosity that reads below 1 degree", "deg Engler", fromCst, 0.99, none,
         "Engler degrees below 1 are not defined"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(convert(r.scale, r.direction, r.value, r.at), r.expected) << r.name;
}

} // namespace
} // namespace tarnwick
