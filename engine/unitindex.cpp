// SPDX-License-Identifier: MIT
#include "engine/detail/unitlookup.h"
#include "engine/detail/unitrow.h"

namespace tarnwick {

// A plain search from the front: a batch finds each distinct unit text
// once (the core's unit cache), so the search is no longer on the way of
// every row.
int detail::viscosityPlace(std::string_view name) noexcept {
    return scanForUnit(viscosityUnits, name);
}

int detail::densityPlace(std::string_view name) noexcept {
    return scanForUnit(densityUnits, name);
}

Unit Unit::viscosity(std::string_view name) noexcept {
    const int place = detail::viscosityPlace(name);
    return place < 0 ? Unit() : Unit(&detail::viscosityRows[static_cast<std::size_t>(place)]);
}

Unit Unit::density(std::string_view name) noexcept {
    const int place = detail::densityPlace(name);
    return place < 0 ? Unit() : Unit(&detail::densityRows[static_cast<std::size_t>(place)]);
}

Unit Unit::effluxScale(std::string_view name) noexcept {
    for (const detail::UnitRow& row : detail::effluxScaleRows)
        if (row.name == name)
            return Unit(&row);
    return Unit();
}

} // namespace tarnwick
