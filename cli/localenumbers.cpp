// SPDX-License-Identifier: MIT
#include "localenumbers.h"

#include "numbertext.h"

namespace tarnwick::cli {

std::optional<double> LocaleNumbers::parse(std::string_view text) const {
    return numberText::parse(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                             m_locale);
}

void LocaleNumbers::append(std::string& out, double value) const {
    out += numberText::formatNumber(value, m_decimals, m_locale).toStdString();
}

} // namespace tarnwick::cli
