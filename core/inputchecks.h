// SPDX-License-Identifier: MIT
// What makes a conversion's inputs usable, and what the user is told when
// they are not or when the result cannot be computed. Standard library only,
// so that every front end applies the same checks with the same words.
#pragma once

#include "engine/engine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The inputs of a conversion, by what they mean. Each front end shows them
// in controls of its own (the window's convertText, convCombo, ...).
enum class Input { value, fromUnit, toUnit, density, densityUnit };

struct InputCheck {
    enum class Rule { numeric, positive, unitGiven };

    Input input; // the input examined, which gets the focus when it fails
    Rule rule;
    std::string_view message;
};

// The window's seven checks, in its order: both numeric tests come before
// both sign tests, so a bad density is reported before a negative viscosity.
// The blanks after "specified." belong to the messages.
inline constexpr std::array<InputCheck, 7> inputChecks{{
    {Input::value, InputCheck::Rule::numeric, "Viscosity input value is invalid"},
    {Input::density, InputCheck::Rule::numeric, "Density input value is invalid"},
    {Input::value, InputCheck::Rule::positive,
     "Input Error: Viscosity input value is zero or negative"},
    {Input::density, InputCheck::Rule::positive,
     "Input Error: Density input value is zero or negative"},
    {Input::fromUnit, InputCheck::Rule::unitGiven, "Viscosity unit is not specified. "},
    {Input::densityUnit, InputCheck::Rule::unitGiven, "Density unit is not specified. "},
    {Input::toUnit, InputCheck::Rule::unitGiven, "Conversion unit is not specified. "},
}};

// The check of rule on input; a pair that is not in the table does not
// compile.
consteval const InputCheck& inputCheck(Input input, InputCheck::Rule rule) {
    for (const InputCheck& check : inputChecks)
        if (check.input == input && check.rule == rule)
            return check;
    throw "no such input check";
}

// Why a conversion gave no result: the window's words, trailing blank
// included, and the input at fault; no input for a result that cannot be
// computed.
struct ConversionFailure {
    std::optional<Input> input;
    std::string message;
};

inline ConversionFailure failureOf(const InputCheck& check) {
    return {check.input, std::string(check.message)};
}

// The words for a result that cannot be computed, e.g.
// "The result cannot be computed: division by zero."; an input out of a
// formula's range is told in the engine's own words.
std::string cannotComputeMessage(const ConversionError& error);

// The window's messages, less the blank that ends some of them: on a
// terminal line it is only noise.
std::string withoutTrailingBlanks(std::string_view message);

} // namespace tarnwick
