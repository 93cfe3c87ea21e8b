// SPDX-License-Identifier: MIT
#include "core/unitcache.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace tarnwick {
namespace {

// Texts are told apart by their length and four of their bytes, which the
// listed names all differ in; the whole text is compared on a match. Never
// 0 for a text of up to 16 bytes.
std::uint64_t keyOf(std::string_view text) {
    const std::size_t n = text.size();
    if (n == 0)
        return 1 << 8;
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(text[i]));
    };
    return (n + 1) << 8 | byte(0) << 16 | byte(n / 2) << 24 | byte(n > 1 ? n - 2 : 0) << 32 |
           byte(n - 1) << 40;
}

constexpr std::size_t longestName(std::span<const std::string_view> names) {
    std::size_t longest = 0;
    for (const std::string_view name : names)
        longest = std::max(longest, name.size());
    return longest;
}

} // namespace

UnitInput UnitCache::find(std::string_view text) {
    static_assert(longestName(viscosityUnits) < sizeof(Entry::text) &&
                  longestName(densityUnits) < sizeof(Entry::text));
    if (text.size() >= sizeof(Entry::text))
        return {text, Unit()}; // longer than any listed name
    const std::uint64_t key = keyOf(text);
    constexpr std::size_t mask = (std::size_t(1) << slotBits) - 1;
    for (auto i = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15) >> (64 - slotBits));;
         i = (i + 1) & mask) {
        Entry& entry = m_entries[i];
        // An empty text's view may have no data at all, which the C
        // functions must not be handed.
        if (entry.key == key &&
            (text.empty() || std::memcmp(entry.text.data(), text.data(), text.size()) == 0))
            return {text, entry.unit};
        if (entry.key != 0)
            continue;
        const Unit unit = m_list == UnitList::viscosity ? viscosityUnit(text) : Unit::density(text);
        if (m_count < kept) {
            entry.key = key;
            if (!text.empty())
                std::memcpy(entry.text.data(), text.data(), text.size());
            entry.unit = unit;
            ++m_count;
        }
        return {text, unit};
    }
}

} // namespace tarnwick
