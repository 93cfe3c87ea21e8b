// SPDX-License-Identifier: MIT
// The converter's command line.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnwick::cli {

struct Options {
    enum class Mode { single, all, batch, listUnits, help, version };

    Mode mode = Mode::single;
    std::vector<std::string> operands; // VALUE FROM TO, VALUE FROM, or [FILE]

    bool densities = false; // convert densities rather than viscosities
    std::optional<std::string> density;
    std::optional<std::string> densityUnit;
    std::optional<std::string> fromUnit;
    std::optional<std::string> toUnit;

    int decimals = 8;
    bool shortest = false;
    bool locale = false;

    bool tsv = false;
    std::optional<char> delimiter;
    bool header = false;
    std::optional<int> valueColumn; // from 1
    std::string resultName = "result";
};

// A command line that cannot be run; the message says why.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program name, GNU style: options and
// operands in any order, long options abbreviated or with "=VALUE", short
// options clustered, and "--" ending the options (for a negative VALUE).
// Throws UsageError.
Options parseArguments(const std::vector<std::string>& arguments);

// The text of --help, made from the same table as the parser.
std::string helpText();

} // namespace tarnwick::cli
