// SPDX-License-Identifier: MIT
// Temperatures for the oil formulas: a value and the scale it is given in.
#pragma once

#include "engine/engine.h" // ConversionError

#include <array>
#include <string_view>

namespace tarnwick {

enum class TemperatureScale { Celsius, Fahrenheit, Kelvin };

// The scales' symbols as a temperature is written ("40C", "210F", "372.04K"),
// in the order of TemperatureScale.
inline constexpr std::array<std::string_view, 3> temperatureSymbols{"C", "F", "K"};

struct Temperature {
    double value;
    TemperatureScale scale;
};

// In kelvin: t + 273.15 from degrees Celsius, (t + 459.67) × 5 / 9 from
// degrees Fahrenheit. Every function here refuses a temperature at or below
// absolute zero (ConversionError, OutOfRange).
double kelvin(Temperature t);
// In degrees Fahrenheit: t × 9 / 5 + 32 from degrees Celsius, T × 9 / 5 − 459.67
// from kelvin.
double fahrenheit(Temperature t);
// A temperature given in kelvin, expressed in scale: T − 273.15 in degrees
// Celsius, T × 9 / 5 − 459.67 in degrees Fahrenheit.
Temperature fromKelvin(double kelvin, TemperatureScale scale);

} // namespace tarnwick
