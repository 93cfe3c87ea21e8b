// SPDX-License-Identifier: MIT
// The oil questions as a user asks them. Expected values are the standards'
// printed examples or worked by hand from the formulas (Python, doubles).
#include "runconverter.h"

#include <gtest/gtest.h>

namespace tarnwick::cli {
namespace {

using testing::Batch;
using testing::BatchCase;
using testing::Command;
using testing::CommandCase;
using testing::failure;
using testing::usage;

using A = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    OilQuestions, Command,
    ::testing::Values(
        // ASTM D2270's own examples, then exact halves to even.
        CommandCase{"IndexA", A{"--viscosity-index", "73.30", "8.86"}, "92\n", "", 0},
        CommandCase{"IndexB", A{"--viscosity-index", "22.83", "5.05"}, "156\n", "", 0},
        CommandCase{"IndexExample3", A{"--viscosity-index", "53.47", "7.80"}, "111\n", "", 0},
        CommandCase{"IndexHalfDown", A{"--viscosity-index", "6.514", "2"}, "92\n", "", 0},
        CommandCase{"IndexHalfUp", A{"--viscosity-index", "6.498", "2"}, "94\n", "", 0},
        CommandCase{"IndexJustBelowZero", A{"--viscosity-index", "7.995", "2"}, "0\n", "", 0},
        CommandCase{"IndexUnrounded", A{"--viscosity-index", "--decimals", "4", "22.83", "5.05"},
                    "156.4235\n", "", 0},
        CommandCase{"IndexAbove70", A{"--viscosity-index", "--decimals=2", "1000", "80"},
                    "157.65\n", "", 0},
        CommandCase{"IndexShortestIsWhole", A{"--viscosity-index", "--shortest", "73.3", "8.86"},
                    "92\n", "", 0},
        CommandCase{"IndexGermanOperands", A{"--viscosity-index", "--locale", "73,30", "8,86"},
                    "92\n", "", 0, "de_DE"},
        CommandCase{"IndexBelow2", A{"--viscosity-index", "10", "1.99"}, "",
                    failure("the viscosity index is not defined below 2 cSt at 100 C"), 1},
        CommandCase{"IndexNotANumber", A{"--viscosity-index", "73.30", "8,86"}, "",
                    failure("V100 takes a number, not '8,86'"), 1},
        // ISO 3448: limits included, the neighbours named between grades.
        CommandCase{"Grade", A{"--grade", "68"}, "ISO VG 68\n", "", 0},
        CommandCase{"GradeUpperLimit", A{"--grade", "74.8"}, "ISO VG 68\n", "", 0},
        CommandCase{"GradeLowerLimit", A{"--grade", "61.2"}, "ISO VG 68\n", "", 0},
        CommandCase{"GradeLowest", A{"--grade", "1.98"}, "ISO VG 2\n", "", 0},
        CommandCase{"GradeHighest", A{"--grade", "3520"}, "ISO VG 3200\n", "", 0},
        CommandCase{"BetweenGrades", A{"--grade", "28"}, "",
                    failure("no ISO VG grade: between ISO VG 22 and ISO VG 32"), 1},
        CommandCase{"JustAboveAGrade", A{"--grade", "74.81"}, "",
                    failure("no ISO VG grade: between ISO VG 68 and ISO VG 100"), 1},
        CommandCase{"BelowEveryGrade", A{"--grade", "1.97"}, "",
                    failure("no ISO VG grade: below ISO VG 2"), 1},
        CommandCase{"AboveEveryGrade", A{"--grade", "3520.1"}, "",
                    failure("no ISO VG grade: above ISO VG 3200"), 1},
        CommandCase{"GradeOfNothing", A{"--grade", "0"}, "",
                    failure("kinematic viscosities at or below zero are not defined"), 1},
        // ASTM D341 through 32 cSt at 40 C and 5.4 cSt at 100 C.
        CommandCase{"ViscosityAt", A{"--temperature", "40C", "32", "100C", "5.4", "60C"},
                    "15.18589283\n", "", 0},
        CommandCase{"ViscosityAtInAnotherScale",
                    A{"--temperature", "40C", "32", "100C", "5.4", "140F"}, "15.18589283\n", "", 0},
        CommandCase{"ViscosityBelowZeroCelsius",
                    A{"--temperature", "--", "40C", "32", "100C", "5.4", "-20C"}, "2291.47169297\n",
                    "", 0},
        CommandCase{"Reaching", A{"--temperature", "40C", "32", "100C", "5.4", "--reaching", "10"},
                    "73.99807796C\n", "", 0},
        CommandCase{"ReachingInFahrenheit",
                    A{"--temperature", "104F", "32", "212F", "5.4", "--reaching=10"},
                    "165.19654034F\n", "", 0},
        CommandCase{"ReachingGerman",
                    A{"--locale", "--temperature", "40C", "32", "100C", "5,4", "--reaching", "10"},
                    "73,99807796C\n", "", 0, "de_DE"},
        CommandCase{"EqualTemperatures", A{"--temperature", "40C", "32", "40C", "5.4", "60C"}, "",
                    failure("the two temperatures must differ"), 1},
        CommandCase{"RisingViscosity", A{"--temperature", "40C", "5.4", "100C", "32", "60C"}, "",
                    failure("the viscosity must not rise with temperature"), 1},
        CommandCase{"BelowAbsoluteZero",
                    A{"--temperature", "--", "40C", "32", "100C", "5.4", "-300C"}, "",
                    failure("temperatures at or below absolute zero are not defined"), 1},
        CommandCase{"FlatLineReaching",
                    A{"--temperature", "40C", "32", "100C", "32", "--reaching", "10"}, "",
                    failure("the two viscosities must differ to find a temperature"), 1},
        CommandCase{"TemperatureWithoutScale", A{"--temperature", "40C", "32", "100", "5.4", "60C"},
                    "", failure("T2 takes a temperature such as 40C, 210F or 372.04K, not '100'"),
                    1},
        CommandCase{"ReachingNotANumber",
                    A{"--temperature", "40C", "32", "100C", "5.4", "--reaching", "10C"}, "",
                    failure("V takes a number, not '10C'"), 1},
        // Refutas.
        CommandCase{"Blend", A{"--blend", "10", "100", "0.5"}, "26.67240611\n", "", 0},
        CommandCase{"BlendOfNone", A{"--blend", "10", "100", "0"}, "10.00000000\n", "", 0},
        CommandCase{"BlendFraction", A{"--blend", "10", "100", "--target", "30"}, "0.55124835\n",
                    "", 0},
        CommandCase{"FractionAboveOne", A{"--blend", "10", "100", "1.5"}, "",
                    failure("the mass fraction must lie between 0 and 1"), 1},
        CommandCase{"TargetOutside", A{"--blend", "10", "100", "--target", "5"}, "",
                    failure("the target viscosity must lie between the two oils' viscosities"), 1},
        CommandCase{"SameOils", A{"--blend", "10", "10", "--target", "10"}, "",
                    failure("the two oils have the same viscosity, so any fraction gives the "
                            "target"),
                    1}));

INSTANTIATE_TEST_SUITE_P(
    OilUsage, Command,
    ::testing::Values(
        CommandCase{"BlendLacksF", A{"--blend", "10", "100"}, "", usage("--blend expects V1 V2 F"),
                    2},
        CommandCase{"TargetAndF", A{"--blend", "10", "100", "0.5", "--target", "30"}, "",
                    usage("--blend --target V expects V1 V2"), 2},
        CommandCase{"ReachingAndT",
                    A{"--temperature", "40C", "32", "100C", "5.4", "60C", "--reaching", "10"}, "",
                    usage("--temperature --reaching V expects T1 V1 T2 V2"), 2},
        CommandCase{"IndexLacksV100", A{"--viscosity-index", "73.3"}, "",
                    usage("--viscosity-index expects V40 V100"), 2},
        CommandCase{"TwoGrades", A{"--grade", "68", "46"}, "", usage("--grade expects V40"), 2},
        CommandCase{"TwoQuestions", A{"--grade", "--blend", "68"}, "",
                    usage("--temperature, --viscosity-index, --grade and --blend cannot be "
                          "combined"),
                    2},
        CommandCase{"ReachingAlone", A{"--reaching", "10", "1", "cP", "cP"}, "",
                    usage("--reaching goes with --temperature"), 2},
        CommandCase{"TargetWithGrade", A{"--grade", "--target", "10", "68"}, "",
                    usage("--target goes with --blend"), 2},
        CommandCase{"DensityWithGrade", A{"--grade", "-d", "3", "68"}, "",
                    usage("--density does not go with --grade"), 2},
        CommandCase{"AllWithIndex", A{"--all", "--viscosity-index", "73.3", "8.86"}, "",
                    usage("--all does not go with --viscosity-index"), 2},
        CommandCase{"BlendOverBatch", A{"--blend", "--batch"}, "",
                    usage("--batch answers --temperature (with T), --viscosity-index and "
                          "--grade, not --blend"),
                    2},
        CommandCase{"ShortestAndDecimals",
                    A{"--viscosity-index", "--shortest", "--decimals", "2", "73.3", "8.86"}, "",
                    usage("--shortest and --decimals cannot be combined"), 2}));

// ASTM D2161's equations solved independently by bisection; the Redwood and
// Engler formulas by hand.
INSTANTIATE_TEST_SUITE_P(
    EffluxScales, Command,
    ::testing::Values(
        CommandCase{"SayboltToCentistokes", A{"700", "SUS", "cSt"}, "151.08914752\n", "", 0},
        CommandCase{"SayboltFrom", A{"40", "cSt", "SUS"}, "186.75400213\n", "", 0},
        CommandCase{"SayboltAt210F", A{"--at", "210F", "1000", "cSt", "SUS"}, "4663.48543160\n", "",
                    0},
        CommandCase{"SayboltToDynamic", A{"100", "SUS", "cP"}, "16.43253143\n", testing::note, 0},
        CommandCase{"FurolAt122F", A{"100", "SFS", "mm^2/s"}, "211.18109106\n", testing::note, 0},
        CommandCase{"FurolAt210FInKelvin", A{"--at=372.04K", "100", "SFS", "cSt"}, "208.42423723\n",
                    "", 0},
        CommandCase{"RedwoodNo1BelowAHundred", A{"50", "Redwood 1", "cSt"}, "9.42000000\n", "", 0},
        CommandCase{"RedwoodNo1FromAHundred", A{"150", "Redwood 1", "cSt"}, "36.71666667\n", "", 0},
        CommandCase{"RedwoodNo2", A{"100", "Redwood 2", "cSt"}, "244.70000000\n", "", 0},
        CommandCase{"EnglerFrom", A{"10", "cSt", "deg Engler"}, "1.83770576\n", "", 0},
        CommandCase{"FurolAtAnotherTemperature", A{"--at", "150F", "100", "SFS", "cSt"}, "",
                    failure("Saybolt Furol seconds are defined at 122 F and 210 F only"), 1},
        CommandCase{"SayboltBelowItsLimit", A{"31", "SUS", "cSt"}, "",
                    failure("Saybolt Universal seconds below 32 are not defined"), 1},
        CommandCase{"EnglerBelowItsLimit", A{"0.5", "deg Engler", "cSt"}, "",
                    failure("Engler degrees below 1 are not defined"), 1},
        CommandCase{"ScaleInTheWrongCase", A{"100", "sus", "cSt"}, "",
                    failure("unknown viscosity unit \"sus\" (did you mean \"SUS\"?)"), 1},
        CommandCase{"AtWithoutScale", A{"--at", "210", "100", "SUS", "cSt"}, "",
                    failure("--at takes a temperature such as 40C, 210F or 372.04K, not '210'"), 2},
        CommandCase{"AtWithDensities", A{"--densities", "--at", "50C", "1", "g/l", "g/l"}, "",
                    usage("--at does not go with --densities"), 2}));

std::string line(int number, const std::string& message) {
    return failure("line " + std::to_string(number) + ": " + message);
}

INSTANTIATE_TEST_SUITE_P(
    OilRows, Batch,
    ::testing::Values(
        BatchCase{"Indexes", A{"--viscosity-index", "--header", "--result-name", "VI"},
                  "V40,V100\n73.30,8.86\n10,1.5\n\n53.47\n22.83,5.05",
                  "V40,V100,VI\n73.30,8.86,92\n10,1.5,\n\n53.47,\n22.83,5.05,156\n",
                  line(3, "the viscosity index is not defined below 2 cSt at 100 C") +
                      line(5, "expected V40,V100, not 1 field"),
                  1},
        BatchCase{"Grades", A{"--grade"}, "68\n28\n", "68,ISO VG 68\n28,\n",
                  line(2, "no ISO VG grade: between ISO VG 22 and ISO VG 32"), 1},
        BatchCase{"GradesWithBlanks", A{"--grade", "--delimiter", " "}, "68\n",
                  "68 \"ISO VG 68\"\n", "", 0},
        BatchCase{"Temperatures", A{"--temperature", "--tsv"},
                  "40C\t32\t100C\t5.4\t60C\n40C\t32\t100C\t5.4\n",
                  "40C\t32\t100C\t5.4\t60C\t15.18589283\n40C\t32\t100C\t5.4\t\n",
                  line(2, "expected T1,V1,T2,V2,T, not 4 fields"), 1},
        BatchCase{"GermanIndexes",
                  A{"--viscosity-index", "--locale", "--delimiter", ";", "--decimals", "2"},
                  "73,30;8,86\n", "73,30;8,86;92,43\n", "", 0, "de_DE"},
        BatchCase{"ScaleReadings", A{"--at", "210F", "--to", "cSt"},
                  "1000,cSt,SUS\n100,SFS\n30,SUS\n",
                  "1000,cSt,SUS,4663.48543160\n100,SFS,208.42423723\n30,SUS,\n",
                  line(3, "Saybolt Universal seconds below 32 are not defined"), 1},
        BatchCase{"BadAt", A{"--at", "hot", "--from", "SUS"}, "100\n", "",
                  failure("--at takes a temperature such as 40C, 210F or 372.04K, not 'hot'"), 2},
        BatchCase{"OptionOfAConversion", A{"--grade", "--to", "cSt"}, "68\n", "",
                  usage("--to does not go with --grade"), 2}));

} // namespace
} // namespace tarnwick::cli
