// SPDX-License-Identifier: MIT
// What a computation comes to, as one text a table row can state: the
// result, the words it is refused with, or the arithmetic condition it
// throws.
#pragma once

#include "engine/engine.h"
#include "engine/temperature.h"

#include <fmt/format.h>
#include <string>
#include <type_traits>

namespace tarnwick::testing {

// How a double result is written: with 8 decimals, as the converter writes
// it (results through logarithms and powers may differ in the last bit
// between C libraries, but not there), or as the shortest text that reads
// back as the same double (for + - * / and square roots alone, which give
// the same bits everywhere).
enum class Digits { eight, exact };

template <typename Computation>
std::string outcome(Computation computation, Digits digits = Digits::eight) {
    try {
        const auto result = computation();
        if constexpr (std::is_same_v<decltype(result), const double>)
            return digits == Digits::exact ? fmt::format("{}", result)
                                           : fmt::format("{:.8f}", result);
        else
            return result;
    } catch (const ConversionError& e) {
        // A refusal in its own words; an arithmetic condition in the engine's.
        if (e.condition() == ConversionError::Condition::OutOfRange)
            return e.what();
        return "floating-point error: " + std::string(describe(e.condition()));
    }
}

// Temperatures as rows write them: C(40), F(210), K(372.04).
constexpr Temperature C(double t) {
    return {t, TemperatureScale::Celsius};
}
constexpr Temperature F(double t) {
    return {t, TemperatureScale::Fahrenheit};
}
constexpr Temperature K(double t) {
    return {t, TemperatureScale::Kelvin};
}

} // namespace tarnwick::testing
