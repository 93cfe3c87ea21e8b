// SPDX-License-Identifier: MIT
#include "core/unitcache.h"

#include "core/conversion.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace tarnwick {
namespace {

template <typename Word>
std::uint64_t wordAt(const char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

TextKey keyOf(std::string_view text) {
    const std::size_t n = text.size();
    const char* bytes = text.data();
    if (n >= 8)
        return {wordAt<std::uint64_t>(bytes), wordAt<std::uint64_t>(bytes + n - 8), n};
    if (n >= 4)
        return {wordAt<std::uint32_t>(bytes), wordAt<std::uint32_t>(bytes + n - 4), n};
    if (n == 0)
        return {};
    const auto byte = [&](std::size_t i) {
        return static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i]));
    };
    return {byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16, 0, n};
}

constexpr std::size_t longestName(std::span<const std::string_view> names) {
    std::size_t longest = 0;
    for (const std::string_view name : names)
        longest = std::max(longest, name.size());
    return longest;
}

} // namespace

Unit UnitCache::find(std::string_view text) {
    static_assert(longestName(viscosityUnits) < 16 && longestName(densityUnits) < 16);
    if (text.size() >= 16)
        return Unit(); // longer than any listed name
    const TextKey key = keyOf(text);
    constexpr std::size_t mask = (std::size_t(1) << slotBits) - 1;
    const std::uint64_t mixed =
        (key.first ^ key.last * 0xFF51AFD7ED558CCD ^ key.size) * 0x9E3779B97F4A7C15;
    for (auto i = static_cast<std::size_t>(mixed >> (64 - slotBits));; i = (i + 1) & mask) {
        Entry& entry = m_entries[i];
        if (entry.used && entry.key == key)
            return entry.unit;
        if (entry.used)
            continue;
        const Unit unit = m_list == UnitList::viscosity ? viscosityUnit(text) : Unit::density(text);
        if (m_count < kept) {
            entry = {true, key, unit};
            ++m_count;
        }
        return unit;
    }
}

} // namespace tarnwick
