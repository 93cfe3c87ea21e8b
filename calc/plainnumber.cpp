// SPDX-License-Identifier: MIT
#include "plainnumber.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tarnwick::plainNumber {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// For a text out of the double range either way: whether it is too large
// (its first significant digit stands at a positive power of ten) rather
// than too small.
bool magnitudeIsLarge(std::string_view text) {
    const std::size_t e = std::min(text.find_first_of("eE"), text.size());
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    const long power =
        first < point ? static_cast<long>(point - first - 1) : -static_cast<long>(first - point);
    long exponent = 0; // saturated: only the sign of the sum matters
    const std::string_view rest = text.substr(std::min(e + 1, text.size()));
    for (char c : rest)
        if (isDigit(c) && exponent < 100000000)
            exponent = exponent * 10 + (c - '0');
    if (!rest.empty() && rest.front() == '-')
        exponent = -exponent;
    return power + exponent > 0;
}

// Adds one unit in the last place to a run of decimal digits with an
// optional point, as in "0.0019531" -> "0.0019532" or "9.99" -> "10.00".
void incrementMagnitude(std::string& out, std::size_t start) {
    for (std::size_t i = out.size(); i > start; --i) {
        char& c = out[i - 1];
        if (c == '.')
            continue;
        if (c != '9') {
            ++c;
            return;
        }
        c = '0';
    }
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(start), '1');
}

} // namespace

std::optional<double> readCanonical(std::string_view text) {
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        if (magnitudeIsLarge(text))
            return std::nullopt;
        return !text.empty() && text.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc())
        return std::nullopt;
    return value;
}

std::optional<double> parse(std::string_view text) {
    text = trimmed(text);
    // std::from_chars reads exactly this form, but without a "+" at the
    // front and with "inf" and "nan" besides: those are kept from it by
    // asking for a digit or a point after the sign.
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    const std::size_t start = !plus && !text.empty() && text.front() == '-' ? 1 : 0;
    if (start >= text.size() || !(isDigit(text[start]) || text[start] == '.'))
        return std::nullopt;
    return readCanonical(text);
}

namespace {

// 10^0 to 10^18, every power of ten below 2^63.
constexpr auto powersOfTen = [] {
    std::array<std::uint64_t, 19> table{};
    std::uint64_t power = 1;
    for (auto& entry : table) {
        entry = power;
        power *= 10;
    }
    return table;
}();

// "00" to "99", two digits at a time.
constexpr auto pairs = [] {
    std::array<char, 200> table{};
    for (std::size_t i = 0; i < 100; ++i) {
        table[2 * i] = static_cast<char>('0' + i / 10);
        table[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return table;
}();

// The general way: std::to_chars with the count of decimals, which rounds
// the exact binary value correctly, but ties to even.
void appendFixedExactly(std::string& out, double value, int decimals) {
    // An exact tie at the first digit dropped is an odd multiple of
    // 2^-(decimals + 1); std::to_chars rounds those to even, the window away
    // from zero. Its decimal expansion ends at that digit, so printing one
    // more digit is exact and the rounding can be done on the text. Above
    // 2^53 every double is an even whole number.
    const double scaled = std::fabs(value) * static_cast<double>(std::uint64_t(2) << decimals);
    const auto whole = scaled < 0x1p53 ? static_cast<std::uint64_t>(scaled) : 0;
    const bool tie = static_cast<double>(whole) == scaled && (whole & 1) == 1;
    const int printed = tie ? decimals + 1 : decimals;

    // A finite double has at most 309 integer digits.
    std::array<char, 340> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, printed);
    std::size_t start = out.size();
    out.append(buffer.data(), result.ptr);
    if (!tie)
        return;
    out.pop_back(); // the 5
    if (decimals == 0)
        out.pop_back(); // the point
    if (out[start] == '-')
        ++start;
    incrementMagnitude(out, start);
}

// The quick way, exact too, for the results a converter usually meets:
// value is m * 2^e with a whole m below 2^53, so value * 10^decimals is
// m * 10^decimals (below 2^110, held in two words) shifted right by -e, and
// rounding away from zero adds one exactly when the first bit shifted out is
// set. Declines when the rounded digits would not fit in 63 bits.
bool appendFixedQuickly(std::string& out, double value, int decimals) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto biased = static_cast<int>(bits >> 52 & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t(1) << 52) - 1);
    if (biased == 0x7FF)
        return false; // infinity or NaN
    const std::uint64_t m = biased == 0 ? fraction : fraction | std::uint64_t(1) << 52;
    const int shift = 1075 - (biased == 0 ? 1 : biased); // value = m * 2^-shift
    if (shift <= 0)
        return false; // a whole number of 2^53 or more

