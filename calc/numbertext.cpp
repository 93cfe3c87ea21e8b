// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include "plainnumber.h"

#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

namespace tarnwick::numberText {
namespace {

// How the locale groups the digits before the decimal separator, read off its
// own formatting so that whatever it prints reads back: the group next to the
// separator (3 almost everywhere), the groups before it (2 in India), and the
// longest first group it prints (Qt prints "1234.567" for some locales).
struct Grouping {
    int last = 3;
    int middle = 3;
    int firstMax = 3;
};

Grouping groupingOf(const QLocale& locale) {
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty())
        return {};
    const QStringList groups = locale.toString(1234567890123LL).split(separator);
    if (groups.size() < 3)
        return {};
    const auto size = [](const QString& group) { return static_cast<int>(group.size()); };
    const int middle = size(groups.at(groups.size() - 2));
    return {size(groups.last()), middle, std::max(middle, size(groups.first()))};
}

// Walks the trimmed text once, writing the number in the plain ASCII form that
// std::from_chars reads ("-1234.5e-7"), independent of the C library's locale.
class Scanner {
public:
    Scanner(const QString& text, const QLocale& locale)
        : m_text(text.trimmed())
        , m_locale(locale) {}

    std::optional<double> number() {
        sign();
        const int intDigits = integerPart();
        if (intDigits < 0)
            return std::nullopt;
        int fracDigits = 0;
        if (take(m_locale.decimalPoint())) {
            m_ascii += '.';
            fracDigits = digits();
        }
        if (intDigits + fracDigits == 0)
            return std::nullopt;
        if (!exponent() || m_pos != m_text.size() || m_mixedScripts)
            return std::nullopt;
        return convert();
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }

    bool take(const QString& token) {
        if (token.isEmpty() || !QStringView(m_text).mid(m_pos).startsWith(token))
            return false;
        m_pos += token.size();
        return true;
    }

    void sign() {
        if (take(QStringLiteral("-")) || take(m_locale.negativeSign()))
            m_ascii += '-';
        else if (!take(QStringLiteral("+")))
            take(m_locale.positiveSign());
    }

    // Appends a run of decimal digits and returns its length. Digits of any
    // one script are read, but not a mixture: "1" followed by an Arabic-Indic
    // five is not 15.
    int digits() {
        int count = 0;
        while (!atEnd() && peek().isDigit()) {
            const int value = peek().digitValue();
            if (value < 0 || value > 9)
                break;
            const char16_t zero = static_cast<char16_t>(peek().unicode() - value);
            if (m_zero == 0)
                m_zero = zero;
            else if (zero != m_zero)
                m_mixedScripts = true;
            m_ascii += static_cast<char>('0' + value);
            ++m_pos;
            ++count;
        }
        return count;
    }

    bool takeGroupSeparator() {
        const QString separator = m_locale.groupSeparator();
        if (take(separator))
            return true;
        // Separators few keyboards have: any blank stands for a no-break
        // space, and a plain apostrophe for a typographic one.
        if (separator.size() != 1 || atEnd())
            return false;
        const QChar wanted = separator.at(0);
        const bool typed = (wanted.isSpace() && peek().isSpace()) ||
                           ((wanted == u'\u2019' || wanted == u'\u02BC') && peek() == u'\'');
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
        const Grouping grouping = groupingOf(m_locale);
        if (first == 0 || first > grouping.firstMax || m_ascii[start] == '0')
            return -1;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const bool last = i + 1 == groups.size();
            if (groups[i] != (last ? grouping.last : grouping.middle))
                return -1;
        }
        return count;
    }

    bool exponent() {
        const QChar c = peek();
        if (c != u'e' && c != u'E' && !take(m_locale.exponential()))
            return true;
        if (c == u'e' || c == u'E')
            ++m_pos;
        m_ascii += 'e';
        if (take(QStringLiteral("-")) || take(m_locale.negativeSign()))
            m_ascii += '-';
        else if (!take(QStringLiteral("+")))
            take(m_locale.positiveSign());
        return digits() > 0;
    }

    std::optional<double> convert() const { return plainNumber::readCanonical(m_ascii); }

    QString m_text;
    const QLocale& m_locale;
    char16_t m_zero = 0; // the zero of the digits' script, once one is seen
    bool m_mixedScripts = false;
    qsizetype m_pos = 0;
    std::string m_ascii;
};

} // namespace

std::optional<double> parse(const QString& text, const QLocale& locale) {
    return Scanner(text, locale).number();
}

bool isNumeric(const QString& text, const QLocale& locale) {
    return parse(text, locale).has_value();
}

double read(const QString& text, const QLocale& locale) {
    return parse(text, locale).value_or(0);
}

QString formatResult(double value, const QLocale& locale) {
    return formatNumber(value, 8, locale);
}

QString formatNumber(double value, int decimals, const QLocale& locale) {
    // 'f' never switches to exponent form and prints every integer digit.
    return locale.toString(value, 'f', decimals);
}

} // namespace tarnwick::numberText
