// SPDX-License-Identifier: MIT
#include "engine/engine.h"

#include <cstdint>

namespace tarnwick {
namespace {

// Names are looked up several times for every conversion, and a file of
// conversions names its units in no particular order. A search from the
// front (scanForUnit, which tests compare this with) mispredicts a branch
// for nearly every name it passes, and so does std::unordered_map's
// hashing of the letters: measured on the batch benchmark, each missed its
// goal. So a name is hashed from its length and five of its letters into
// one of 64 slots, and only that slot's name is compared. The hash is
// chosen when the program is compiled, so that no two listed names share a
// slot.
constexpr std::uint64_t keyOf(std::string_view name) {
    const std::size_t n = name.size();
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i]));
    };
    const std::size_t afterMiddle = n / 2 + 1 < n ? n / 2 + 1 : n - 1;
    return n | byte(0) << 8 | byte(n / 2) << 16 | byte(afterMiddle) << 24 |
           byte(n > 1 ? n - 2 : 0) << 32 | byte(n - 1) << 40;
}

constexpr int slotOf(std::uint64_t key, std::uint64_t multiplier) {
    return static_cast<int>((key * multiplier) >> 58);
}

template <std::size_t N>
struct NameTable {
    std::uint64_t multiplier = 0;
    std::array<signed char, 64> index{};
};

template <std::size_t N>
constexpr NameTable<N> tableFor(const std::array<std::string_view, N>& names) {
    for (std::uint64_t multiplier = 0x9E3779B97F4A7C15;; multiplier += 0x2545F4914F6CDD1D) {
        NameTable<N> table{multiplier, {}};
        table.index.fill(-1);
        bool clash = false;
        for (std::size_t i = 0; i < N && !clash; ++i) {
            if (names[i].empty())
                continue;
            auto& slot = table.index[static_cast<std::size_t>(slotOf(keyOf(names[i]), multiplier))];
            clash = slot >= 0;
            slot = static_cast<signed char>(i);
        }
        if (!clash)
            return table;
    }
}

constexpr auto viscosityTable = tableFor(viscosityUnits);
constexpr auto densityTable = tableFor(densityUnits);

template <std::size_t N>
int find(const NameTable<N>& table, const std::array<std::string_view, N>& names,
         std::string_view name) {
    if (name.empty())
        return -1;
    const int index = table.index[static_cast<std::size_t>(slotOf(keyOf(name), table.multiplier))];
    return index >= 0 && names[static_cast<std::size_t>(index)] == name ? index : -1;
}

} // namespace

int viscosityUnitIndex(std::string_view name) noexcept {
    return find(viscosityTable, viscosityUnits, name);
}

int densityUnitIndex(std::string_view name) noexcept {
    return find(densityTable, densityUnits, name);
}

} // namespace tarnwick
