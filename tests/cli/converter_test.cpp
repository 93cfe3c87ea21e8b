// SPDX-License-Identifier: MIT
#include "runconverter.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>

namespace tarnwick::cli {
namespace {

using testing::runWith;

const std::string note = "tarnwick-convert: no density given; using 50 lb/ft^3\n";
std::string failure(const std::string& message) {
    return "tarnwick-convert: " + message + "\n";
}
std::string usage(const std::string& message) {
    return "tarnwick-convert: " + message +
           "\nTry 'tarnwick-convert --help' for more information.\n";
}

struct CommandCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
    std::string err;
    int status;
    const char* locale = "en_US";
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class Command : public ::testing::TestWithParam<CommandCase> {};

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
        CommandCase{"NegativeDensityFromBaume",
                    {"1", "cP", "cSt", "-d", "150", "-u", "deg Baume"},
                    "-0.03448276\n",
                    "",
                    0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    RejectedValues, Command,
    ::testing::Values(
        CommandCase{"BothValuesBad",
                    {"abc", "cP", "cSt", "-d", "xyz"},
                    "",
                    failure("Viscosity input value is invalid"),
                    1},
        CommandCase{"BadDensityBeforeNegativeValue",
                    {"-d", "xyz", "--", "-1", "cP", "cSt"},
                    "",
                    failure("Density input value is invalid"),
                    1},
        CommandCase{"TooSmallReadsAsZero",
                    {"1e-400", "cP", "cSt"},
                    "",
                    failure("Input Error: Viscosity input value is zero or negative"),
                    1},
        CommandCase{"ZeroDensity",
                    {"1", "cP", "cSt", "-d", "0"},
                    "",
                    failure("Input Error: Density input value is zero or negative"),
                    1},
        CommandCase{"GroupedNumber",
                    {"1,000", "cP", "cP"},
                    "",
                    failure("Viscosity input value is invalid"),
                    1},
        CommandCase{
            "NotANumber", {"nan", "cP", "cP"}, "", failure("Viscosity input value is invalid"), 1},
        CommandCase{
            "EmptyFromUnit", {"1", "", "cSt"}, "", failure("Viscosity unit is not specified."), 1},
        CommandCase{"EmptyDensityUnit",
                    {"1", "cP", "cSt", "-u", ""},
                    "",
                    failure("Density unit is not specified."),
                    1},
        CommandCase{
            "EmptyToUnit", {"1", "cP", ""}, "", failure("Conversion unit is not specified."), 1},
        CommandCase{"UnitNamesAreCaseSensitive",
                    {"1", "CP", "cSt"},
                    "",
                    failure("unknown viscosity unit \"CP\" (did you mean \"cP\"?)"),
                    1},
        CommandCase{"UnknownTargetUnit",
                    {"1", "cP", "stokes"},
                    "",
                    failure("unknown viscosity unit \"stokes\" (did you mean \"Stoke\"?)"),
                    1},
        CommandCase{"DensityUnitIsNoViscosityUnit",
                    {"1", "lb/ft^3", "cSt"},
                    "",
                    failure("unknown viscosity unit \"lb/ft^3\" (did you mean \"lb/(ft.s)\"?)"),
                    1},
        CommandCase{"UnknownDensityUnit",
                    {"1", "cP", "cSt", "-u", "lb/ft3"},
                    "",
                    failure("unknown density unit \"lb/ft3\" (did you mean \"lb/ft^3\"?)"),
                    1},
        CommandCase{"UnprintableBytesAreShownEscaped",
                    {"1", "c\xff\x01P", "cSt"},
                    "",
                    failure("unknown viscosity unit \"c\\xFF\\x01P\" (did you mean \"cP\"?)"),
                    1},
        CommandCase{"DivisionByZero",
                    {"1", "cSt", "cP", "-d", "145", "-u", "deg Baume"},
                    "",
                    failure("The result cannot be computed: division by zero."),
                    1},
        CommandCase{"Overflow",
                    {"1e308", "Pa.s", "cP"},
                    "",
                    failure("The result cannot be computed: overflow."),
                    1}),
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

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, Command,
    ::testing::Values(
        CommandCase{"NoOperands", {}, "", usage("expected VALUE FROM TO"), 2},
        CommandCase{"TwoOperands", {"1", "cP"}, "", usage("expected VALUE FROM TO"), 2},
        CommandCase{"FourOperands", {"1", "cP", "cSt", "x"}, "", usage("too many operands"), 2},
        CommandCase{"UnknownLongOption",
                    {"--fast", "1", "cP", "cSt"},
                    "",
                    usage("unrecognized or ambiguous option '--fast'"),
                    2},
        CommandCase{"AmbiguousAbbreviation",
                    {"--dens", "3", "1", "cP", "cSt"},
                    "",
                    usage("unrecognized or ambiguous option '--dens'"),
                    2},
        CommandCase{"UnknownShortOption",
                    {"-x", "1", "cP", "cSt"},
                    "",
                    usage("unrecognized or ambiguous option '-x'"),
                    2},
        CommandCase{"NegativeValueWithoutDashes",
                    {"-5", "cP", "cSt"},
                    "",
                    usage("invalid option '-5'; to give a negative value, put '--' before it"),
                    2},
        CommandCase{"MissingShortArgument",
                    {"1", "cP", "cSt", "-d"},
                    "",
                    usage("option '-d' requires an argument"),
                    2},
        CommandCase{"MissingLongArgument",
                    {"1", "cP", "cSt", "--density-unit"},
                    "",
                    usage("option '--density-unit' requires an argument"),
                    2},
        CommandCase{"DecimalsOutOfRange",
                    {"--decimals", "18", "1", "cP", "cP"},
                    "",
                    usage("--decimals takes a whole number from 0 to 17, not '18'"),
                    2},
        CommandCase{"DecimalsNotANumber",
                    {"--decimals", "2x", "1", "cP", "cP"},
                    "",
                    usage("--decimals takes a whole number from 0 to 17, not '2x'"),
                    2},
        CommandCase{"ShortestAndDecimals",
                    {"--shortest", "--decimals", "2", "1", "cP", "cP"},
                    "",
                    usage("--shortest and --decimals cannot be combined"),
                    2},
        CommandCase{"ShortestAndLocale",
                    {"--shortest", "--locale", "1", "cP", "cP"},
                    "",
                    usage("--shortest writes plain numbers and cannot be combined with --locale"),
                    2},
        CommandCase{"TwoModes",
                    {"--all", "--batch"},
                    "",
                    usage("--all, --batch and --list-units cannot be combined"),
                    2},
        CommandCase{"AllWithoutUnit", {"--all", "1"}, "", usage("--all expects VALUE FROM"), 2},
        CommandCase{"BatchOptionWithoutBatch",
                    {"--to", "cP", "1", "cP", "cSt"},
                    "",
                    usage("--from, --to, --tsv, --delimiter, --header, --value-column and "
                          "--result-name go with --batch"),
                    2},
        CommandCase{"BatchWithTwoFiles",
                    {"--batch", "a.csv", "b.csv"},
                    "",
                    usage("--batch reads one FILE at most"),
                    2},
        CommandCase{"ListUnitsWithOperands",
                    {"--list-units", "cP"},
                    "",
                    usage("--list-units takes no operands"),
                    2},
        CommandCase{"ValueColumnZero",
                    {"--batch", "--value-column", "0"},
                    "",
                    usage("--value-column takes a whole number from 1 to 1000000, not '0'"),
                    2},
        CommandCase{"BatchWithUnknownToOption",
                    {"--batch", "--to", "CP"},
                    "",
                    failure("--to: unknown viscosity unit \"CP\" (did you mean \"cP\"?)"),
                    2},
        CommandCase{"BatchWithZeroDensityOption",
                    {"--batch", "-d", "0"},
                    "",
                    failure("--density: Input Error: Density input value is zero or negative"),
                    2},
        CommandCase{"BatchWithMissingFile",
                    {"--batch", "/nonexistent/samples.csv"},
                    "",
                    failure("/nonexistent/samples.csv: No such file or directory"),
                    2},
        CommandCase{"Version", {"-V"}, "tarnwick-convert 1.1.0\n", "", 0},
        CommandCase{"UnknownOptionEvenWithHelp",
                    {"--version", "--help", "--bogus-later"},
                    "",
                    usage("unrecognized or ambiguous option '--bogus-later'"),
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Help, ListsEveryOptionAndTheExitStatuses) {
    const auto outcome = runWith({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out.rfind("Usage: tarnwick-convert [OPTION]... VALUE FROM TO\n", 0), 0u);
    for (const char* option :
         {"--all", "--batch", "--list-units", "--density", "--density-unit", "--decimals",
          "--shortest", "--locale", "--from", "--to", "--tsv", "--header", "--value-column",
          "--result-name", "--help", "--version", "Exit status"})
        EXPECT_NE(outcome.out.find(option), std::string::npos) << option;
}

TEST(ListUnits, ShowsBothListsWithoutTheSeparator) {
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
                           "slug/ft^3\ndeg API\ndeg Baume\nSG (rel. Water)\nSG (rel. Air)\n");
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
