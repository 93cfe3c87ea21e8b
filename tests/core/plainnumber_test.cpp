// SPDX-License-Identifier: MIT
#include "core/numbers/detail/plainnumberdetail.h"
#include "core/numbers/plainnumber.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <random>

namespace tarnwick::plainNumber {
namespace {

constexpr std::nullopt_t no = std::nullopt;

TEST(PlainNumberParse, ReadsThePlainFormOnly) {
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"1", 1},
        {" \t2.5\r\n", 2.5},
        {"+3", 3},
        {"-4", -4},
        {".5", 0.5},
        {"5.", 5},
        {"-.5", -0.5},
        {"2.5e+2", 250},
        {"1E-3", 0.001},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"1e-400", 0}, // too small for a double: a number that reads as 0
        {"0.0000001e310", 1e303},
        {"", no},
        {"  ", no},
        {"+", no},
        {"-", no},
        {".", no},
        {"+-5", no},
        {"--5", no},
        {"nan", no},
        {"-inf", no},
        {"infinity", no},
        {"0x10", no},
        {"1e309", no},
        {"1e", no},
        {"1e+", no},
        {"1,5", no},
        {"1,000", no},
        {"1 000", no},
        {"1.2.3", no},
        {"5-", no},
        {"(5)", no},
        {"1\xc2\xa0", no},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_TRUE(std::signbit(*parse("-1e-400")));
}

TEST(PlainNumberFixed, RoundsTiesAwayFromZeroAsTheWindowDoes) {
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        {0.001953125, 8, "0.00195313"}, // rounding to even would give 0.00195312
        {-0.001953125, 8, "-0.00195313"},
        {0.5, 0, "1"},
        {2.5, 0, "3"},
        {9.5, 0, "10"},
        {-99.5, 0, "-100"},
        {0.125, 2, "0.13"},
        {1.24843945068664, 8, "1.24843945"},
        {0.0001436331720957, 8, "0.00014363"},
        {1000, 8, "1000.00000000"},
        {1234567.5, 8, "1234567.50000000"},
        {1e-9, 8, "0.00000000"},
        {5e-9, 8, "0.00000001"}, // just above 5e-9 as a double
        {-1e-12, 8, "-0.00000000"},
        {5e-324, 17, "0.00000000000000000"},
        {0.1, 17, "0.10000000000000001"},
        {9007199254740993.0, 2, "9007199254740992.00"},
        {1e300, 0,
         "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371"
         "375080447864043704443832883878176942523235360430575644792184786706982848387200926575803"
         "737830233794788090059368953234970799945081119038967640880074652742780142494579258788820"
         "056842838115669472196386865459400540160"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fixed(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
        std::string reference;
        detail::appendFixedExactly(reference, c.value, c.decimals);
        EXPECT_EQ(reference, c.expected) << "the reference, " << c.value << " to " << c.decimals;
    }
}

// The quick writer against the reference with the tie rule, on results of
// every size and on exact ties and their neighbours; it must write most of
// them, or the comparison proves little.
TEST(PlainNumberFixed, QuickWriterAgreesWithTheReference) {
    std::mt19937_64 random(7);
    int written = 0;
    const int count = 200000;
    for (int i = 0; i < count; ++i) {
        double value = std::pow(10.0, std::uniform_real_distribution<double>(-12, 18)(random));
        if (i % 2 == 1) // an exact tie at 1 to 17 decimals, or next to one
            value = std::nextafter(std::ldexp(static_cast<double>(random() % 1000000 * 2 + 1),
                                              -static_cast<int>(random() % 17 + 1)),
                                   random() % 3 == 0 ? 0.0 : (random() % 2 ? 1e30 : value));
        value = random() % 4 == 0 ? -value : value;
        const int decimals = static_cast<int>(random() % 18);
        std::string quick, reference;
        if (!detail::appendFixedQuickly(quick, value, decimals))
            continue;
        ++written;
        detail::appendFixedExactly(reference, value, decimals);
        ASSERT_EQ(quick, reference) << std::hexfloat << value << " to " << decimals;
    }
    EXPECT_GT(written, count / 2);
}

TEST(PlainNumberShortest, ReadsBackAsTheSameDouble) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {92893.88264669165, "92893.88264669165"},
        {0.9999999999999999, "0.9999999999999999"},
        {1, "1"},
        {1e300, "1e+300"},
    };
    for (const auto& c : cases) {
        std::string text;
        appendShortest(text, c.value);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(parse(text), c.value);
    }
}

} // namespace
} // namespace tarnwick::plainNumber
