// SPDX-License-Identifier: MIT
// Units found by their texts, each distinct text once: a batch names the
// same few units row after row, and finding one by its name is the costly
// part of a row.
#pragma once

#include "core/conversion.h"
#include "core/unitnames.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick {

// The units of one column: a small table of the texts seen, each kept with
// the unit it names. A text longer than every listed name names none and is
// not kept; once the table is full, further texts are found by name each
// time (a file with that many distinct unit texts is mostly failing rows).
class UnitCache {
public:
    explicit UnitCache(UnitList list)
        : m_list(list) {}

    UnitInput find(std::string_view text);

private:
    static constexpr std::size_t slotBits = 6;
    static constexpr std::size_t kept = 48; // of 64 slots, so that a search ends soon

    struct Entry {
        std::uint64_t key = 0; // 0: unused
        std::array<char, 16> text{};
        Unit unit;
    };

    UnitList m_list;
    std::array<Entry, std::size_t(1) << slotBits> m_entries{};
    std::size_t m_count = 0;
};

// One for each unit column of a conversion.
class ConversionUnitCache {
public:
    // densities: the from and to columns hold density units.
    explicit ConversionUnitCache(bool densities)
        : from(densities ? UnitList::density : UnitList::viscosity)
        , to(densities ? UnitList::density : UnitList::viscosity) {}

    UnitCache from;
    UnitCache to;
    UnitCache densityUnit{UnitList::density};
};

} // namespace tarnwick
