// SPDX-License-Identifier: MIT
// The converter's options, declared once for the parser and the help.
#pragma once

#include "cli/options.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::cli {

struct OptionInfo;

// The options read from the command line, and what was given.
struct ParsedArguments {
    Options options;
    std::vector<const OptionInfo*> given; // in the order given
    bool modeGiven = false;
    bool help = false;
    bool version = false;
};

struct OptionInfo {
    std::string_view name;     // without the dashes
    char letter;               // the short form, or 0
    std::string_view argument; // its name in the help; empty for none
    std::string_view group;    // the help's heading
    // Lines after the first are indented; {density}, {densityUnit},
    // {decimals} and {resultName} stand for the defaults.
    std::string_view help;
    bool batchOnly;
    bool notWithDensities;
    void (*apply)(ParsedArguments&, const std::string&);
};

extern const std::span<const OptionInfo> optionTable;

// The name a batch option problem is told under: "--density".
std::string_view optionName(BatchOption option);

} // namespace tarnwick::cli
