// SPDX-License-Identifier: MIT
#include "inputchecks.h"

namespace tarnwick {

std::string cannotComputeMessage(FloatingPointError::Condition condition) {
    return "The result cannot be computed: " + std::string(describe(condition)) + ".";
}

} // namespace tarnwick
