// SPDX-License-Identifier: MIT
// Finding a unit's place in its list.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace tarnwick::detail {

// The position of name in viscosityUnits or densityUnits, or -1 when it is
// not exactly one of their names (the empty separator is not a unit).
int viscosityPlace(std::string_view name) noexcept;
int densityPlace(std::string_view name) noexcept;

// A plain search from the front.
template <std::size_t N>
int scanForUnit(const std::array<std::string_view, N>& names, std::string_view name) {
    if (name.empty())
        return -1; // the separator is not a unit
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

} // namespace tarnwick::detail
