// SPDX-License-Identifier: MIT
#include "core/temperaturetext.h"

#include <cmath>

namespace tarnwick {

namespace {

constexpr std::string_view degreeSign = "\u00B0";

} // namespace

std::optional<Temperature> readTemperature(std::string_view text, const NumberStyle& numbers) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    for (std::size_t scale = 0; scale < temperatureSymbols.size(); ++scale) {
        std::string_view number = text;
        if (!number.ends_with(temperatureSymbols[scale]))
            continue;
        number.remove_suffix(temperatureSymbols[scale].size());
        if (number.ends_with(degreeSign))
            number.remove_suffix(degreeSign.size());
        const std::optional<double> value = numbers.parse(number);
        // A number style reads only finite numbers; the test keeps a
        // temperature of infinity out should one ever read more.
        if (!value || !std::isfinite(*value))
            return std::nullopt;
        return Temperature{*value, static_cast<TemperatureScale>(scale)};
    }
    return std::nullopt;
}

std::string temperatureTextProblem(std::string_view text) {
    return "takes a temperature such as 40C, 210F or 372.04K, not '" + std::string(text) + "'";
}

} // namespace tarnwick