    const std::uint64_t power = powersOfTen[static_cast<std::size_t>(decimals)];
    // m * power in two 64-bit words, from 32-bit halves.
    const std::uint64_t m0 = m & 0xFFFFFFFF, m1 = m >> 32;
    const std::uint64_t p0 = power & 0xFFFFFFFF, p1 = power >> 32;
    const std::uint64_t low = m0 * p0, cross1 = m0 * p1, cross2 = m1 * p0, high = m1 * p1;
    const std::uint64_t middle = (low >> 32) + (cross1 & 0xFFFFFFFF) + (cross2 & 0xFFFFFFFF);
    const std::uint64_t lo = (low & 0xFFFFFFFF) | middle << 32;
    const std::uint64_t hi = high + (cross1 >> 32) + (cross2 >> 32) + (middle >> 32);

    std::uint64_t whole = 0;
    bool roundUp = false;
    if (shift < 64) {
        if (hi >> shift != 0)
            return false;
        whole = lo >> shift | (hi << 1 << (63 - shift));
        roundUp = (lo >> (shift - 1) & 1) != 0;
    } else if (shift == 64) {
        whole = hi;
        roundUp = (lo >> 63) != 0;
    } else if (shift < 128) {
        whole = hi >> (shift - 64);
        roundUp = (hi >> (shift - 65) & 1) != 0;
    }
    if (whole >= std::uint64_t(1) << 63)
        return false;
    whole += roundUp ? 1 : 0;

    // All 19 digits of whole, then the point: counting the digits with
    // comparisons rather than a loop that stops at the first one keeps the
    // work the same for every value.
    std::size_t count = 1;
    for (std::size_t k = 1; k < powersOfTen.size(); ++k)
        count += whole >= powersOfTen[k] ? 1 : 0;
    // 20 digits (the first a spare zero, for pairs), then room for the
    // fixed-size copies below to read past them.
    std::array<char, 40> digits{};
    for (std::size_t i = 20; i > 0; i -= 2) {
        const std::size_t pair = 2 * static_cast<std::size_t>(whole % 100);
        digits[i - 2] = pairs[pair];
        digits[i - 1] = pairs[pair + 1];
        whole /= 100;
    }
    const auto wanted = static_cast<std::size_t>(decimals);
    const std::size_t shown = std::max(count, wanted + 1);
    const std::size_t integerDigits = shown - wanted;
    // Copies of fixed size; what they write past the number is not kept.
    std::array<char, 64> text;
    const std::size_t sign = std::signbit(value) ? 1 : 0;
    text[0] = '-';
    std::memcpy(text.data() + sign, digits.data() + 20 - shown, 20);
    text[sign + integerDigits] = '.';
    std::memcpy(text.data() + sign + integerDigits + 1, digits.data() + 20 - wanted, 17);
    out.append(text.data(), sign + shown + (wanted > 0 ? 1 : 0));
    return true;
}

} // namespace

void appendFixed(std::string& out, double value, int decimals) {
    decimals = std::clamp(decimals, 0, 17);
    if (!appendFixedQuickly(out, value, decimals))
        appendFixedExactly(out, value, decimals);
}

void appendShortest(std::string& out, double value) {
    std::array<char, 32> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

} // namespace tarnwick::plainNumber
