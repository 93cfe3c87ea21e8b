// SPDX-License-Identifier: MIT
#include "core/unitcache.h"

#include <functional>

namespace tarnwick {

UnitInput UnitCache::find(std::string_view text) {
    // Open addressing: the slot of the text's hash, or the next ones.
    for (std::size_t i = std::hash<std::string_view>()(text) % slots;; i = (i + 1) % slots) {
        Entry& entry = m_entries[i];
        if (entry.used && entry.text == text)
            return {text, entry.unit};
        if (entry.used)
            continue;
        const Unit unit =
            m_list == UnitList::viscosity ? Unit::viscosity(text) : Unit::density(text);
        if (m_count < kept) {
            entry = {std::string(text), unit, true};
            ++m_count;
        }
        return {text, unit};
    }
}

} // namespace tarnwick
