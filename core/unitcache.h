// SPDX-License-Identifier: MIT
// Units found by their texts, each distinct text once: a batch names the
// same few units row after row, and finding one by its name is the costly
// part of a row.
#pragma once

#include "core/unitnames.h"
#include "engine/engine.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarnwick {

// A text of up to 15 bytes as its length and two words that between them
// hold every byte: for 8 bytes or more the first eight and the last eight,
// for 4 to 7 the first four and the last four, below that each byte. Two
// texts are the same exactly when these are, so no byte-wise comparison is
// needed; the loads overlap rather than read past the text.
struct TextKey {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    std::size_t size = 0;

    friend bool operator==(const TextKey&, const TextKey&) = default;
};

// The units of one column: a small table of the texts seen, each kept with
// the unit it names. A text longer than every listed name names none and is
// not kept; once the table is full, further texts are found by name each
// time (a file with that many distinct unit texts is mostly failing rows).
class UnitCache {
public:
    explicit UnitCache(UnitList list)
        : m_list(list) {}

    // The unit text names in this column's list; none when it names none.
    Unit find(std::string_view text);

private:
    static constexpr std::size_t slotBits = 6;
    static constexpr std::size_t kept = 48; // of 64 slots, so that a search ends soon

    struct Entry {
        bool used = false;
        TextKey key;
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
