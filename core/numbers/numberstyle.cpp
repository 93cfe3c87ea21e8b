// SPDX-License-Identifier: MIT
#include "core/numbers/numberstyle.h"

#include "core/numbers/localnumber.h"
#include "core/numbers/plainnumber.h"

namespace tarnwick {

std::optional<double> PlainNumbers::parse(std::string_view text) const {
    return plainNumber::parse(text);
}

void PlainNumbers::append(std::string& out, double value) const {
    if (m_shortest)
        plainNumber::appendShortest(out, value);
    else
        plainNumber::appendFixed(out, value, m_decimals);
}

std::optional<double> LocaleNumbers::parse(std::string_view text) const {
    return localNumber::parse(text, m_symbols);
}

void LocaleNumbers::append(std::string& out, double value) const {
    localNumber::appendFixed(out, value, m_decimals, m_symbols);
}

} // namespace tarnwick
