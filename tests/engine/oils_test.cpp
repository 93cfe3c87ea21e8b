// SPDX-License-Identifier: MIT
#include "engine/oils.h"
#include "outcome.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tarnwick {
namespace {

using testing::C;
using testing::F;
using testing::K;
using testing::outcome;

constexpr char notAboveZero[] = "kinematic viscosities at or below zero are not defined";
constexpr char tooLow[] = "ASTM D341 is not defined for kinematic viscosities this low";
constexpr char rising[] = "the viscosity must not rise with temperature";
constexpr char absoluteZero[] = "temperatures at or below absolute zero are not defined";
constexpr char invalid[] = "floating-point error: invalid operation";
const double nan = std::nan("");

struct Point {
    Temperature t;
    double v;
};

TEST(ViscosityAt, FollowsTheLineThroughTwoPoints) {
    const struct {
        const char* name;
        Point p1, p2;
        Temperature t;
        std::string_view expected;
    } rows[] = {
        {"ISO VG 32 at 60 C", {C(40), 32}, {C(100), 5.4}, C(60), "15.18589283"},
        {"the points in either order", {C(100), 5.4}, {C(40), 32}, C(60), "15.18589283"},
        {"degrees Fahrenheit", {F(100), 150}, {F(210), 14.5}, F(150), "41.69031067"},
        {"back at the first point", {C(40), 32}, {C(100), 5.4}, C(40), "32.00000000"},
        {"far below the points", {C(40), 32}, {C(100), 5.4}, C(-20), "2291.47169297"},
        {"low viscosities, with the extra terms", {C(20), 1}, {C(80), 0.5}, C(120), "0.35895657"},
        {"a flat line stays flat", {C(40), 10}, {C(100), 10}, C(200), "10.00000000"},
        {"flat, the points reversed", {C(100), 1}, {C(40), 1}, C(0), "0.99994932"},
        {"equal temperatures",
         {C(40), 32},
         {K(313.15), 5.4},
         C(60),
         "the two temperatures must differ"},
        {"a viscosity of zero", {C(40), 0}, {C(100), 5.4}, C(60), notAboveZero},
        {"a negative viscosity", {C(40), 32}, {C(100), -5.4}, C(60), notAboveZero},
        {"viscosity rising with temperature", {C(40), 5.4}, {C(100), 32}, C(60), rising},
        {"rising, the points reversed", {C(100), 32}, {C(40), 5.4}, C(60), rising},
        {"asked at absolute zero", {C(40), 32}, {C(100), 5.4}, K(0), absoluteZero},
        {"a point below absolute zero", {F(-460), 32}, {C(100), 5.4}, C(60), absoluteZero},
        {"below log log Z's reach", {C(40), 0.5}, {C(100), 0.1}, C(60), tooLow},
        {"not a number", {C(40), nan}, {C(100), 5.4}, C(60), invalid},
    };
    for (const auto& r : rows)
        EXPECT_EQ(outcome([&] { return viscosityAt(r.p1.t, r.p1.v, r.p2.t, r.p2.v, r.t); }),
                  r.expected)
            << r.name;
}

TEST(TemperatureReaching, AnswersInTheFirstPointsScale) {
    constexpr char flat[] = "the two viscosities must differ to find a temperature";
    const struct {
        const char* name;
        double v;
        Point p1, p2;
        std::string_view expected;
    } rows[] = {
        {"10 cSt in Celsius", 10, {C(40), 32}, {C(100), 5.4}, "73.99807796 C"},
        {"in kelvin", 10, {K(313.15), 32}, {K(373.15), 5.4}, "347.14807796 K"},
        {"in Fahrenheit", 10, {F(104), 32}, {F(212), 5.4}, "165.19654034 F"},
        {"the first point again", 32, {C(40), 32}, {C(100), 5.4}, "40.00000000 C"},
        {"beyond the points", 1000, {C(40), 32}, {C(100), 5.4}, "-12.22751371 C"},
        {"a flat line", 5, {C(40), 10}, {C(100), 10}, flat},
        {"a viscosity too low", 0.1, {C(40), 32}, {C(100), 5.4}, tooLow},
        {"a negative viscosity", -1, {C(40), 32}, {C(100), 5.4}, notAboveZero},
        {"a rising line", 10, {C(40), 5.4}, {C(100), 32}, rising},
    };
    for (const auto& r : rows)
        EXPECT_EQ(outcome([&] {
                      const Temperature t =
                          temperatureReaching(r.v, r.p1.t, r.p1.v, r.p2.t, r.p2.v);
                      return fmt::format("{:.8f} {}", t.value,
                                         temperatureSymbols[static_cast<int>(t.scale)]);
                  }),
                  r.expected)
            << r.name;
}

TEST(ViscosityIndex, FollowsD2270) {
    const struct {
        const char* name;
        double v40, v100;
        std::string_view expected;
    } rows[] = {
        {"the standard's example of procedure A", 73.30, 8.86, "92.42964725 92"},
        {"its first example of procedure B", 22.83, 5.05, "156.42348293 156"},
        {"its second example of procedure B", 53.47, 7.80, "111.30701701 111"},
        {"at L itself, index 0", 7.994, 2, "0.00000000 0"},
        {"between two rows, interpolated", 10, 2.05, "-100.59772863 -101"},
        {"at H itself, 100 by procedure A", 28.975, 5.05, "100.00000000 100"},
        {"the table's last row", 1000, 70, "137.99278665 138"},
        {"above the table, the two formulas", 150, 70.5, "459.35867982 459"},
        {"below 2 cSt at 100 C", 7, 1.99,
         "the viscosity index is not defined below 2 cSt at 100 C"},
        {"no viscosity at 40 C", 0, 5, notAboveZero},
    };
    for (const auto& r : rows)
        EXPECT_EQ(outcome([&] {
                      const double index = viscosityIndex(r.v40, r.v100);
                      return fmt::format("{:.8f} {}", index, roundedViscosityIndex(index));
                  }),
                  r.expected)
            << r.name;
}

TEST(RoundedViscosityIndex, TakesExactHalvesToEven) {
    const struct {
        double index, rounded;
    } rows[] = {{92.5, 92},
                {93.5, 94},
                {92.49999999999999, 92},
                {92.50000000000001, 93},
                {-0.5, 0},
                {-1.5, -2},
                {-7.2, -7},
                {-7.7, -8}};
    for (const auto& r : rows)
        EXPECT_EQ(roundedViscosityIndex(r.index), r.rounded) << r.index;
}

std::string describe(const IsoGrade& g) {
    const auto vg = [](std::optional<int> grade) { return grade ? std::to_string(*grade) : "-"; };
    return g.grade ? "VG " + vg(g.grade) : vg(g.below) + " < v < " + vg(g.above);
}

TEST(IsoGrade, HoldsTenPercentAroundEachMidpointLimitsIncluded) {
    const struct {
        double v40;
        std::string_view expected;
    } rows[] = {
        {68, "VG 68"},           {61.2, "VG 68"},        {74.8, "VG 68"},
        {74.81, "68 < v < 100"}, {61.19, "46 < v < 68"}, {2.2, "VG 2"},
        {1.98, "VG 2"},          {1.97, "- < v < 2"},    {2.5, "2 < v < 3"},
        {7.48, "VG 7"},          {9, "VG 10"},           {25, "22 < v < 32"},
        {2420, "VG 2200"},       {3520, "VG 3200"},      {3520.01, "3200 < v < -"},
        {0, notAboveZero},
    };
    for (const auto& r : rows)
        EXPECT_EQ(outcome([&] { return describe(isoGrade(r.v40)); }), r.expected) << r.v40;
}

TEST(Blend, MixesBlendingNumbersByMassFraction) {
    constexpr char between[] = "the target viscosity must lie between the two oils' viscosities";
    constexpr char low[] = "the Refutas blending number is not defined at or below 0.2 cSt";
    constexpr char fraction[] = "the mass fraction must lie between 0 and 1";
    const struct {
        const char* name;
        double v1, v2, fraction;
        std::string_view expected;
    } rows[] = {
        {"half and half", 10, 100, 0.5, "26.67240611"},
        {"a quarter of the heavier oil", 10, 100, 0.25, "15.77379666"},
        {"just above 0.2 cSt", 0.21, 1000, 0.5, "0.49977053"},
        {"none of the second oil", 747202.08825362, 100, 0, "747202.08825362"},
        {"all of it", 10, 123456.789012345, 1, "123456.78901235"},
        {"0.2 cSt", 0.2, 10, 0.5, low},
        {"a fraction above 1", 10, 100, 1.01, fraction},
        {"a fraction below 0", 10, 100, -0.01, fraction},
    };
    for (const auto& r : rows)
        EXPECT_EQ(outcome([&] { return blend(r.v1, r.v2, r.fraction); }), r.expected) << r.name;

    const struct {
        const char* name;
        double v1, v2, target;
        std::string_view expected;
    } targets[] = {
        {"30 cSt from 10 and 100", 10, 100, 30, "0.55124835"},
        {"the oils in either order", 100, 10, 30, "0.44875165"},
        {"the first oil alone", 10, 100, 10, "0.00000000"},
        {"the second oil alone", 10, 100, 100, "1.00000000"},
        {"a target above both", 10, 100, 101, between},
        {"a target below both", 100, 10, 9, between},
        {"a target below 0.2 cSt", 10, 100, -1, low},
        {"equal oils", 10, 10, 10,
         "the two oils have the same viscosity, so any fraction gives "
         "the target"},
    };
    for (const auto& r : targets)
        EXPECT_EQ(outcome([&] { return blendFraction(r.v1, r.v2, r.target); }), r.expected)
            << r.name;
}

} // namespace
} // namespace tarnwick
