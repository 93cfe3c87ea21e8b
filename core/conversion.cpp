// SPDX-License-Identifier: MIT
#include "core/conversion.h"

#include "core/numbers/localnumber.h"
#include "core/numbers/plainnumber.h"
#include "core/unitnames.h"
#include "engine/engine.h"

namespace tarnwick {
namespace {

// Runs one conversion of the engine and writes its result; a result that
// cannot be computed is a failure with the window's words for it.
template <typename Conversion>
bool compute(Conversion&& conversion, const NumberStyle& numbers, std::string& out,
             ConversionFailure& failure) {
    try {
        const double result = conversion();
        numbers.append(out, result);
        return true;
    } catch (const ConversionError& error) {
        failure = {cannotComputeMessage(error), std::nullopt};
        return false;
    }
}

bool fails(const InputCheck& check, ConversionFailure& failure) {
    failure = {std::string(check.message), check.control};
    return false;
}

bool isGravityScale(std::string_view unit) {
    return unit == "deg API" || unit == "deg Baume";
}

} // namespace

std::string withoutTrailingBlanks(std::string_view message) {
    while (!message.empty() && message.back() == ' ')
        message.remove_suffix(1);
    return std::string(message);
}

std::string_view defaultDensityText() {
    // Written once, in the form that every number style reads.
    static const std::string text = [] {
        std::string shortest;
        plainNumber::appendShortest(shortest, defaultDensity);
        return shortest;
    }();
    return text;
}

std::string defaultDensityNote(std::string_view densityUnit) {
    return "no density given; using " + std::string(defaultDensityText()) + " " +
           std::string(densityUnit);
}

std::string startingValueText(const NumberSymbols& symbols) {
    return localNumber::fixed(1, 0, symbols);
}

std::string startingDensityText(const NumberSymbols& symbols) {
    return localNumber::fixed(defaultDensity, 1, symbols);
}

bool Converter::convert(const ConversionTexts& texts, std::string& out,
                        ConversionFailure& failure) {
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
    if (failed)
        return fails(*failed, failure);

    for (const Control control : {Control::convCombo, Control::densityCombo, Control::toCombo}) {
        const UnitKind kind =
            control == Control::densityCombo ? UnitKind::density : UnitKind::viscosity;
        if (!isListedUnit(textOf(control), kind)) {
            failure = {unknownUnitMessage(textOf(control), kind), control};
            return false;
        }
    }

    if (!texts.densityGiven && readsDensity(texts.fromUnit, texts.toUnit))
        m_defaultDensityRead = true;
    return compute(
        [&] {
            return convertViscosity(*value, texts.fromUnit, texts.toUnit, *density,
                                    texts.densityUnit);
        },
        m_numbers, out, failure);
}

const InputCheck* failedDensityValueCheck(double value, std::string_view fromUnit) {
    if (!(value > 0) && !isGravityScale(fromUnit))
        return &inputCheck(Control::densityText, InputCheck::Rule::positive);
    return nullptr;
}

bool Converter::convertDensity(const DensityTexts& texts, std::string& out,
                               ConversionFailure& failure) {
    using Rule = InputCheck::Rule;
    const std::optional<double> value = m_numbers.parse(texts.value);
    if (!value)
        return fails(inputCheck(Control::densityText, Rule::numeric), failure);
    const std::pair<std::string_view, Control> units[] = {{texts.fromUnit, Control::convCombo},
                                                          {texts.toUnit, Control::toCombo}};
    for (const auto& [unit, control] : units) {
        if (unit.empty()) {
            failure = {std::string(inputCheck(Control::densityCombo, Rule::unitGiven).message),
                       control};
            return false;
        }
        if (!isListedUnit(unit, UnitKind::density)) {
            failure = {unknownUnitMessage(unit, UnitKind::density), control};
            return false;
        }
    }
    if (const InputCheck* check = failedDensityValueCheck(*value, texts.fromUnit))
        return fails(*check, failure);
    return compute([&] { return tarnwick::convertDensity(*value, texts.fromUnit, texts.toUnit); },
                   m_numbers, out, failure);
}

bool Converter::takeDefaultDensityNote() {
    if (!m_defaultDensityRead || m_noteTaken)
        return false;
    m_noteTaken = true;
    return true;
}

} // namespace tarnwick
