// SPDX-License-Identifier: MIT
#include "core/inputchecks.h"

namespace tarnwick {

std::string cannotComputeMessage(const ConversionError& error) {
    if (error.condition() == ConversionError::Condition::OutOfRange)
        return error.what();
    return "The result cannot be computed: " + std::string(describe(error.condition())) + ".";
}

std::string withoutTrailingBlanks(std::string_view message) {
    while (!message.empty() && message.back() == ' ')
        message.remove_suffix(1);
    return std::string(message);
}

} // namespace tarnwick
