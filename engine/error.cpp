// SPDX-License-Identifier: MIT
#include "engine/engine.h"

#include <string>

namespace tarnwick {

std::string_view describe(ConversionError::Condition condition) noexcept {
    switch (condition) {
    case ConversionError::Condition::InvalidOperation:
        return "invalid operation";
    case ConversionError::Condition::DivisionByZero:
        return "division by zero";
    case ConversionError::Condition::Overflow:
        return "overflow";
    case ConversionError::Condition::OutOfRange:
        return "out of range";
    }
    return "floating-point error";
}

ConversionError::ConversionError(Condition condition)
    : std::runtime_error("floating-point error: " + std::string(describe(condition)))
    , m_condition(condition) {}

ConversionError::ConversionError(Condition condition, const std::string& message)
    : std::runtime_error(message)
    , m_condition(condition) {}

} // namespace tarnwick
