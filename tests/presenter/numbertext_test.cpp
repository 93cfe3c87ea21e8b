// SPDX-License-Identifier: MIT
#include "core/numbers/plainnumber.h"
#include "presenter/numbertext.h"

#include <QLocale>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>

namespace tarnwick::numberText {
namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);
constexpr std::nullopt_t no = std::nullopt;
// The system's locale under LANG=C.UTF-8: Qt gives it the C locale's
// language but none of the number options that QLocale::c() has.
const QLocale systemC = [] {
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale;
}();

TEST(Parse, ReadsNumbersAndRejectsTheRest) {
    const struct {
        QLocale locale;
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {english, "1", 1},
        {english, "  2.5\t", 2.5},
        {english, "+3", 3},
        {english, "-4", -4},
        {english, "1,234,567.5", 1234567.5},
        {english, ".5", 0.5},
        {english, "5.", 5},
        {english, "2.5e+2", 250},
        {english, "1E-3", 0.001},
        {english, "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {english, "1e-400", 0}, // too small for a double: a number that reads as 0
        {english, "0.000000000000000000000000000000000000000000000001e-300", 0},
        {english, "0.0000001e310", 1e303}, // leading zeros bring it into range
        {english, "", no},
        {english, "   ", no},
        {english, "abc", no},
        {english, "NaN", no},
        {english, "-Infinity", no},
        {english, "inf", no},
        {english, "0x10", no},
        {english, "1e309", no},
        {english, "1000000000000000000000000000000000000000000000000e300", no},
        {english, "1,5", no}, // a German decimal is not read as 15
        {english, "1,000,00", no},
        {english, "1234,567", no},
        {english, ",100", no},
        {english, "1.000,5", no},
        {english, "1.2.3", no},
        {english, ".", no},
        {english, "-", no},
        {english, "5-", no},
        {english, "(5)", no},
        {english, "1e+", no},
        {english, "1 000", no},
        {english, "0,001", no}, // a leading 0 group is never grouped
        {german, "1,5", 1.5},
        {german, "1.000,25", 1000.25},
        {german, "1.5", no},
        {german, "0.050", no}, // not 50
        {german, "2,5E3", 2500},
        {QLocale("hi_IN"), "12,34,567.5", 1234567.5},
        {QLocale("hi_IN"), "1,234,567", no},
        {QLocale("de_CH"), "1'000.5", 1000.5}, // the apostrophe on the keyboard
        {QLocale("fr_FR"), "1 000,5", 1000.5}, // a plain blank for the no-break space
        {QLocale("ar_EG"), "\u0665\u0660\u066B\u0660", 50},
        {english, "1\u0665", no}, // digits of two scripts
        {QLocale::c(), "1540.57428215", 1540.57428215},
        {QLocale("C"), "1540.5", 1540.5},
        {QLocale::c(), "1,540.5", no}, // the C locale groups nothing
        {systemC, "1540.57428215", 1540.57428215},
        {systemC, "1,540.5", no},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(parse(text, c.locale), c.expected) << c.text;
        EXPECT_EQ(isNumeric(text, c.locale), c.expected.has_value()) << c.text;
    }
}

TEST(FormatResult, ShowsEightDecimalsInTheLocale) {
    const struct {
        QLocale locale;
        double value;
        const char* expected;
    } cases[] = {
        {english, 1, "1.00000000"},
        {english, 0.001, "0.00100000"},
        {english, 1000, "1,000.00000000"},
        {english, 1234567.5, "1,234,567.50000000"},
        {english, -0.034482758620689655, "-0.03448276"},
        {english, 1e-9, "0.00000000"},
        {german, 1000, "1.000,00000000"},
        {english, -0.0, "0.00000000"}, // a zero has no sign
        // Grouped from five integer digits, every group in its place.
        {QLocale(QLocale::Spanish, QLocale::Spain), 1234.5, "1234,50000000"},
        {QLocale(QLocale::Spanish, QLocale::Spain), 1234567.5, "1.234.567,50000000"},

        {QLocale::c(), 1540.57428215, "1540.57428215"},
        {QLocale("C"), 1540.57428215, "1540.57428215"},
        {QLocale::c(), -1234567.5, "-1234567.50000000"},
        {systemC, 1540.57428215, "1540.57428215"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatResult(c.value, c.locale).toStdString(), c.expected);
}

// Whatever the program prints in a locale reads back there as the number
// shown, eight decimals of it.
TEST(FormatResult, ReadsBackInEveryLocale) {
    const struct {
        double value;
        double shown;
    } cases[] = {
        {1.0, 1.0},
        {1234567.5, 1234567.5},
        {-0.034482758620689655, -0.03448276},
        {98765432109.25, 98765432109.25},
        {1e15, 1e15},
    };
    for (const char* name : {"en_US", "de_DE", "es_ES", "pl_PL", "hi_IN", "de_CH", "fr_FR", "sv_SE",
                             "ar_EG", "fa_IR", "C"}) {
        const QLocale locale(name);
        for (const auto& c : cases) {
            const QString text = formatResult(c.value, locale);
            EXPECT_EQ(parse(text, locale), c.shown) << name << ": " << text.toStdString();
        }
    }
}

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
            }
        }
    }
    EXPECT_GT(numeric, 100); // the alphabet must produce numbers, or this proves nothing
}

// The command line's plain numbers are the window's English (United States)
// numbers less their group separators, for any double and count of decimals.
TEST(PlainNumberFixed, MatchesTheWindowsFormattingForRandomDoubles) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        switch (i % 4) {
        case 0: // any bit pattern of a finite double up to 1e20
            value = std::bit_cast<double>(random());
            if (!std::isfinite(value) || std::fabs(value) > 1e20)
                continue;
            break;
        case 1: // realistic results
            value = std::pow(10.0, std::uniform_real_distribution<double>(-12, 12)(random));
            break;
        case 2: // exact ties and their neighbours at 1 to 10 decimals
            value = std::ldexp(static_cast<double>(random() % 100000000 * 2 + 1),
                               -static_cast<int>(random() % 10 + 1));
            value =
                std::nextafter(value, (random() % 3 == 0) ? 0.0 : value * (random() % 2 ? 2 : 1));
            break;
        default: // values near a rounding boundary at 8 decimals
            value = (static_cast<double>(random() % 1000000000) + 0.5) / 1e8;
            break;
        }
        const int decimals = static_cast<int>(random() % 18);
        const std::string expected =
            english.toString(value, 'f', decimals).remove(',').toStdString();
        ASSERT_EQ(plainNumber::fixed(value, decimals), expected)
            << std::hexfloat << value << " to " << decimals;
    }
}

} // namespace
} // namespace tarnwick::numberText
