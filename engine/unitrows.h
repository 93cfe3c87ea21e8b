// SPDX-License-Identifier: MIT
// A unit's rule found by the unit's place in its list: the name is looked up
// once (viscosityUnitIndex, densityUnitIndex), and each table of rules is
// then reached through an index made when the program is compiled.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tarnwick::detail {

template <std::size_t L>
constexpr int placeOf(const std::array<std::string_view, L>& list, std::string_view name) {
    for (std::size_t i = 0; i < L; ++i)
        if (list[i] == name)
            return static_cast<int>(i);
    return -1;
}

// For each place in list, the row of rows for that unit, or -1. A row whose
// unit is not in the list does not compile.
template <std::size_t L, typename Row, std::size_t N>
constexpr std::array<int, L> rowsByPlace(const std::array<std::string_view, L>& list,
                                         const Row (&rows)[N]) {
    std::array<int, L> index{};
    index.fill(-1);
    for (std::size_t r = 0; r < N; ++r)
        index[static_cast<std::size_t>(placeOf(list, rows[r].unit))] = static_cast<int>(r);
    return index;
}

// The row for the unit at place (-1 for a name outside the list), or null.
template <typename Row, std::size_t N, std::size_t L>
const Row* rowAt(const Row (&rows)[N], const std::array<int, L>& index, int place) {
    const int row = place < 0 ? -1 : index[static_cast<std::size_t>(place)];
    return row < 0 ? nullptr : &rows[row];
}

} // namespace tarnwick::detail
