// SPDX-License-Identifier: MIT
// A value, or the failure that stands in its place.
#pragma once

#include "core/inputchecks.h"

#include <utility>
#include <variant>

namespace tarnwick {

template <typename T>
class OrFailure {
public:
    OrFailure(T value)
        : m_outcome(std::move(value)) {}
    OrFailure(ConversionFailure failure)
        : m_outcome(std::move(failure)) {}

    explicit operator bool() const noexcept { return m_outcome.index() == 0; }
    const T& operator*() const { return std::get<0>(m_outcome); }
    T& operator*() { return std::get<0>(m_outcome); }
    const T* operator->() const { return &std::get<0>(m_outcome); }
    const ConversionFailure& failure() const { return std::get<1>(m_outcome); }

private:
    std::variant<T, ConversionFailure> m_outcome;
};

// What conversion() returns, or, when the engine refuses to compute it, the
// failure that tells why in the window's words (or the engine's own, for an
// input out of a formula's range).
template <typename Conversion>
auto computed(Conversion&& conversion) -> OrFailure<decltype(conversion())> {
    try {
        return conversion();
    } catch (const ConversionError& error) {
        return ConversionFailure{std::nullopt, cannotComputeMessage(error)};
    }
}

} // namespace tarnwick
