// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "cli/optiontable.h"
#include "core/batch.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <string_view>

namespace tarnwick::cli {
namespace {

using Mode = Options::Mode;

int wholeNumber(const std::string& text, int low, int high, const std::string& what) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < low || value > high)
        throw UsageError(what + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + text + "'");
    return value;
}

void setMode(Reading& reading, Mode mode) {
    if (reading.modeGiven && reading.options.mode != mode)
        throw UsageError("--all, --batch and --list-units cannot be combined");
    reading.options.mode = mode;
    reading.modeGiven = true;
}

char oneCharacter(const std::string& text) {
    if (const std::optional<char> separator = namedSeparator(text))
        return *separator;
    throw UsageError(separatorProblem(text));
}

// Every option, once: the parser and --help are both made from it.
constexpr OptionInfo options[] = {
    {"all", 0, "", "Modes", "convert VALUE to every unit of its kind, one a line", false, false,
     [](Reading& r, const std::string&) { setMode(r, Mode::all); }},
    {"batch", 0, "", "Modes",
     "convert every row of FILE (CSV; standard input when\nFILE is missing or -) and write it "
     "back with the\nresult appended",
     false, false, [](Reading& r, const std::string&) { setMode(r, Mode::batch); }},
    {"list-units", 0, "", "Modes", "list the viscosity and the density units", false, false,
     [](Reading& r, const std::string&) { setMode(r, Mode::listUnits); }},
    {"densities", 0, "", "Modes",
     "convert densities between density units instead\n(VALUE FROM TO, --all VALUE FROM, or "
     "batch rows\nVALUE[,FROM[,TO]])",
     false, false, [](Reading& r, const std::string&) { r.options.densities = true; }},
    {"density", 'd', "VALUE", "Density", "fluid density (default 50)", false, true,
     [](Reading& r, const std::string& v) { r.options.density = v; }},
    {"density-unit", 'u', "UNIT", "Density", "unit of the density (default \"lb/ft^3\")", false,
     true, [](Reading& r, const std::string& v) { r.options.densityUnit = v; }},
    {"decimals", 0, "N", "Numbers", "digits after the decimal point, 0 to 17 (default 8)", false,
     false,
     [](Reading& r, const std::string& v) {
         r.options.decimals = wholeNumber(v, 0, 17, "--decimals");
         r.decimalsGiven = true;
     }},
    {"shortest", 0, "", "Numbers", "the shortest text that reads back as the same double", false,
     false, [](Reading& r, const std::string&) { r.options.shortest = true; }},
    {"locale", 0, "", "Numbers",
     "read and write numbers under the regional settings\n(LC_ALL, LC_NUMERIC, LANG), as the "
     "window does",
     false, false, [](Reading& r, const std::string&) { r.options.locale = true; }},
    {"from", 0, "UNIT", "Batch", "unit for rows that have no FROM field", true, false,
     [](Reading& r, const std::string& v) { r.options.fromUnit = v; }},
    {"to", 0, "UNIT", "Batch", "unit wanted for rows that have no TO field", true, false,
     [](Reading& r, const std::string& v) { r.options.toUnit = v; }},
    {"tsv", 0, "", "Batch",
     "tab-separated input and output (also for a FILE\nwhose name ends in .tsv)", true, false,
     [](Reading& r, const std::string&) { r.options.tsv = true; }},
    {"delimiter", 0, "CHAR", "Batch",
     "the field separator, such as ';' for spreadsheets\nunder European settings (default ',';"
     " '\\t' for tab)",
     true, false, [](Reading& r, const std::string& v) { r.options.delimiter = oneCharacter(v); }},
    {"header", 0, "", "Batch",
     "the first row is a header; it gets the field\n\"result\" (see --result-name)", true, false,
     [](Reading& r, const std::string&) { r.options.header = true; }},
    {"value-column", 0, "N", "Batch",
     "take the value from column N (from 1); the units and\nthe density then come from the "
     "options only",
     true, false,
     [](Reading& r, const std::string& v) {
         r.options.valueColumn = wholeNumber(v, 1, maxValueColumn, "--value-column");
     }},
    {"result-name", 0, "NAME", "Batch", "name of the result field in the header", true, false,
     [](Reading& r, const std::string& v) { r.options.resultName = v; }},
    {"help", 'h', "", "", "show this help and exit", false, false,
     [](Reading& r, const std::string&) { r.help = true; }},
    {"version", 'V', "", "", "show the version and exit", false, false,
     [](Reading& r, const std::string&) { r.version = true; }},
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

void checkCombinations(const Reading& reading) {
    const Options& o = reading.options;
    if (o.shortest && reading.decimalsGiven)
        throw UsageError("--shortest and --decimals cannot be combined");
    if (o.shortest && o.locale)
        throw UsageError("--shortest writes plain numbers and cannot be combined with --locale");
    if (o.tsv && o.delimiter)
        throw UsageError("--tsv and --delimiter cannot be combined");
    const bool batchOnly = o.fromUnit || o.toUnit || o.tsv || o.delimiter || o.header ||
                           o.valueColumn || o.resultName != "result";
    if (batchOnly && o.mode != Mode::batch)
        throw UsageError(listOf(&OptionInfo::batchOnly) + " go with --batch");
    if (o.densities && (o.density || o.densityUnit))
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

Options parseArguments(const std::vector<std::string>& arguments) {
    Reading reading;
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
                continue;
            }
            std::optional<std::string> attached;
            if (k + 1 < argument.size())
                attached = argument.substr(k + 1);
            option->apply(reading, valueFor(shown, attached));
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
