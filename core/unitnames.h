// SPDX-License-Identifier: MIT
// Unit names typed by the user, checked against the two lists.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// The two lists a unit name can be looked for in.
enum class UnitList { viscosity, density };

// The list entry nearest to name, or for a viscosity the efflux scale: fewest single-character
// edits, a change of case counting less than any other edit, the first in list order on a tie.
std::string_view nearestUnit(std::string_view name, UnitList list);

// `unknown viscosity unit "CP" (did you mean "cP"?)`
std::string unknownUnitMessage(std::string_view name, UnitList list);

// name in double quotes, with bytes that cannot be shown as they are (control
// characters, bytes that are not UTF-8) written as \xNN, and cut short with
// "..." after 60 bytes.
std::string quoted(std::string_view name);

} // namespace tarnwick
