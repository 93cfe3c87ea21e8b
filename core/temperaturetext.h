// SPDX-License-Identifier: MIT
// A temperature as a user writes it: a number directly followed by its
// scale's symbol ("40C", "210F", "372.04K"), the number read as every other
// number of the run is.
#pragma once

#include "core/numbers/numberstyle.h"
#include "engine/temperature.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The temperature in text, or nothing when it is not one. A degree sign
// before the symbol ("40°C") is taken, as it is often pasted with the number.
std::optional<Temperature> readTemperature(std::string_view text, const NumberStyle& numbers);

// Why text is not a temperature, going on from the name of what asked for
// one: "takes a temperature such as 40C, 210F or 372.04K, not '40'".
std::string temperatureTextProblem(std::string_view text);

} // namespace tarnwick
