// SPDX-License-Identifier: MIT
#include "core/batchoptions.h"

#include "core/conversion.h"
#include "core/inputchecks.h"
#include "core/temperaturetext.h"
#include "core/unitnames.h"
#include "engine/engine.h"

namespace tarnwick {

std::optional<char> namedSeparator(std::string_view text) {
    if (text == "\\t")
        return '\t';
    if (text.size() != 1 || text == "\"" || text == "\n" || text == "\r")
        return std::nullopt;
    return text[0];
}

bool isTabSeparatedName(std::string_view fileName) {
    constexpr std::string_view suffix = ".tsv";
    if (fileName.size() <= suffix.size())
        return false;
    const std::string_view end = fileName.substr(fileName.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if ((end[i] | 0x20) != suffix[i])
            return false;
    return true;
}

char batchSeparator(std::string_view fileName, bool tsv, std::optional<char> delimiter) {
    if (delimiter)
        return *delimiter;
    return tsv || isTabSeparatedName(fileName) ? '\t' : ',';
}

std::string describe(const OptionProblem& problem, std::string_view optionName) {
    return std::string(optionName) + (problem.continuesName ? " " : ": ") + problem.message;
}

OptionProblem separatorProblem(std::string_view text) {
    return {BatchOption::delimiter,
            "takes one character other than a quote or a line break, not '" + std::string(text) +
                "'",
            true};
}

OptionProblem valueColumnProblem(std::string_view text) {
    return {BatchOption::valueColumn,
            "takes a whole number from 1 to " + std::to_string(maxValueColumn) + ", not '" +
                std::string(text) + "'",
            true};
}

std::optional<OptionProblem> atProblem(const std::optional<std::string>& at,
                                       const NumberStyle& numbers) {
    if (!at || readTemperature(*at, numbers))
        return std::nullopt;
    return OptionProblem{BatchOption::at, temperatureTextProblem(*at), true};
}

std::optional<OptionProblem> batchOptionProblem(const BatchOptions& options,
                                                const NumberStyle& numbers) {
    using Rule = InputCheck::Rule;
    // The reader cannot split rows on these, and a column outside the range
    // would index no field.
    const std::string_view separator(&options.separator, 1);
    if (!namedSeparator(separator))
        return separatorProblem(separator);
    if (options.valueColumn && (*options.valueColumn < 1 || *options.valueColumn > maxValueColumn))
        return valueColumnProblem(std::to_string(*options.valueColumn));
    if (auto problem = atProblem(options.at, numbers))
        return problem;
    if (options.density) {
        const auto density = numbers.parse(*options.density);
        const auto problem = [](const InputCheck& check) {
            return OptionProblem{BatchOption::density, withoutTrailingBlanks(check.message)};
        };
        if (!density)
            return problem(inputCheck(Input::density, Rule::numeric));
        if (!(*density > 0))
            return problem(inputCheck(Input::density, Rule::positive));
    }
    const UnitList rowUnits = options.densities ? UnitList::density : UnitList::viscosity;
    const struct {
        const std::optional<std::string>& value;
        BatchOption option;
        UnitList list;
        const InputCheck& given;
    } units[] = {
        {options.densityUnit, BatchOption::densityUnit, UnitList::density,
         inputCheck(Input::densityUnit, Rule::unitGiven)},
        {options.fromUnit, BatchOption::fromUnit, rowUnits,
         options.densities ? inputCheck(Input::densityUnit, Rule::unitGiven)
                           : inputCheck(Input::fromUnit, Rule::unitGiven)},
        {options.toUnit, BatchOption::toUnit, rowUnits,
         options.densities ? inputCheck(Input::densityUnit, Rule::unitGiven)
                           : inputCheck(Input::toUnit, Rule::unitGiven)},
    };
    for (const auto& unit : units) {
        if (!unit.value)
            continue;
        const Unit found = unit.list == UnitList::viscosity ? viscosityUnit(*unit.value)
                                                            : Unit::density(*unit.value);
        if (found.known())
            continue;
        return OptionProblem{unit.option, unit.value->empty()
                                              ? withoutTrailingBlanks(unit.given.message)
                                              : unknownUnitMessage(*unit.value, unit.list)};
    }
    return std::nullopt;
}

} // namespace tarnwick
