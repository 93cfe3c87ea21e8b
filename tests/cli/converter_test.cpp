// SPDX-License-Identifier: MIT
#include "runconverter.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>

namespace tarnwick::cli {
namespace {

using testing::Command;
using testing::CommandCase;
using testing::failure;
using testing::note;
using testing::runWith;

TEST_P(Command, WritesExactlyThis) {
    const auto& c = GetParam();
    const auto outcome = runWith(c.arguments, {}, c.locale);
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    SingleValues, Command,
    ::testing::Values(
        CommandCase{"DefaultDensityIsNamed", {"1", "cP", "cSt"}, "1.24843945\n", note, 0},
        CommandCase{"GivenDensity",
                    {"10", "cSt", "cP", "--density", "0.85", "--density-unit", "g/cm^3"},
                    "8.50000000\n",
                    "",
                    0},
        CommandCase{"OptionsBeforeOperands",
                    {"-d", "30", "-u", "deg API", "1", "Pa.s", "cP"},
                    "1000.00000000\n",
                    "",
                    0},
        CommandCase{"DynamicUnitsNeedNoDensity", {"2.5", "Poise", "cP"}, "250.00000000\n", "", 0},
        CommandCase{"EqualNamesNeedNoDensity", {"2.5", "cSt", "cSt"}, "2.50000000\n", "", 0},
        CommandCase{"PlainNumberForms", {" +2.5e+2 ", "Pa.s", "cP"}, "250000.00000000\n", "", 0},
        CommandCase{
            "ExactTieRoundsAwayFromZero", {"0.001953125", "cP", "cP"}, "0.00195313\n", "", 0},
        CommandCase{"NoGroupingInOutput", {"1000", "Pa.s", "cP"}, "1000000.00000000\n", "", 0},
        CommandCase{
            "Shortest", {"--shortest", "1", "ft^2/s", "cSt"}, "92893.88264669165\n", note, 0},
        CommandCase{"ShortestShowsTheLastDigit",
                    {"--shortest", "1", "cSt", "mm^2/s"},
                    "0.9999999999999999\n",
                    note,
                    0},
        CommandCase{"NoDecimals", {"--decimals", "0", "2.5", "cP", "cP"}, "3\n", "", 0},
        CommandCase{"TwoDecimals", {"--decimals=2", "0.125", "cP", "cP"}, "0.13\n", "", 0},
        CommandCase{"SeventeenDecimals",
                    {"--decimals", "17", "0.1", "cP", "cP"},
                    "0.10000000000000001\n",
                    "",
                    0},
        CommandCase{"DensityUnitAloneIsNamedInTheNote",
                    {"1", "cP", "cSt", "-u", "kg/m^3"},
                    "20.00000000\n",
                    "tarnwick-convert: no density given; using 50 kg/m^3\n",
                    0},
        CommandCase{"DensityOfAnApiGravity",
                    {"--densities", "30", "deg API", "kg/m^3"},
                    "876.16099071\n",
                    "",
                    0},
        CommandCase{"NegativeApiGravityIsADensity",
                    {"--densities", "--", "-5", "deg API", "kg/m^3"},
                    "1118.57707510\n",
                    "",
                    0},
        CommandCase{"EveryDensityUnit",
                    {"--densities", "--all", "1", "g/cm^3"},
                    "lb/ft^3         62.43000000\n"
                    "lb/in^3         0.03613000\n"
                    "lb/US gal       8.34540430\n"
                    "lb/UK gal       10.02241280\n"
                    "kg/m^3          1000.00000000\n"
                    "g/l             1000.00000000\n"
                    "g/cm^3          1.00000000\n"
                    "slug/ft^3       1.94000000\n"
                    "deg API         10.00000000\n"
                    "deg Baume       0.00000000\n"
                    "SG (rel. Water) 1.00000000\n"
                    "SG (rel. Air)   819.67000000\n",
                    "",
                    0},
        CommandCase{"NegativeDensityFromBaume",
                    {"1", "cP", "cSt", "-d", "150", "-u", "deg Baume"},
                    "-0.03448276\n",
                    "",
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Locales, Command,
    ::testing::Values(
        CommandCase{"GermanDecimalComma",
                    {"--locale", "1,5", "Pa.s", "cP"},
                    "1.500,00000000\n",
                    "",
                    0,
                    "de_DE"},
        CommandCase{"GermanGroupsAndDecimals",
                    {"--locale", "--decimals", "2", "1.000,25", "cP", "cP"},
                    "1.000,25\n",
                    "",
                    0,
                    "de_DE"},
        CommandCase{"GermanRefusesAPoint",
                    {"--locale", "1.5", "cP", "cP"},
                    "",
                    failure("Viscosity input value is invalid"),
                    1,
                    "de_DE"},
        CommandCase{"GermanDensity",
                    {"--locale", "10", "cSt", "cP", "-d", "0,85", "-u", "g/cm^3"},
                    "8,50000000\n",
                    "",
                    0,
                    "de_DE"},
        CommandCase{
            "EnglishGrouping", {"--locale", "1,000", "Pa.s", "cP"}, "1,000,000.00000000\n", "", 0},
        CommandCase{"PlainUnlessAsked",
                    {"1,5", "Pa.s", "cP"},
                    "",
                    failure("Viscosity input value is invalid"),
                    1,
                    "de_DE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Help, ListsEveryOptionAndTheExitStatuses) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"--version", "--help"}, {"-h", "-V"}, {"-Vh"}}) {
        const auto outcome = runWith(arguments);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out.rfind("Usage: tarnwick-convert [OPTION]... VALUE FROM TO\n", 0), 0u);
        EXPECT_EQ(outcome.out.find("1.1.0"), std::string::npos) << arguments[0];
        for (const char* option :
             {"--all", "--batch", "--list-units", "--densities", "--density", "--density-unit",
              "--decimals", "--shortest", "--locale", "--from", "--to", "--tsv", "--delimiter",
              "--header", "--value-column", "--result-name", "--help", "--version", "Exit status"})
            EXPECT_NE(outcome.out.find(option), std::string::npos) << option;
        // Only the options that have one show a short form.
        EXPECT_NE(outcome.out.find("\n      --decimals=N "), std::string::npos);
    }
}

TEST(ListUnits, ShowsBothListsWithoutTheSeparatorThenTheEffluxScales) {
    const auto outcome = runWith({"--list-units"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "Viscosity units\n"
                           "cP\nlb/(ft.s)\nlb/(ft.h)\nslugs/(ft.s)\npoundal.s/ft^2\nlbf.s/ft^2\n"
                           "lbf.s/in^2\nPa.s\nN.s/m^2\nPoise\ng/(cm.s)\ndyne.s/cm^2\nkg/(m.h)\n"
                           "kg/(m.s)\nkgf.s/m^2\ncSt\nft^2/h\nft^2/s\nin^2/s\nm^2/s\nm^2/h\nStoke\n"
                           "cm^2/s\nmm^2/s\n"
                           "\n"
                           "Density units\n"
                           "lb/ft^3\nlb/in^3\nlb/US gal\nlb/UK gal\nkg/m^3\ng/l\ng/cm^3\n"
                           "slug/ft^3\ndeg API\ndeg Baume\nSG (rel. Water)\nSG (rel. Air)\n"
                           "\n"
                           "Efflux scales\n"
                           "SUS\nSFS\nRedwood 1\nRedwood 2\ndeg Engler\n");
}

TEST(All, ConvertsToEveryUnitInListOrder) {
    const auto outcome = runWith({"--all", "1", "Pa.s", "-d", "30", "-u", "deg API"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "cP              1000.00000000\n"
                           "lb/(ft.s)       0.67200000\n"
                           "lb/(ft.h)       2420.00000000\n"
                           "slugs/(ft.s)    0.02090000\n"
                           "poundal.s/ft^2  0.67200000\n"
                           "lbf.s/ft^2      0.02088540\n"
                           "lbf.s/in^2      0.00014500\n"
                           "Pa.s            1.00000000\n"
                           "N.s/m^2         1.00000000\n"
                           "Poise           10.00000000\n"
                           "g/(cm.s)        10.00000000\n"
                           "dyne.s/cm^2     10.00000000\n"
                           "kg/(m.h)        3600.00000000\n"
                           "kg/(m.s)        1.00000000\n"
                           "kgf.s/m^2       0.10200000\n"
                           "cSt             1141.34275618\n"
                           "ft^2/h          44.22574292\n"
                           "ft^2/s          0.01228493\n"
                           "in^2/s          1.76908127\n"
                           "m^2/s           0.00114134\n"
                           "m^2/h           4.10883392\n"
                           "Stoke           11.41342756\n"
                           "cm^2/s          11.41342756\n"
                           "mm^2/s          1141.34275618\n");
}

TEST(All, ShowsAFailingUnitsMessageInItsPlace) {
    const auto outcome =
        runWith({"--all", "1", "cP", "--density", "145", "--density-unit", "deg Baume"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("Poise           0.01000000\n"), std::string::npos);
    EXPECT_NE(
        outcome.out.find("cSt             The result cannot be computed: division by zero.\n"),
        std::string::npos);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 24);
}

TEST(All, ReportsABadValueOnceAndWritesNoTable) {
    const auto outcome = runWith({"--all", "0", "cP"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, failure("Input Error: Viscosity input value is zero or negative"));
}

} // namespace
} // namespace tarnwick::cli

namespace tarnwick::cli {
namespace {

// The manual page documents every option that --help lists.
TEST(ManualPage, DocumentsEveryOptionOfTheHelp) {
    std::ifstream file(TARNWICK_SOURCE_DIR "/resources/man/tarnwick-convert.1");
    ASSERT_TRUE(file.is_open());
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    const std::string help = runWith({"--help"}).out;
    const std::regex option("--[a-z][a-z-]*[a-z]");
    int options = 0;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it) {
        std::string escaped;
        for (const char c : it->str())
            escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find(escaped), std::string::npos) << it->str();
        ++options;
    }
    EXPECT_GE(options, 16);
}

} // namespace
} // namespace tarnwick::cli
