// SPDX-License-Identifier: MIT
#include "options.h"

#include <charconv>
#include <getopt.h>

namespace tarnwick::cli {
namespace {

enum LongOnly : int {
    optAll = 256,
    optBatch,
    optListUnits,
    optFrom,
    optTo,
    optDecimals,
    optShortest,
    optLocale,
    optTsv,
    optHeader,
    optValueColumn,
    optResultName,
};

const option longOptions[] = {
    {"all", no_argument, nullptr, optAll},
    {"batch", no_argument, nullptr, optBatch},
    {"list-units", no_argument, nullptr, optListUnits},
    {"density", required_argument, nullptr, 'd'},
    {"density-unit", required_argument, nullptr, 'u'},
    {"from", required_argument, nullptr, optFrom},
    {"to", required_argument, nullptr, optTo},
    {"decimals", required_argument, nullptr, optDecimals},
    {"shortest", no_argument, nullptr, optShortest},
    {"locale", no_argument, nullptr, optLocale},
    {"tsv", no_argument, nullptr, optTsv},
    {"header", no_argument, nullptr, optHeader},
    {"value-column", required_argument, nullptr, optValueColumn},
    {"result-name", required_argument, nullptr, optResultName},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

int wholeNumber(const std::string& text, int low, int high, const std::string& what) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < low || value > high)
        throw UsageError(what + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + text + "'");
    return value;
}

void setMode(Options& options, Options::Mode mode, bool& modeGiven) {
    if (modeGiven && options.mode != mode)
        throw UsageError("--all, --batch and --list-units cannot be combined");
    options.mode = mode;
    modeGiven = true;
}

// What the option getopt_long refused was, for a message: "--densty", "-x".
// The argument it stopped at stands just before optind; a short option may
// be one letter of a cluster such as "-xd".
std::string offending(char** argv, int index, int shortOption) {
    const std::string argument = argv[index];
    if (argument.rfind("--", 0) == 0)
        return argument.substr(0, argument.find('='));
    return std::string("-") + static_cast<char>(shortOption);
}

void checkCombinations(const Options& o, bool decimalsGiven) {
    using Mode = Options::Mode;
    if (o.shortest && decimalsGiven)
        throw UsageError("--shortest and --decimals cannot be combined");
    if (o.shortest && o.locale)
        throw UsageError("--shortest writes plain numbers and cannot be combined with --locale");
    const bool batchOnly =
        o.fromUnit || o.toUnit || o.tsv || o.header || o.valueColumn || o.resultName != "result";
    if (batchOnly && o.mode != Mode::batch)
        throw UsageError("--from, --to, --tsv, --header, --value-column and --result-name "
                         "go with --batch");
    const auto operands = o.operands.size();
    switch (o.mode) {
    case Mode::single:
        if (operands != 3)
            throw UsageError(operands < 3 ? "expected VALUE FROM TO" : "too many operands");
        break;
    case Mode::all:
        if (operands != 2)
            throw UsageError(operands < 2 ? "--all expects VALUE FROM" : "too many operands");
        break;
    case Mode::batch:
        if (operands > 1)
            throw UsageError("--batch reads one FILE at most");
        break;
    case Mode::listUnits:
        if (operands != 0)
            throw UsageError("--list-units takes no operands");
        break;
    case Mode::help:
    case Mode::version:
        break;
    }
}

} // namespace

