// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "cli/optiontable.h"
#include "core/batchoptions.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <string_view>

namespace tarnwick::cli {
namespace {

using Mode = Options::Mode;

std::optional<int> wholeNumber(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

void setMode(ParsedArguments& reading, Mode mode) {
    if (reading.modeGiven && reading.options.mode != mode)
        throw UsageError("--all, --batch and --list-units cannot be combined");
    reading.options.mode = mode;
    reading.modeGiven = true;
}

char oneCharacter(const std::string& text) {
    if (const std::optional<char> separator = namedSeparator(text))
        return *separator;
    throw UsageError(describe(separatorProblem(text), optionName(BatchOption::delimiter)));
}

// Every option, once: the parser and --help are both made from it.
constexpr OptionInfo options[] = {
    {"all", 0, "", "Modes", "convert VALUE to every unit of its kind, one a line", false, false,
     [](ParsedArguments& r, const std::string&) { setMode(r, Mode::all); }},
    {"batch", 0, "", "Modes",
     "convert every row of FILE (CSV; standard input when\nFILE is missing or -) and write it "
     "back with the\nresult appended",
     false, false, [](ParsedArguments& r, const std::string&) { setMode(r, Mode::batch); }},
    {"list-units", 0, "", "Modes", "list the viscosity and the density units", false, false,
     [](ParsedArguments& r, const std::string&) { setMode(r, Mode::listUnits); }},
    {"densities", 0, "", "Modes",
     "convert densities between density units instead\n(VALUE FROM TO, --all VALUE FROM, or "
     "batch rows\nVALUE[,FROM[,TO]])",
     false, false,
     [](ParsedArguments& r, const std::string&) { r.options.batch.densities = true; }},
    {"density", 'd', "VALUE", "Density", "fluid density (default {density})", false, true,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.density = v; }},
    {"density-unit", 'u', "UNIT", "Density", "unit of the density (default \"{densityUnit}\")",
     false, true,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.densityUnit = v; }},
    {"decimals", 0, "N", "Numbers", "digits after the decimal point, 0 to 17 (default {decimals})",
     false, false,
     [](ParsedArguments& r, const std::string& v) {
         const std::optional<int> decimals = wholeNumber(v, 0, 17);
         if (!decimals)
             throw UsageError("--decimals takes a whole number from 0 to 17, not '" + v + "'");
         r.options.decimals = *decimals;
     }},
    {"shortest", 0, "", "Numbers", "the shortest text that reads back as the same double", false,
     false, [](ParsedArguments& r, const std::string&) { r.options.shortest = true; }},
    {"locale", 0, "", "Numbers",
     "read and write numbers under the regional settings\n(LC_ALL, LC_NUMERIC, LANG), as the "
     "window does",
     false, false, [](ParsedArguments& r, const std::string&) { r.options.locale = true; }},
    {"from", 0, "UNIT", "Batch", "unit for rows that have no FROM field", true, false,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.fromUnit = v; }},
    {"to", 0, "UNIT", "Batch", "unit wanted for rows that have no TO field", true, false,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.toUnit = v; }},
    {"tsv", 0, "", "Batch",
     "tab-separated input and output (also for a FILE\nwhose name ends in .tsv)", true, false,
     [](ParsedArguments& r, const std::string&) { r.options.tsv = true; }},
    {"delimiter", 0, "CHAR", "Batch",
     "the field separator, such as ';' for spreadsheets\nunder European settings (default ',';"
     " '\\t' for tab)",
     true, false,
     [](ParsedArguments& r, const std::string& v) { r.options.delimiter = oneCharacter(v); }},
    {"header", 0, "", "Batch",
     "the first row is a header; it gets the field\n\"{resultName}\" (see --result-name)", true,
     false, [](ParsedArguments& r, const std::string&) { r.options.batch.header = true; }},
    {"value-column", 0, "N", "Batch",
     "take the value from column N (from 1); the units and\nthe density then come from the "
     "options only",
     true, false,
     [](ParsedArguments& r, const std::string& v) {
         r.options.batch.valueColumn = wholeNumber(v, 1, maxValueColumn);
         if (!r.options.batch.valueColumn)
             throw UsageError(
                 describe(valueColumnProblem(v), optionName(BatchOption::valueColumn)));
     }},
    {"result-name", 0, "NAME", "Batch", "name of the result field in the header", true, false,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.resultName = v; }},
    {"help", 'h', "", "", "show this help and exit", false, false,
     [](ParsedArguments& r, const std::string&) { r.help = true; }},
    {"version", 'V', "", "", "show the version and exit", false, false,
     [](ParsedArguments& r, const std::string&) { r.version = true; }},
};

// "--a, --b and --c"
std::string listOf(bool OptionInfo::*selected) {
    std::vector<std::string> names;
    for (const OptionInfo& option : options)
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
    for (const OptionInfo& option : options) {
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
    for (const OptionInfo& option : options)
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

void checkCombinations(const ParsedArguments& reading) {
    const Options& o = reading.options;
    if (o.shortest && reading.wasGiven("decimals"))
        throw UsageError("--shortest and --decimals cannot be combined");
    if (o.shortest && o.locale)
        throw UsageError("--shortest writes plain numbers and cannot be combined with --locale");
    if (o.tsv && o.delimiter)
        throw UsageError("--tsv and --delimiter cannot be combined");
    const bool batchOnly = std::any_of(reading.given.begin(), reading.given.end(),
                                       [](const OptionInfo* option) { return option->batchOnly; });
    if (batchOnly && o.mode != Mode::batch)
        throw UsageError(listOf(&OptionInfo::batchOnly) + " go with --batch");
    if (o.batch.densities && (o.batch.density || o.batch.densityUnit))
        throw UsageError(listOf(&OptionInfo::notWithDensities) + " do not go with --densities");
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

const std::span<const OptionInfo> optionTable = options;

bool ParsedArguments::wasGiven(std::string_view name) const {
    return std::any_of(given.begin(), given.end(),
                       [name](const OptionInfo* option) { return option->name == name; });
}

std::string_view optionName(BatchOption option) {
    switch (option) {
    case BatchOption::fromUnit:
        return "--from";
    case BatchOption::toUnit:
        return "--to";
    case BatchOption::density:
        return "--density";
    case BatchOption::densityUnit:
        return "--density-unit";
    case BatchOption::delimiter:
        return "--delimiter";
    case BatchOption::valueColumn:
        return "--value-column";
    }
    return {};
}

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
    checkCombinations(reading);
    return reading.options;
}

} // namespace tarnwick::cli
