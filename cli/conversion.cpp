// SPDX-License-Identifier: MIT
#include "conversion.h"

#include "engine.h"
#include "inputchecks.h"
#include "unitnames.h"

#include <optional>

namespace tarnwick::cli {

std::string withoutTrailingBlanks(std::string_view message) {
    while (!message.empty() && message.back() == ' ')
        message.remove_suffix(1);
    return std::string(message);
}

bool Converter::convert(const ConversionTexts& texts, std::string& out, std::string& message) {
    // Each number is read once: the texts cannot change between the checks.
    const std::optional<double> value = m_numbers.parse(texts.value);
    const std::optional<double> density = m_numbers.parse(texts.density);
    const auto textOf = [&](Control control) {
        switch (control) {
        case Control::convCombo:
            return texts.fromUnit;
        case Control::densityCombo:
            return texts.densityUnit;
        case Control::toCombo:
            return texts.toUnit;
        default:
            return std::string_view();
        }
    };
    const InputCheck* failed = firstFailedCheck(
        [&](Control control) { return control == Control::convertText ? value : density; },
        [&](Control control) { return textOf(control).empty(); });
    if (failed) {
        message = withoutTrailingBlanks(failed->message);
        return false;
    }

    const std::pair<std::string_view, UnitKind> names[] = {
        {texts.fromUnit, UnitKind::viscosity},
        {texts.densityUnit, UnitKind::density},
        {texts.toUnit, UnitKind::viscosity},
    };
    for (const auto& [name, kind] : names) {
        if (!isListedUnit(name, kind)) {
            message = unknownUnitMessage(name, kind);
            return false;
        }
    }

    if (!texts.densityGiven && readsDensity(texts.fromUnit, texts.toUnit))
        m_defaultDensityRead = true;
    try {
        const double result =
            convertViscosity(*value, texts.fromUnit, texts.toUnit, *density, texts.densityUnit);
        m_numbers.append(out, result);
        return true;
    } catch (const FloatingPointError& error) {
        message = cannotComputeMessage(error.condition());
        return false;
    }
}

bool Converter::takeDefaultDensityNote() {
    if (!m_defaultDensityRead || m_noteTaken)
        return false;
    m_noteTaken = true;
    return true;
}

} // namespace tarnwick::cli
