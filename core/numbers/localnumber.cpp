// SPDX-License-Identifier: MIT
#include "core/numbers/localnumber.h"

#include "core/numbers/plainnumber.h"
#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tarnwick::localNumber {
namespace {

// The zero of every script's decimal digits (Unicode 14, category Nd); each
// script's digits one to nine follow its zero.
constexpr std::array<char32_t, 66> digitZeros{
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2,
    0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

// The zero of c's script, or 0 when c is not a decimal digit.
char32_t zeroOf(char32_t c) {
    const auto after = std::upper_bound(digitZeros.begin(), digitZeros.end(), c);
    if (after == digitZeros.begin())
        return 0;
    const char32_t zero = *(after - 1);
    return c - zero < 10 ? zero : 0;
}

// Blanks as Unicode counts them: the separators and the ASCII controls
// that space text.
bool isSpace(char32_t c) {
    return c == 0x20 || (c >= 0x9 && c <= 0xD) || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// UTF-8 to code points; a byte that does not belong to a well-formed
// sequence becomes U+FFFD, which no number holds.
std::u32string decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const CodePoint c = firstCodePoint(text);
        out += c.length > 0 ? c.value : U'\uFFFD';
        text.remove_prefix(c.length > 0 ? c.length : 1);
    }
    return out;
}

void encode(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Walks the trimmed text once, writing the number in the plain ASCII form
// ("-1234.5e-7") that the plain reader takes.
class Scanner {
public:
    Scanner(std::string_view text, const NumberSymbols& symbols)
        : m_text(decode(text))
        , m_decimal(decode(symbols.decimal))
        , m_group(decode(symbols.group))
        , m_minus(decode(symbols.minus))
        , m_plus(decode(symbols.plus))
        , m_exponent(decode(symbols.exponent))
        , m_symbols(symbols) {
        while (!m_text.empty() && isSpace(m_text.back()))
            m_text.pop_back();
        while (m_pos < m_text.size() && isSpace(m_text[m_pos]))
            ++m_pos;
    }

    std::optional<double> number() {
        sign();
        const int intDigits = integerPart();
        if (intDigits < 0)
            return std::nullopt;
        int fracDigits = 0;
        if (take(m_decimal)) {
            m_ascii += '.';
            fracDigits = digits();
        }
        if (intDigits + fracDigits == 0)
            return std::nullopt;
        if (!exponent() || m_pos != m_text.size() || m_mixedScripts)
            return std::nullopt;
        return plainNumber::readCanonical(m_ascii);
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    char32_t peek() const { return atEnd() ? 0 : m_text[m_pos]; }

    bool take(std::u32string_view token) {
        if (token.empty() ||
            std::u32string_view(m_text).substr(m_pos).substr(0, token.size()) != token)
            return false;
        m_pos += token.size();
        return true;
    }

    // A sign, as "-" or "+" or the locale's own; true when one was taken.
    void sign() {
        if (take(U"-") || take(m_minus))
            m_ascii += '-';
        else if (!take(U"+"))
            take(m_plus);
    }

    // Appends a run of decimal digits and returns its length. Digits of any
    // one script are read, but not a mixture: "1" followed by an Arabic-Indic
    // five is not 15.
    int digits() {
        int count = 0;
        while (!atEnd()) {
            const char32_t zero = zeroOf(peek());
            if (zero == 0)
                break;
            if (m_zero == 0)
                m_zero = zero;
            else if (zero != m_zero)
                m_mixedScripts = true;
            m_ascii += static_cast<char>('0' + (peek() - zero));
            ++m_pos;
            ++count;
        }
        return count;
    }

    bool takeGroupSeparator() {
        if (take(m_group))
            return true;
        // Separators few keyboards have: any blank stands for a no-break
        // space, and a plain apostrophe for a typographic one.
        if (m_group.size() != 1 || atEnd())
            return false;
        const char32_t wanted = m_group[0];
        const bool typed = (isSpace(wanted) && isSpace(peek())) ||
                           ((wanted == U'\u2019' || wanted == U'\u02BC') && peek() == U'\'');
        if (typed)
            ++m_pos;
        return typed;
    }

    // Digits, optionally grouped as the locale groups them; -1 when a group
    // separator is misplaced. A first group of 0 is never grouped, so "0.001"
    // is not read as 1 where the point separates groups.
    int integerPart() {
        const std::size_t start = m_ascii.size();
        const int first = digits();
        int count = first;
        std::vector<int> groups;
        while (takeGroupSeparator()) {
            groups.push_back(digits());
            count += groups.back();
        }
        if (groups.empty())
            return count;
        if (first == 0 || first > m_symbols.groupHigher || m_ascii[start] == '0')
            return -1;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const bool last = i + 1 == groups.size();
            if (groups[i] != (last ? m_symbols.groupFirst : m_symbols.groupHigher))
                return -1;
        }
        return count;
    }

    bool exponent() {
        const char32_t c = peek();
        if (c == U'e' || c == U'E')
            ++m_pos;
        else if (!take(m_exponent))
            return true;
        m_ascii += 'e';
        sign();
        return digits() > 0;
    }

    std::u32string m_text;
    std::u32string m_decimal, m_group, m_minus, m_plus, m_exponent;
    const NumberSymbols& m_symbols;
    char32_t m_zero = 0; // the zero of the digits' script, once one is seen
    bool m_mixedScripts = false;
    std::size_t m_pos = 0;
    std::string m_ascii;
};

} // namespace

std::optional<double> parse(std::string_view text, const NumberSymbols& symbols) {
    return Scanner(text, symbols).number();
}

void appendFixed(std::string& out, double value, int decimals, const NumberSymbols& symbols) {
    std::string plain;
    plainNumber::appendFixed(plain, value, decimals);
    std::string_view digits = plain;
    if (digits.front() == '-') {
        out += symbols.minus;
        digits.remove_prefix(1);
    }
    const std::size_t integerDigits = std::min(digits.find('.'), digits.size());
    const auto first = static_cast<std::size_t>(std::max(symbols.groupFirst, 1));
    const auto higher = static_cast<std::size_t>(std::max(symbols.groupHigher, 1));
    const bool grouped = !symbols.group.empty() &&
                         integerDigits >= first + static_cast<std::size_t>(symbols.groupMinimum);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (digits[i] == '.') {
            out += symbols.decimal;
            continue;
        }
        encode(out, symbols.zero + static_cast<char32_t>(digits[i] - '0'));
        // Digits still to come before the decimal separator.
        const std::size_t left = integerDigits - i - 1;
        if (grouped && i < integerDigits && left >= first && (left - first) % higher == 0)
            out += symbols.group;
    }
}

} // namespace tarnwick::localNumber
