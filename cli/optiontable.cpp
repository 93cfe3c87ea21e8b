// SPDX-License-Identifier: MIT
// Every option, once: the parser and --help are both made from it.
#include "cli/optiontable.h"

#include "core/batchoptions.h"

#include <charconv>

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

void setOil(ParsedArguments& reading, OilQuestion question) {
    if (reading.options.oil && *reading.options.oil != question)
        throw UsageError(
            "--temperature, --viscosity-index, --grade and --blend cannot be combined");
    reading.options.oil = question;
}

char oneCharacter(const std::string& text) {
    if (const std::optional<char> separator = namedSeparator(text))
        return *separator;
    throw UsageError(describe(separatorProblem(text), optionName(BatchOption::delimiter)));
}

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
    {"temperature", 0, "", "Oils",
     "T1 V1 T2 V2 T: the viscosity in cSt at T of an oil\nwith V1 cSt at T1 and V2 cSt at T2 (ASTM "
     "D341);\n"
     "temperatures such as 40C, 210F or 372.04K",
     false, false,
     [](ParsedArguments& r, const std::string&) { setOil(r, OilQuestion::viscosityAt); }},
    {"reaching", 0, "V", "Oils",
     "with --temperature T1 V1 T2 V2: the temperature at\nwhich the viscosity is V cSt, in the "
     "scale of T1",
     false, false, [](ParsedArguments& r, const std::string& v) { r.options.reaching = v; }},
    {"viscosity-index", 0, "", "Oils",
     "V40 V100: the viscosity index (ASTM D2270) of an oil\nwith V40 cSt at 40 C and V100 cSt at "
     "100 C, as a\n"
     "whole number (unrounded with --decimals)",
     false, false,
     [](ParsedArguments& r, const std::string&) { setOil(r, OilQuestion::viscosityIndex); }},
    {"grade", 0, "", "Oils", "V40: the ISO viscosity grade (ISO 3448) of V40 cSt\nat 40 C", false,
     false, [](ParsedArguments& r, const std::string&) { setOil(r, OilQuestion::grade); }},
    {"blend", 0, "", "Oils",
     "V1 V2 F: the viscosity of a blend of two oils at one\ntemperature, with the mass fraction F "
     "(0 to 1) of the\nsecond (Refutas)",
     false, false, [](ParsedArguments& r, const std::string&) { setOil(r, OilQuestion::blend); }},
    {"target", 0, "V", "Oils",
     "with --blend V1 V2: the mass fraction of the second\noil that makes a blend of V cSt", false,
     false, [](ParsedArguments& r, const std::string& v) { r.options.target = v; }},
    {"density", 'd', "VALUE", "Density", "fluid density (default {density})", false, true,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.density = v; }},
    {"density-unit", 'u', "UNIT", "Density", "unit of the density (default \"{densityUnit}\")",
     false, true,
     [](ParsedArguments& r, const std::string& v) { r.options.batch.densityUnit = v; }},
    {"at", 0, "TEMP", "Efflux scales",
     "the temperature that SUS and SFS readings are taken\nat, such as 210F or 98.9C (default 100F "
     "for SUS,\n"
     "122F for SFS; SFS has 122F and 210F only)",
     false, false, [](ParsedArguments& r, const std::string& v) { r.options.batch.at = v; }},
    {"decimals", 0, "N", "Numbers", "digits after the decimal point, 0 to 17 (default {decimals})",
     false, false,
     [](ParsedArguments& r, const std::string& v) {
         const std::optional<int> decimals = wholeNumber(v, 0, 17);
         if (!decimals)
             throw UsageError("--decimals takes a whole number from 0 to 17, not '" + v + "'");
         r.options.decimals = *decimals;
         r.options.decimalsGiven = true;
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

} // namespace

const std::span<const OptionInfo> optionTable = options;

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
    case BatchOption::at:
        return "--at";
    }
    return {};
}

} // namespace tarnwick::cli
