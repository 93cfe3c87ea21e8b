#include "numbertext.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>

namespace tarnwick::numberText {
namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

struct ParseCase {
    const char* name;
    const QLocale* locale;
    const char* text;
    std::optional<double> expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.name;
}

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, ReadsNumbersAndRejectsTheRest) {
    const auto& c = GetParam();
    const auto result = parse(QString::fromUtf8(c.text), *c.locale);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(isNumeric(QString::fromUtf8(c.text), *c.locale), c.expected.has_value());
}

constexpr std::nullopt_t no = std::nullopt;
constexpr double maxDouble = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    English, Parse,
    ::testing::Values(
        ParseCase{"Integer", &english, "1", 1}, ParseCase{"BlanksAround", &english, "  2.5\t", 2.5},
        ParseCase{"PlusSign", &english, "+3", 3}, ParseCase{"MinusSign", &english, "-4", -4},
        ParseCase{"Grouped", &english, "1,234,567.5", 1234567.5},
        ParseCase{"FractionOnly", &english, ".5", 0.5},
        ParseCase{"TrailingPoint", &english, "5.", 5},
        ParseCase{"Exponent", &english, "2.5e+2", 250},
        ParseCase{"CapitalExponent", &english, "1E-3", 0.001},
        ParseCase{"LargestDouble", &english, "1.7976931348623157e308", maxDouble},
        ParseCase{"TooSmallReadsAsZero", &english, "1e-400", 0},
        ParseCase{"TooSmallWithLeadingZerosAndBigExponent", &english,
                  "0.000000000000000000000000000000000000000000000001e-300", 0},
        ParseCase{"LeadingZerosBringItIntoRange", &english, "0.0000001e310", 1e303},
        ParseCase{"Empty", &english, "", no}, ParseCase{"Blanks", &english, "   ", no},
        ParseCase{"Word", &english, "abc", no}, ParseCase{"NaN", &english, "NaN", no},
        ParseCase{"LowerNan", &english, "nan", no}, ParseCase{"Inf", &english, "inf", no},
        ParseCase{"Infinity", &english, "-Infinity", no},
        ParseCase{"Hexadecimal", &english, "0x10", no},
        ParseCase{"BasicHexadecimal", &english, "&H10", no},
        ParseCase{"BeyondDoubleRange", &english, "1e309", no},
        ParseCase{"LongBeyondDoubleRange", &english,
                  "1000000000000000000000000000000000000000000000000e300", no},
        ParseCase{"CommaDecimalInEnglish", &english, "1,5", no},
        ParseCase{"ShortGroup", &english, "1,000,00", no},
        ParseCase{"LongFirstGroup", &english, "1234,567", no},
        ParseCase{"LeadingSeparator", &english, ",100", no},
        ParseCase{"SeparatorInFraction", &english, "1.000,5", no},
        ParseCase{"TwoPoints", &english, "1.2.3", no}, ParseCase{"PointOnly", &english, ".", no},
        ParseCase{"SignOnly", &english, "-", no}, ParseCase{"DoubleSign", &english, "--1", no},
        ParseCase{"TrailingSign", &english, "5-", no},
        ParseCase{"Parentheses", &english, "(5)", no},
        ParseCase{"ExponentWithoutDigits", &english, "1e+", no},
        ParseCase{"ExponentOnly", &english, "e5", no},
        ParseCase{"OtherExponentLetter", &english, "1d5", no},
        ParseCase{"Currency", &english, "$5", no}, ParseCase{"BlankInside", &english, "1 000", no}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(German, Parse,
                         ::testing::Values(ParseCase{"CommaDecimal", &german, "1,5", 1.5},
                                           ParseCase{"PointGroups", &german, "1.000,25", 1000.25},
                                           ParseCase{"PointWithoutGroupIsRejected", &german, "1.5",
                                                     no},
                                           ParseCase{"Exponent", &german, "2,5E3", 2500}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    const QLocale* locale;
    double value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class FormatResult : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResult, ShowsEightDecimals) {
    const auto& c = GetParam();
    EXPECT_EQ(formatResult(c.value, *c.locale).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatResult,
    ::testing::Values(FormatCase{"One", &english, 1, "1.00000000"},
                      FormatCase{"LeadingZero", &english, 0.001, "0.00100000"},
                      FormatCase{"Thousands", &english, 1000, "1,000.00000000"},
                      FormatCase{"Millions", &english, 1234567.5, "1,234,567.50000000"},
                      FormatCase{"NegativeRounds", &english, -0.034482758620689655, "-0.03448276"},
                      FormatCase{"TinyShowsZero", &english, 1e-9, "0.00000000"},
                      FormatCase{"GermanSeparators", &german, 1000, "1.000,00000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatResult, PrintsEveryDigitOfAHugeValue) {
    const QString text = formatResult(1e300, english);
    EXPECT_FALSE(text.contains('e', Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_TRUE(text.startsWith("1,000,000,000,000,000,052,504,760,255")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(".00000000")) << text.toStdString();
    EXPECT_EQ(text.count(','), 100);
}

// Random texts from number-like characters: whatever passes the numeric test
// reads as a finite double under both locales.
TEST(Parse, NumericTextsAlwaysReadAsFiniteDoubles) {
    std::mt19937 random(20261207);
    const QString alphabet = "0123456789999.,eE+- ";
    int numeric = 0;
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = 1 + static_cast<int>(random() % 24);
        for (int j = 0; j < length; ++j)
            text += alphabet.at(static_cast<int>(random() % alphabet.size()));
        if (i % 50 == 0)
            text = QString(static_cast<int>(random() % 400) + 1, '9') + text;
        for (const QLocale* locale : {&english, &german}) {
            if (const auto value = parse(text, *locale)) {
                ++numeric;
                EXPECT_TRUE(std::isfinite(*value)) << text.toStdString();
                EXPECT_EQ(read(text, *locale), *value);
            }
        }
    }
    EXPECT_GT(numeric, 100); // the alphabet must produce numbers, or this proves nothing
}

} // namespace
} // namespace tarnwick::numberText
