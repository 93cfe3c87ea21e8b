// SPDX-License-Identifier: MIT
#include "numberstyle.h"

#include "plainnumber.h"

namespace tarnwick::cli {

std::optional<double> PlainNumbers::parse(std::string_view text) const {
    return plainNumber::parse(text);
}

void PlainNumbers::append(std::string& out, double value) const {
    if (m_shortest)
        plainNumber::appendShortest(out, value);
    else
        plainNumber::appendFixed(out, value, m_decimals);
}

} // namespace tarnwick::cli
