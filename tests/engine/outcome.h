// SPDX-License-Identifier: MIT
// What a computation comes to, as one text a table row can state: the
// result, or the text of the error it throws.
#pragma once

#include <fmt/format.h>
#include <stdexcept>
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
    } catch (const std::exception& e) {
        return e.what();
    }
}

} // namespace tarnwick::testing
