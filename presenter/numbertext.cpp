// SPDX-License-Identifier: MIT
#include "presenter/numbertext.h"

#include "core/numbers/localnumber.h"
#include "presenter/qtsymbols.h"

namespace tarnwick::numberText {

std::optional<double> parse(const QString& text, const QLocale& locale) {
    return localNumber::parse(text.toStdString(), symbolsOf(locale));
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
    return QString::fromStdString(localNumber::fixed(value, decimals, symbolsOf(locale)));
}

} // namespace tarnwick::numberText
