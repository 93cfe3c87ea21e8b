// SPDX-License-Identifier: MIT
// What makes a calculation's five inputs usable, and what the user is told
// when they are not or when the result cannot be computed. Standard library
// only, so that every front end applies the same checks with the same words.
#pragma once

#include "engine/engine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The controls of the main window that hold the inputs and the result, by
// their design names; other front ends name their inputs after them.
enum class Control {
    convertText,  // viscosity value
    densityText,  // fluid density value
    convCombo,    // unit of the viscosity value
    densityCombo, // unit of the density
    toCombo,      // unit wanted
    txtResult,    // the result
};

struct InputCheck {
    enum class Rule { numeric, positive, unitGiven };

    Control control; // the input examined, which gets the focus when it fails
    Rule rule;
    std::string_view message;
};

// In this order: both numeric tests come before both sign tests, so a bad
// density is reported before a negative viscosity. The blanks after
// "specified." belong to the messages.
inline constexpr std::array<InputCheck, 7> inputChecks{{
    {Control::convertText, InputCheck::Rule::numeric, "Viscosity input value is invalid"},
    {Control::densityText, InputCheck::Rule::numeric, "Density input value is invalid"},
    {Control::convertText, InputCheck::Rule::positive,
     "Input Error: Viscosity input value is zero or negative"},
    {Control::densityText, InputCheck::Rule::positive,
     "Input Error: Density input value is zero or negative"},
    {Control::convCombo, InputCheck::Rule::unitGiven, "Viscosity unit is not specified. "},
    {Control::densityCombo, InputCheck::Rule::unitGiven, "Density unit is not specified. "},
    {Control::toCombo, InputCheck::Rule::unitGiven, "Conversion unit is not specified. "},
}};

// The check of rule on control; a pair that is not in the table does not
// compile.
consteval const InputCheck& inputCheck(Control control, InputCheck::Rule rule) {
    for (const InputCheck& check : inputChecks)
        if (check.control == control && check.rule == rule)
            return check;
    throw "no such input check";
}

// Runs the checks in order and returns the first that fails, or null when
// every input is usable. number(control) is the input read as a number
// (nothing when it is not one) and isEmpty(control) whether a unit input is
// empty; each is asked afresh for every check that needs it.
template <typename Number, typename IsEmpty>
const InputCheck* firstFailedCheck(Number&& number, IsEmpty&& isEmpty) {
    for (const InputCheck& check : inputChecks) {
        bool fails = false;
        switch (check.rule) {
        case InputCheck::Rule::numeric:
            fails = !number(check.control).has_value();
            break;
        case InputCheck::Rule::positive:
            fails = !(number(check.control).value_or(0) > 0);
            break;
        case InputCheck::Rule::unitGiven:
            fails = isEmpty(check.control);
            break;
        }
        if (fails)
            return &check;
    }
    return nullptr;
}

// The control's design name, "convertText": the window's object name and the
// web page's element id.
std::string_view designName(Control control);

// The words for a result that cannot be computed, e.g.
// "The result cannot be computed: division by zero."; an input out of a
// formula's range is told in the engine's own words.
std::string cannotComputeMessage(const ConversionError& error);

} // namespace tarnwick
