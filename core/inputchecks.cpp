// SPDX-License-Identifier: MIT
#include "core/inputchecks.h"

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

std::string cannotComputeMessage(const ConversionError& error) {
    if (error.condition() == ConversionError::Condition::OutOfRange)
        return error.what();
    return "The result cannot be computed: " + std::string(describe(error.condition())) + ".";
}

} // namespace tarnwick
