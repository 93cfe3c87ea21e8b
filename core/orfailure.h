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
    const T* operator->() const { return &std::get<0>(m_outcome); }
    const ConversionFailure& failure() const { return std::get<1>(m_outcome); }

private:
    std::variant<T, ConversionFailure> m_outcome;
};

} // namespace tarnwick
