// SPDX-License-Identifier: MIT
#include "engine.h"

#include <string>

namespace tarnwick {

std::string_view describe(FloatingPointError::Condition condition) noexcept {
    switch (condition) {
    case FloatingPointError::Condition::InvalidOperation:
        return "invalid operation";
    case FloatingPointError::Condition::DivisionByZero:
        return "division by zero";
    case FloatingPointError::Condition::Overflow:
        return "overflow";
    }
    return "floating-point error";
}

FloatingPointError::FloatingPointError(Condition condition)
    : std::runtime_error("floating-point error: " + std::string(describe(condition)))
    , m_condition(condition) {}

} // namespace tarnwick
