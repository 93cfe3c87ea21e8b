// SPDX-License-Identifier: MIT
#include "core/numbers/plainnumber.h"

#include "core/numbers/detail/plainnumberdetail.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fast_float/fast_float.h>
#include <fmt/format.h>
#include <iterator>

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
    const char* last = text.data() + text.size();
    const auto [end, error] = fast_float::from_chars(text.data(), last, value);
    // Beyond the double range the reader gives infinity, and it also reads
    // the words "inf" and "nan": none of them is a number here. Below the
    // range it gives a zero, which is one.
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> parse(std::string_view text) {
    text = trimmed(text);
    // The reader takes exactly this form, less a "+" at the front; "inf"
    // and "nan" are kept from it by asking for a digit or a point after the
    // sign.
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    const std::size_t start = !plus && !text.empty() && text.front() == '-' ? 1 : 0;
    if (start >= text.size() || !(isDigit(text[start]) || text[start] == '.'))
        return std::nullopt;
    return readCanonical(text);
}

namespace detail {

void appendFixedExactly(std::string& out, double value, int decimals) {
    // {fmt} rounds the exact binary value correctly, but an exact tie at the first digit dropped
    // goes to even, where the window rounds away from zero. Such a tie is an odd multiple of
    // 2^-(decimals + 1), whose decimal expansion ends at that digit: printing one digit more is
    // exact, and the rounding is then done on the text. Above 2^53 every double is an even whole
    // number.
    const double scaled = std::fabs(value) * static_cast<double>(std::uint64_t(2) << decimals);
    const auto whole = scaled < 0x1p53 ? static_cast<std::uint64_t>(scaled) : 0;
    const bool tie = static_cast<double>(whole) == scaled && (whole & 1) == 1;
    const int printed = tie ? decimals + 1 : decimals;

    // A finite double has at most 309 integer digits. Written into a buffer
    // of its own, not through an inserter, which {fmt} fills a character at
    // a time.
    std::array<char, 340> buffer;
    const char* written = fmt::format_to(buffer.data(), "{:.{}f}", value, printed);
    std::size_t start = out.size();
    out.append(buffer.data(), static_cast<std::size_t>(written - buffer.data()));
    if (!tie)
        return;
    out.pop_back(); // the 5
    if (decimals == 0)
        out.pop_back(); // the point
    if (out[start] == '-')
        ++start;
    incrementMagnitude(out, start);
}

namespace {

// 10^0 to 10^18: the scales of the decimals wanted, and the bounds of the
// digit counts of a whole number below 2^63.
constexpr auto powersOfTen = [] {
    std::array<std::uint64_t, 19> table{};
    std::uint64_t power = 1;
    for (auto& entry : table) {
        entry = power;
        power *= 10;
    }
    return table;
}();

// "00", "01", ... "99".
constexpr auto digitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// whole (below 2^63, so of 19 digits at most) as exactly 20 digits, zeros
// first, and how many of them it needs (1 for a zero), in a fixed number of
// steps: a loop that stopped at the last digit left a batch 4 % slower
// (docs/performance.md).
std::size_t writeTwentyDigits(char* digits, std::uint64_t whole) {
    std::size_t count = 1;
    for (std::size_t i = 1; i < powersOfTen.size(); ++i)
        count += whole >= powersOfTen[i] ? 1 : 0;
    for (std::size_t i = 20; i > 0; i -= 2) {
        const std::uint64_t pair = whole % 100;
        whole /= 100;
        std::memcpy(digits + i - 2, digitPairs.data() + 2 * pair, 2);
    }
    return count;
}

} // namespace

// Kept beside the reference because, measured on the batch benchmark, the
// converter is markedly slower without it (docs/performance.md); a test compares
// the two.
// The quick way, exact too, for the results a converter usually meets:
// value is m * 2^e with a whole m below 2^53, so value * 10^decimals is
// m * 10^decimals (below 2^110, held in two words) shifted right by -e, and
// rounding away from zero adds one exactly when the first bit shifted out is
// set. Declines when the rounded digits would not fit in 63 bits.
bool appendFixedQuickly(std::string& out, double value, int decimals) {
    std::uint64_t bits = 0; // std::bit_cast, which not every library has yet
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
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

    // The digits of whole, after zeros enough for a digit before the point
    // (20 in all, then room for the fixed-size copies below to read past them).
    std::array<char, 40> digits;
    const std::size_t count = writeTwentyDigits(digits.data(), whole);
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

} // namespace detail

void appendFixed(std::string& out, double value, int decimals) {
    decimals = std::clamp(decimals, 0, 17);
    // A zero is written without a sign, as the window writes it, whether or
    // not the double carries one; a negative value that rounds to zero keeps
    // its sign.
    if (value == 0)
        value = 0;
    if (!detail::appendFixedQuickly(out, value, decimals))
        detail::appendFixedExactly(out, value, decimals);
}

void appendShortest(std::string& out, double value) {
    // The shortest digits that read back as value, in whichever of the two
    // forms is shorter, the plain one on a tie: a large whole number such as
    // 1.5e+17 is written out in full when that is no longer.
    const std::size_t start = out.size();
    fmt::format_to(std::back_inserter(out), "{}", value);
    const std::string_view written(out.data() + start, out.size() - start);
    if (written.find("e+") == std::string_view::npos)
        return;
    const std::string whole = fmt::format("{:.0f}", value);
    if (whole.size() <= written.size())
        out.replace(start, std::string::npos, whole);
}

} // namespace tarnwick::plainNumber
