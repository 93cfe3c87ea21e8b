// SPDX-License-Identifier: MIT
#include "core/unitnames.h"

#include "core/utf8.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace tarnwick {
namespace {

std::span<const std::string_view> listOf(UnitList list) {
    if (list == UnitList::viscosity)
        return viscosityUnits;
    return densityUnits;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edit distance in tenths: a change of case costs 1, any other edit 10.
int distance(std::string_view a, std::string_view b) {
    std::vector<int> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j) * 10;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i) * 10;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const char x = a[i - 1];
            const char y = b[j - 1];
            const int change = x == y ? 0 : lower(x) == lower(y) ? 1 : 10;
            const int best = std::min({row[j] + 10, row[j - 1] + 10, diagonal + change});
            diagonal = row[j];
            row[j] = best;
        }
    }
    return row[b.size()];
}

} // namespace

std::string_view nearestUnit(std::string_view name, UnitList list) {
    std::string_view nearest;
    int best = -1;
    const auto consider = [&](std::string_view unit) {
        if (unit.empty())
            return;
        const int d = distance(name, unit);
        if (best < 0 || d < best) {
            best = d;
            nearest = unit;
        }
    };
    for (const std::string_view unit : listOf(list))
        consider(unit);
    // A viscosity may also be an efflux scale reading.
    if (list == UnitList::viscosity)
        for (const EffluxScale& scale : effluxScales)
            consider(scale.name);
    return nearest;
}

std::string unknownUnitMessage(std::string_view name, UnitList list) {
    const char* what = list == UnitList::viscosity ? "viscosity" : "density";
    return std::string("unknown ") + what + " unit " + quoted(name) + " (did you mean " +
           quoted(nearestUnit(name, list)) + "?)";
}

std::string quoted(std::string_view name) {
    // A message shows the start of a long text; a whole field could be huge.
    constexpr std::size_t shown = 60;
    const bool cut = name.size() > shown;
    name = name.substr(0, shown);
    std::string text = "\"";
    while (!name.empty()) {
        const auto c = static_cast<unsigned char>(name.front());
        std::size_t length = c >= 0x20 && c < 0x7F ? 1
                             : c >= 0x80           ? firstCodePoint(name).length
                                                   : 0;
        if (length == 0) {
            constexpr std::string_view hex = "0123456789ABCDEF";
            text += "\\x";
            text += hex[c >> 4];
            text += hex[c & 0xF];
            length = 1;
        } else {
            if (c == '"' || c == '\\')
                text += '\\';
            text.append(name.substr(0, length));
        }
        name.remove_prefix(length);
    }
    return text + (cut ? "...\"" : "\"");
}

} // namespace tarnwick
