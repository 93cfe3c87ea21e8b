// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "cli/optiontable.h"
#include "core/batchoptions.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace tarnwick::cli {
namespace {

using Mode = Options::Mode;

// "--a, --b and --c"
std::string listOf(bool OptionInfo::*selected) {
    std::vector<std::string> names;
    for (const OptionInfo& option : optionTable)
        if (option.*selected)
            names.push_back("--" + std::string(option.name));
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

const OptionInfo* findLong(std::string_view name) {
    const OptionInfo* found = nullptr;
    int matches = 0;
    for (const OptionInfo& option : optionTable) {
        if (option.name == name)
            return &option;
        if (option.name.starts_with(name)) {
            found = &option;
            ++matches;
        }
    }
    return matches == 1 ? found : nullptr;
}

const OptionInfo* findShort(char letter) {
    for (const OptionInfo& option : optionTable)
        if (option.letter != 0 && option.letter == letter)
            return &option;
    return nullptr;
}

[[noreturn]] void unknown(const std::string& shown) {
    if (shown.size() == 2 && shown[1] >= '0' && shown[1] <= '9')
        throw UsageError("invalid option '" + shown +
                         "'; to give a negative value, put '--' before it");
    throw UsageError("unrecognized or ambiguous option '" + shown + "'");
}

std::string_view oilOption(OilQuestion question) {
    switch (question) {
    case OilQuestion::viscosityAt:
    case OilQuestion::temperatureReaching:
        return "--temperature";
    case OilQuestion::viscosityIndex:
        return "--viscosity-index";
    case OilQuestion::grade:
        return "--grade";
    case OilQuestion::blend:
    case OilQuestion::blendFraction:
        return "--blend";
    }
    return {};
}

// The question asked, its operands, and the options that go with it; a
// conversion's units and density do not.
OilQuestion checkedOilQuestion(const ParsedArguments& reading) {
    const Options& o = reading.options;
    const std::string mode(oilOption(*o.oil));
    constexpr std::string_view usable[] = {
        "temperature", "reaching",  "viscosity-index", "grade",      "blend",
        "target",      "decimals",  "shortest",        "locale",     "batch",
        "tsv",         "delimiter", "header",          "result-name"};
    for (const OptionInfo* option : reading.given)
        if (std::find(std::begin(usable), std::end(usable), option->name) == std::end(usable))
            throw UsageError("--" + std::string(option->name) + " does not go with " + mode);
    OilQuestion question = *o.oil;
    if (o.reaching && question != OilQuestion::viscosityAt)
        throw UsageError("--reaching goes with --temperature");
    if (o.target && question != OilQuestion::blend)
        throw UsageError("--target goes with --blend");
    if (o.reaching)
        question = OilQuestion::temperatureReaching;
    if (o.target)
        question = OilQuestion::blendFraction;
    if (o.mode == Mode::batch) {
        if (question != OilQuestion::viscosityAt && question != OilQuestion::viscosityIndex &&
            question != OilQuestion::grade)
            throw UsageError("--batch answers --temperature (with T), --viscosity-index and "
                             "--grade, not " +
                             mode +
                             (o.reaching ? " --reaching"
                              : o.target ? " --target"
                                         : ""));
        if (o.operands.size() > 1)
            throw UsageError("--batch reads one FILE at most");
        return question;
    }
    // --reaching and --target give the last operand.
    const std::span<const std::string_view> names =
        operandNames(question).first(operandNames(question).size() - (o.reaching || o.target));
    if (o.operands.size() != names.size()) {
        std::string expected;
        for (const std::string_view name : names)
            expected.append(" ").append(name);
        throw UsageError(mode +
                         (o.reaching ? " --reaching V"
                          : o.target ? " --target V"
                                     : "") +
                         " expects" + expected);
    }
    return question;
}

// What holds for every mode.
void checkNumbersAndBatch(const ParsedArguments& reading) {
    const Options& o = reading.options;
    if (o.shortest && o.decimalsGiven)
        throw UsageError("--shortest and --decimals cannot be combined");
    if (o.shortest && o.locale)
        throw UsageError("--shortest writes plain numbers and cannot be combined with --locale");
    if (o.tsv && o.delimiter)
        throw UsageError("--tsv and --delimiter cannot be combined");
    const bool batchOnly = std::any_of(reading.given.begin(), reading.given.end(),
                                       [](const OptionInfo* option) { return option->batchOnly; });
    if (batchOnly && o.mode != Mode::batch)
        throw UsageError(listOf(&OptionInfo::batchOnly) + " go with --batch");
}

void checkCombinations(const ParsedArguments& reading) {
    const Options& o = reading.options;
    if (o.reaching)
        throw UsageError("--reaching goes with --temperature");
    if (o.target)
        throw UsageError("--target goes with --blend");
    if (o.batch.densities && (o.batch.density || o.batch.densityUnit))
        throw UsageError(listOf(&OptionInfo::notWithDensities) + " do not go with --densities");
    if (o.batch.densities && o.batch.at)
        throw UsageError("--at does not go with --densities");
    const auto operands = o.operands.size();
    const bool tooMany =
        (o.mode == Mode::single && operands > 3) || (o.mode == Mode::all && operands > 2);
    if (tooMany)
        throw UsageError("too many operands");
    if (o.mode == Mode::single && operands < 3)
        throw UsageError("expected VALUE FROM TO");
    if (o.mode == Mode::all && operands < 2)
        throw UsageError("--all expects VALUE FROM");
    if (o.mode == Mode::batch && operands > 1)
        throw UsageError("--batch reads one FILE at most");
    if (o.mode == Mode::listUnits && operands != 0)
        throw UsageError("--list-units takes no operands");
}

} // namespace

Options parseArguments(const std::vector<std::string>& arguments) {
    ParsedArguments reading;
    std::size_t i = 0;
    // The value of an option: the rest of its argument, or the next one.
    const auto valueFor = [&](const std::string& shown, std::optional<std::string> attached) {
        if (attached)
            return *attached;
        if (i + 1 >= arguments.size())
            throw UsageError("option '" + shown + "' requires an argument");
        return arguments[++i];
    };
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            reading.options.operands.insert(reading.options.operands.end(),
                                            arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                            arguments.end());
            break;
        }
        if (argument.starts_with("--")) {
            const std::size_t equals = argument.find('=');
            const std::string shown = argument.substr(0, equals);
            const OptionInfo* option = findLong(std::string_view(shown).substr(2));
            if (!option)
                unknown(shown);
            std::optional<std::string> attached;
            if (equals != std::string::npos)
                attached = argument.substr(equals + 1);
            if (option->argument.empty() && attached)
                throw UsageError("option '--" + std::string(option->name) + "' takes no argument");
            option->apply(reading,
                          option->argument.empty() ? std::string() : valueFor(shown, attached));
            reading.given.push_back(option);
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            reading.options.operands.push_back(argument);
            continue;
        }
        // A cluster of short options; one that takes a value ends it.
        for (std::size_t k = 1; k < argument.size(); ++k) {
            const std::string shown = std::string("-") + argument[k];
            const OptionInfo* option = findShort(argument[k]);
            if (!option)
                unknown(shown);
            if (option->argument.empty()) {
                option->apply(reading, {});
                reading.given.push_back(option);
                continue;
            }
            std::optional<std::string> attached;
            if (k + 1 < argument.size())
                attached = argument.substr(k + 1);
            option->apply(reading, valueFor(shown, attached));
            reading.given.push_back(option);
            break;
        }
    }
    if (reading.help || reading.version) {
        reading.options.mode = reading.help ? Mode::help : Mode::version;
        return reading.options;
    }
    checkNumbersAndBatch(reading);
    if (reading.options.oil) {
        reading.options.oil = checkedOilQuestion(reading);
        return reading.options;
    }
    checkCombinations(reading);
    return reading.options;
}

} // namespace tarnwick::cli
