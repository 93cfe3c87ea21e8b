// SPDX-License-Identifier: MIT
// The plain way to find a unit's place in its list, which the hashed lookup
// in unitindex.cpp must agree with; tests compare the two.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace tarnwick::detail {

template <std::size_t N>
int scanForUnit(const std::array<std::string_view, N>& names, std::string_view name) {
    if (name.empty())
        return -1; // the separator is not a unit
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

} // namespace tarnwick::detail
