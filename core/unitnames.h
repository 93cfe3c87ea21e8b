// SPDX-License-Identifier: MIT
// Unit names typed by the user, checked against the two lists.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

enum class UnitKind { viscosity, density };

// Whether name is exactly (case and blanks included) an entry of the list;
// the empty separator of the viscosity list is not a unit.
bool isListedUnit(std::string_view name, UnitKind kind);

// The list entry nearest to name: fewest single-character edits, a change
// of case counting less than any other edit, the first in list order on a tie.
std::string_view nearestUnit(std::string_view name, UnitKind kind);

// `unknown viscosity unit "CP" (did you mean "cP"?)`
std::string unknownUnitMessage(std::string_view name, UnitKind kind);

// name in double quotes, with bytes that cannot be shown as they are (control
// characters, bytes that are not UTF-8) written as \xNN, and cut short with
// "..." after 60 bytes.
std::string quoted(std::string_view name);

} // namespace tarnwick
