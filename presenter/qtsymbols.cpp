// SPDX-License-Identifier: MIT
#include "presenter/qtsymbols.h"

#include <QStringList>

namespace tarnwick {
namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

NumberSymbols symbolsOf(const QLocale& locale) {
    NumberSymbols symbols;
    symbols.decimal = utf8(locale.decimalPoint());
    symbols.minus = utf8(locale.negativeSign());
    symbols.plus = utf8(locale.positiveSign());
    symbols.exponent = utf8(locale.exponential());
    const QString zero = locale.zeroDigit();
    symbols.zero = zero.isEmpty() ? U'0' : static_cast<char32_t>(zero.toUcs4().value(0, U'0'));

    // The C locale defines no group separator, though Qt gives it one.
    const bool omitted = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ||
                         locale.language() == QLocale::C;
    const QString separator = locale.groupSeparator();
    if (omitted || separator.isEmpty())
        return symbols;
    const QStringList groups = locale.toString(1234567890123LL).split(separator);
    if (groups.size() < 3)
        return symbols;
    symbols.group = utf8(separator);
    symbols.groupFirst = static_cast<int>(groups.last().size());
    symbols.groupHigher = static_cast<int>(groups.at(groups.size() - 2).size());
    // The fewest integer digits that it groups: some locales write 1234 but 12 345.
    symbols.groupMinimum = 1;
    qlonglong power = 1;
    for (int digits = 1; digits <= symbols.groupFirst; ++digits)
        power *= 10;
    while (symbols.groupMinimum < 4 && !locale.toString(power).contains(separator)) {
        ++symbols.groupMinimum;
        power *= 10;
    }
    return symbols;
}

} // namespace tarnwick