Options parseArguments(const std::vector<std::string>& arguments) {
    // getopt_long permutes its argument array, so it gets a copy.
    std::vector<std::string> storage{"tarnwick-convert"};
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(storage.size());

    Options options;
    bool modeGiven = false;
    bool decimalsGiven = false;
    bool help = false;
    bool version = false;
    opterr = 0; // messages are ours
    optind = 0; // full re-initialisation, so it can be called again
    for (;;) {
        const int c = getopt_long(argc, argv.data(), ":d:u:hV", longOptions, nullptr);
        if (c == -1)
            break;
        const std::string value = optarg ? optarg : "";
        switch (c) {
        case 'd':
            options.density = value;
            break;
        case 'u':
            options.densityUnit = value;
            break;
        case optFrom:
            options.fromUnit = value;
            break;
        case optTo:
            options.toUnit = value;
            break;
        case optDecimals:
            options.decimals = wholeNumber(value, 0, 17, "--decimals");
            decimalsGiven = true;
            break;
        case optShortest:
            options.shortest = true;
            break;
        case optLocale:
            options.locale = true;
            break;
        case optTsv:
            options.tsv = true;
            break;
        case optHeader:
            options.header = true;
            break;
        case optValueColumn:
            options.valueColumn = wholeNumber(value, 1, 1000000, "--value-column");
            break;
        case optResultName:
            options.resultName = value;
            break;
        case optAll:
            setMode(options, Options::Mode::all, modeGiven);
            break;
        case optBatch:
            setMode(options, Options::Mode::batch, modeGiven);
            break;
        case optListUnits:
            setMode(options, Options::Mode::listUnits, modeGiven);
            break;
        case 'h':
            help = true;
            break;
        case 'V':
            version = true;
            break;
        case ':':
            throw UsageError("option '" + offending(argv.data(), optind - 1, optopt) +
                             "' requires an argument");
        default: {
            const std::string option = offending(argv.data(), optind - 1, optopt);
            if (optopt >= '0' && optopt <= '9')
                throw UsageError("invalid option '" + option +
                                 "'; to give a negative value, put '--' before it");
            throw UsageError("unrecognized or ambiguous option '" + option + "'");
        }
        }
    }
    for (int i = optind; i < argc; ++i)
        options.operands.emplace_back(argv[static_cast<std::size_t>(i)]);
    if (help || version) {
        options.mode = help ? Options::Mode::help : Options::Mode::version;
        return options;
    }
    checkCombinations(options, decimalsGiven);
    return options;
}

std::string helpText() {
    return R"(Usage: tarnwick-convert [OPTION]... VALUE FROM TO
  or:  tarnwick-convert [OPTION]... --all VALUE FROM
  or:  tarnwick-convert [OPTION]... --batch [FILE]
  or:  tarnwick-convert --list-units
Convert a viscosity VALUE from unit FROM to unit TO at a fluid density, with
the same rules, checks and messages as the Tarnwick window.

Modes:
      --all                convert VALUE to every viscosity unit, one a line
      --batch              convert every row of FILE (CSV; standard input when
                           FILE is missing or -) and write it back with the
                           result appended
      --list-units         list the viscosity and the density units

Density:
  -d, --density=VALUE      fluid density (default 50)
  -u, --density-unit=UNIT  unit of the density (default "lb/ft^3")

Numbers:
      --decimals=N         digits after the decimal point, 0 to 17 (default 8)
      --shortest           the shortest text that reads back as the same double
      --locale             read and write numbers under the regional settings
                           (LC_ALL, LC_NUMERIC, LANG), as the window does

Batch:
      --from=UNIT          viscosity unit for rows that have no FROM field
      --to=UNIT            unit wanted for rows that have no TO field
      --tsv                tab-separated input and output (also for a FILE
                           whose name ends in .tsv)
      --header             the first row is a header; it gets the field
                           "result" (see --result-name)
      --value-column=N     take the value from column N (from 1); the units and
                           the density then come from the options only
      --result-name=NAME   name of the result field in the header

  -h, --help               show this help and exit
  -V, --version            show the version and exit

Units are the exact names that --list-units shows, for example "cP", "Pa.s",
"lbf.s/ft^2", "cSt", "ft^2/h" or "deg API"; quote names with blanks.
Numbers are written with "." as decimal mark and no grouping: 1.5, 2.5e3.
Without --locale, results show eight decimals, "." and no grouping.

A batch row is VALUE[,FROM[,TO[,DENSITY[,DENSITY_UNIT]]]]; fields missing at
the end of a row come from the options. Every row is written out, in order,
with one more field, the result; a row that fails gets an empty result and a
message "line N: ..." on standard error, and the run goes on.

When a conversion needs the density and none is given, 50 lb/ft^3 is used and
standard error says so once.

Exit status: 0 if every conversion succeeded, 1 if any failed, 2 for a usage
error or input that cannot be read.

Examples:
  tarnwick-convert 1 cP cSt
  tarnwick-convert 10 cSt cP --density 0.85 --density-unit g/cm^3
  tarnwick-convert --all 1 Pa.s -d 30 -u "deg API"
  tarnwick-convert --batch samples.csv --header --to cP > samples-cP.csv
)";
}

} // namespace tarnwick::cli
