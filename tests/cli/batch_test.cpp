// SPDX-License-Identifier: MIT
#include "runconverter.h"

#include <gtest/gtest.h>

namespace tarnwick::cli {
namespace {

using testing::Batch;
using testing::BatchCase;
using testing::runWith;

TEST_P(Batch, WritesEveryRowBackWithItsResult) {
    const auto& c = GetParam();
    std::vector<std::string> arguments{"--batch"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    const auto outcome = runWith(arguments, c.input, c.locale);
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.status, c.status);
}

std::string line(int number, const std::string& message) {
    return "tarnwick-convert: line " + std::to_string(number) + ": " + message + "\n";
}
const std::string note = "tarnwick-convert: no density given; using 50 lb/ft^3\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, Batch,
    ::testing::Values(
        BatchCase{"FullRows",
                  {},
                  "1,Pa.s,cP,50,lb/ft^3\n10,cSt,cP,0.85,g/cm^3\n",
                  "1,Pa.s,cP,50,lb/ft^3,1000.00000000\n10,cSt,cP,0.85,g/cm^3,8.50000000\n",
                  "",
                  0},
        BatchCase{"QuotesOnlyWhereNeeded",
                  {},
                  "\"2.5\",\"Pa.s\",cP,,\n",
                  "2.5,Pa.s,cP,,,\n",
                  line(1, "Density input value is invalid"),
                  1},
        BatchCase{"QuotedFieldsKeepCommasQuotesAndLineBreaks",
                  {},
                  "1,Pa.s,cP,50,lb/ft^3,\"a \"\"b\"\", c\nd\"\n",
                  "1,Pa.s,cP,50,lb/ft^3,\"a \"\"b\"\", c\nd\",1000.00000000\n",
                  "",
                  0},
        BatchCase{"BareQuoteInsideAField",
                  {"--from", "Pa.s", "--to", "cP"},
                  "1,Pa.s,cP,50,lb/ft^3,5\" pipe\n",
                  "1,Pa.s,cP,50,lb/ft^3,\"5\"\" pipe\",1000.00000000\n",
                  "",
                  0},
        BatchCase{"CrLfLineEndsAreKept",
                  {},
                  "1,Pa.s,cP\r\n2,Pa.s,cP\r\n",
                  "1,Pa.s,cP,1000.00000000\r\n2,Pa.s,cP,2000.00000000\r\n",
                  "",
                  0},
        BatchCase{"ByteOrderMarkIsSkippedAndKept",
                  {"--header"},
                  "\xEF\xBB\xBFvalue,from,to\n1,Pa.s,cP\n",
                  "\xEF\xBB\xBFvalue,from,to,result\n1,Pa.s,cP,1000.00000000\n",
                  "",
                  0},
        BatchCase{"BlankLinesStayBlank",
                  {},
                  "1,Pa.s,cP\n\n\r\n2,Pa.s,cP\n",
                  "1,Pa.s,cP,1000.00000000\n\n\r\n2,Pa.s,cP,2000.00000000\n",
                  "",
                  0},
        BatchCase{"HeaderWithItsOwnName",
                  {"--header", "--result-name", "viscosity, cP"},
                  "value,from,to\n1,Pa.s,cP\n",
                  "value,from,to,\"viscosity, cP\"\n1,Pa.s,cP,1000.00000000\n",
                  "",
                  0},
        BatchCase{"HeaderIsNotConverted", {"--header"}, "x,y,z\n", "x,y,z,result\n", "", 0},
        BatchCase{"ValueColumnWithUnitsFromOptions",
                  {"--value-column", "2", "--from", "Pa.s", "--to", "cP"},
                  "S1,3,2026-01-01\nS2,x,2026-01-02\nS3\n",
                  "S1,3,2026-01-01,3000.00000000\nS2,x,2026-01-02,\nS3,\n",
                  line(2, "Viscosity input value is invalid") +
                      line(3, "Viscosity input value is invalid"),
                  1},
        BatchCase{"ValueColumnWithoutUnitOptions",
                  {"--value-column", "1"},
                  "3,Pa.s,cP\n",
                  "3,Pa.s,cP,\n",
                  line(1, "Viscosity unit is not specified."),
                  1},
        BatchCase{"ShortRowsTakeTheOptions",
                  {"--from", "Pa.s", "--to", "cP", "-d", "0.8", "-u", "g/cm^3"},
                  "1\n2,Poise\n3,Poise,Pa.s\n4,cSt,cP\n5,cSt,cP,1\n",
                  "1,1000.00000000\n2,Poise,200.00000000\n3,Poise,Pa.s,0.30000000\n"
                  "4,cSt,cP,3.20000000\n5,cSt,cP,1,5.00000000\n",
                  "",
                  0},
        BatchCase{"ShortRowsWithoutOptionsFail",
                  {},
                  "1\n2,Pa.s\n",
                  "1,\n2,Pa.s,\n",
                  line(1, "Viscosity unit is not specified.") +
                      line(2, "Conversion unit is not specified."),
                  1},
        BatchCase{"EmptyCellsAreEmptyTexts",
                  {"--from", "Pa.s", "--to", "cP", "-d", "1"},
                  ",Pa.s,cP\n1,,cP\n1,Pa.s,\n1,cSt,cP,,g/cm^3\n1,cSt,cP,1,\n",
                  ",Pa.s,cP,\n1,,cP,\n1,Pa.s,,\n1,cSt,cP,,g/cm^3,\n1,cSt,cP,1,,\n",
                  line(1, "Viscosity input value is invalid") +
                      line(2, "Viscosity unit is not specified.") +
                      line(3, "Conversion unit is not specified.") +
                      line(4, "Density input value is invalid") +
                      line(5, "Density unit is not specified."),
                  1},
        BatchCase{
            "FailingRowsInTheMiddle",
            {},
            "1,Pa.s,cP,50,lb/ft^3,\"two\nlines\"\nx,Pa.s,cP\n3,CP,cP\n1,cSt,cP,145,deg Baume\n"
            "4,Pa.s,cP\n",
            "1,Pa.s,cP,50,lb/ft^3,\"two\nlines\",1000.00000000\nx,Pa.s,cP,\n3,CP,cP,\n"
            "1,cSt,cP,145,deg Baume,\n4,Pa.s,cP,4000.00000000\n",
            line(3, "Viscosity input value is invalid") +
                line(4, "unknown viscosity unit \"CP\" (did you mean \"cP\"?)") +
                line(5, "The result cannot be computed: division by zero."),
            1},
        BatchCase{"NoFinalLineBreak",
                  {},
                  "1,Pa.s,cP\n2,Pa.s,cP",
                  "1,Pa.s,cP,1000.00000000\n2,Pa.s,cP,2000.00000000\n",
                  "",
                  0},
        BatchCase{"NoFinalLineBreakAfterCrLf",
                  {},
                  "1,Pa.s,cP\r\n2,Pa.s,cP",
                  "1,Pa.s,cP,1000.00000000\r\n2,Pa.s,cP,2000.00000000\r\n",
                  "",
                  0},
        BatchCase{"QuoteLeftOpen",
                  {},
                  "1,Pa.s,cP\n\"2,Pa.s,cP\n3,Pa.s,cP\n",
                  "1,Pa.s,cP,1000.00000000\n\"2,Pa.s,cP\n3,Pa.s,cP\n\",\n",
                  line(2, "a quoted field is not closed before the end of the input"),
                  1},
        BatchCase{"TextAfterAClosingQuote",
                  {},
                  "\"1\"0,Pa.s,cP\n",
                  "10,Pa.s,cP,\n",
                  line(1, "text follows a closing quote in the same field"),
                  1},
        BatchCase{"LoneCarriageReturnIsData",
                  {},
                  "1,Pa.s,cP,50,lb/ft^3,a\rb\n",
                  "1,Pa.s,cP,50,lb/ft^3,\"a\rb\",1000.00000000\n",
                  "",
                  0},
        BatchCase{"NulAndInvalidUtf8",
                  {},
                  std::string("1,c\0P,cP\n1,Pa.s,c\xe9P\n", 20),
                  std::string("1,c\0P,cP,\n1,Pa.s,c\xe9P,\n", 22),
                  line(1, "unknown viscosity unit \"c\\x00P\" (did you mean \"cP\"?)") +
                      line(2, "unknown viscosity unit \"c\\xE9P\" (did you mean \"cP\"?)"),
                  1},
        BatchCase{"DensityNoteOnceAndOnlyWhenUsed",
                  {},
                  "1,Pa.s,cP\n1,cP,cSt\n2,cP,cSt\n",
                  "1,Pa.s,cP,1000.00000000\n1,cP,cSt,1.24843945\n2,cP,cSt,2.49687890\n",
                  note,
                  0},
        BatchCase{"TabSeparated",
                  {"--tsv"},
                  "1\tPa.s\tcP\n\"2\"\tPa.s\tcP\n3,5\tPa.s\tcP\n",
                  "1\tPa.s\tcP\t1000.00000000\n\"2\"\tPa.s\tcP\t\n3,5\tPa.s\tcP\t\n",
                  line(2, "Viscosity input value is invalid") +
                      line(3, "Viscosity input value is invalid"),
                  1},
        BatchCase{"ShortestResults",
                  {"--shortest"},
                  "1,cSt,mm^2/s\n1,ft^2/s,cSt,50,lb/ft^3\n0.1,Pa.s,cP\n3,cP,cSt,1,g/cm^3\n"
                  "10,cSt,cP,30,deg API\n2,lbf.s/in^2,cP\n7,m^2/h,ft^2/h,1,kg/m^3\n"
                  "1,cP,cSt,145,deg Baume\n",
                  "1,cSt,mm^2/s,0.9999999999999999\n1,ft^2/s,cSt,50,lb/ft^3,92893.88264669165\n"
                  "0.1,Pa.s,cP,100\n3,cP,cSt,1,g/cm^3,3\n10,cSt,cP,30,deg API,8.761609907120743\n"
                  "2,lbf.s/in^2,cP,13780000\n7,m^2/h,ft^2/h,1,kg/m^3,75.34502642960116\n"
                  "1,cP,cSt,145,deg Baume,\n",
                  note + line(8, "The result cannot be computed: division by zero."),
                  1},
        BatchCase{"ValueColumnIsTheLastColumn",
                  {"--value-column", "3", "--from", "Pa.s", "--to", "cP"},
                  "S1,x,2\nS2,x\n",
                  "S1,x,2,2000.00000000\nS2,x,\n",
                  line(2, "Viscosity input value is invalid"),
                  1},
        BatchCase{"FirstFieldStartingWithByteOrderMarkBytesStaysQuoted",
                  {"--from", "Pa.s", "--to", "cP"},
                  "\"\xEF\xBB\xBF"
                  "1\",x\n",
                  "\"\xEF\xBB\xBF"
                  "1\",x,\n",
                  line(1, "Viscosity input value is invalid"),
                  1},
        BatchCase{"GermanResultIsQuotedBetweenCommas",
                  {"--locale"},
                  "1000,Pa.s,cP\n\"1,5\",Pa.s,cP\n",
                  "1000,Pa.s,cP,\"1.000.000,00000000\"\n\"1,5\",Pa.s,cP,\"1.500,00000000\"\n",
                  "",
                  0,
                  "de_DE"},
        BatchCase{"GermanResultBetweenSemicolons",
                  {"--locale", "--delimiter", ";"},
                  "1,5;Pa.s;cP\n",
                  "1,5;Pa.s;cP;1.500,00000000\n",
                  "",
                  0,
                  "de_DE"},
        BatchCase{"SemicolonSeparated",
                  {"--delimiter", ";"},
                  "1;Pa.s;cP;50;lb/ft^3;\"a;b\"\n2;Pa.s;cP;x,y\n3,Pa.s,cP\n",
                  "1;Pa.s;cP;50;lb/ft^3;\"a;b\";1000.00000000\n2;Pa.s;cP;x,y;\n3,Pa.s,cP;\n",
                  line(2, "Density input value is invalid") +
                      line(3, "Viscosity input value is invalid"),
                  1},
        BatchCase{"TabAsDelimiter",
                  {"--delimiter", "\\t"},
                  "1\tPa.s\tcP\n",
                  "1\tPa.s\tcP\t1000.00000000\n",
                  "",
                  0},
        BatchCase{"Densities",
                  {"--densities", "--to", "g/l"},
                  "30,deg API,kg/m^3\n-5,deg API\n0,kg/m^3\n145,deg Baume\n1,cP,g/l\n1,g/cm^3,\n",
                  "30,deg API,kg/m^3,876.16099071\n-5,deg API,1118.57707510\n0,kg/m^3,\n"
                  "145,deg Baume,\n1,cP,g/l,\n1,g/cm^3,,\n",
                  line(3, "Input Error: Density input value is zero or negative") +
                      line(4, "The result cannot be computed: division by zero.") +
                      line(5, "unknown density unit \"cP\" (did you mean \"g/l\"?)") +
                      line(6, "Density unit is not specified."),
                  1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchRecord, TooLongIsReportedAndStillTakesOneLine) {
    const std::string input = std::string(1100000, '7') + "\n1,Pa.s,cP\n";
    const auto outcome = runWith({"--batch", "--from", "Pa.s", "--to", "cP"}, input);
    EXPECT_EQ(outcome.out, ",\n1,Pa.s,cP,1000.00000000\n");
    EXPECT_EQ(outcome.err, line(1, "the record is longer than 1048576 bytes; its fields are not "
                                   "kept"));
    EXPECT_EQ(outcome.status, 1);
}

TEST(BatchRecord, StraddlingTheReadBufferIsReadWhole) {
    // Records cross the reader's 32 KiB reads at many offsets.
    std::string input;
    std::string expected;
    // Pa.s to cP moves the decimal point three places: "12.5" gives "12500.00000000".
    for (int i = 0; input.size() < 300000; ++i) {
        const std::string whole = std::to_string(i % 997 + 1);
        const std::string fraction = std::string(i % 6, '5') + std::string(8 - i % 6, '0');
        const std::string value = whole + "." + fraction.substr(0, i % 6);
        input += value + ",Pa.s,cP,1,g/l,\"q,\"\"" + std::to_string(i) + "\"\n";
        expected += value + ",Pa.s,cP,1,g/l,\"q,\"\"" + std::to_string(i) + "\",";
        expected += std::to_string(std::stoi(whole) * 1000 + std::stoi(fraction.substr(0, 3))) +
                    "." + fraction.substr(3) + "000\n";
    }
    const auto outcome = runWith({"--batch"}, input);
    EXPECT_TRUE(outcome.err.empty()) << outcome.err.substr(0, 200);
    EXPECT_TRUE(outcome.out == expected) << "the output differs";
}

} // namespace
} // namespace tarnwick::cli
