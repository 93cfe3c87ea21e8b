// SPDX-License-Identifier: MIT
#include "engine.h"

#include <algorithm>

namespace tarnwick {
namespace {

// The lists are short: a search from the front compares the lengths first
// and the letters only of a name as long as the one sought.
template <std::size_t N>
int find(const std::array<std::string_view, N>& names, std::string_view name) {
    if (name.empty())
        return -1; // the separator is not a unit
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

} // namespace

int viscosityUnitIndex(std::string_view name) noexcept {
    return find(viscosityUnits, name);
}

int densityUnitIndex(std::string_view name) noexcept {
    return find(densityUnits, name);
}

} // namespace tarnwick
