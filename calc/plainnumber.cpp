// SPDX-License-Identifier: MIT
#include "plainnumber.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

void appendFixed(std::string& out, double value, int decimals) {
    decimals = std::clamp(decimals, 0, 17);
    // {fmt} rounds the exact binary value correctly, but an exact tie at the
    // first digit dropped goes to even, where the window rounds away from
    // zero. Such a tie is an odd multiple of 2^-(decimals + 1), whose decimal
    // expansion ends at that digit: printing one digit more is exact, and the
    // rounding is then done on the text. Above 2^53 every double is an even
    // whole number.
    const double scaled = std::fabs(value) * static_cast<double>(std::uint64_t(2) << decimals);
    const auto whole = scaled < 0x1p53 ? static_cast<std::uint64_t>(scaled) : 0;
    const bool tie = static_cast<double>(whole) == scaled && (whole & 1) == 1;
    const int printed = tie ? decimals + 1 : decimals;

    std::size_t start = out.size();
    fmt::format_to(std::back_inserter(out), "{:.{}f}", value, printed);
    if (!tie)
        return;
    out.pop_back(); // the 5
    if (decimals == 0)
        out.pop_back(); // the point
    if (out[start] == '-')
        ++start;
    incrementMagnitude(out, start);
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
