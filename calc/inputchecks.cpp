// SPDX-License-Identifier: MIT
#include "inputchecks.h"

namespace tarnwick {

std::string_view designName(Control control) {
    switch (control) {
    case Control::convertText:
        return "convertText";
    case Control::densityText:
        return "densityText";
    case Control::convCombo:
        return "convCombo";
    case Control::densityCombo:
        return "densityCombo";
    case Control::toCombo:
        return "toCombo";
    case Control::txtResult:
        return "txtResult";
    }
    return {};
}

std::string cannotComputeMessage(FloatingPointError::Condition condition) {
    return "The result cannot be computed: " + std::string(describe(condition)) + ".";
}

} // namespace tarnwick
