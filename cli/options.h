// SPDX-License-Identifier: MIT
// The converter's command line.
#pragma once

#include "core/batchoptions.h"
#include "core/numbers/numberstyle.h"
#include "core/oils.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnwick::cli {

struct Options {
    enum class Mode { single, all, batch, listUnits, help, version };

    Mode mode = Mode::single;
    std::vector<std::string> operands; // VALUE FROM TO, VALUE FROM, or [FILE]
    // An oil question instead of a conversion; its operands, or with
    // --batch the rows' fields.
    std::optional<OilQuestion> oil;
    std::optional<std::string> reaching; // --temperature's V
    std::optional<std::string> target;   // --blend's V

    // The batch's own options; its density, density unit and --densities
    // serve every mode. The separator is chosen once FILE is known.
    BatchOptions batch;
    bool tsv = false;
    std::optional<char> delimiter;

    int decimals = defaultDecimals;
    bool decimalsGiven = false;
    bool shortest = false;
    bool locale = false;
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
