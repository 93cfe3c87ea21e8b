// SPDX-License-Identifier: MIT
// The converter's options, declared once for the parser and the help.
#pragma once

#include "cli/options.h"

#include <span>
#include <string>
#include <string_view>

namespace tarnwick::cli {

// What reading the command line keeps besides the options themselves.
struct Reading {
    Options options;
    bool modeGiven = false;
    bool decimalsGiven = false;
    bool help = false;
    bool version = false;
};

struct OptionInfo {
    std::string_view name;     // without the dashes
    char letter;               // the short form, or 0
    std::string_view argument; // its name in the help; empty for none
    std::string_view group;    // the help's heading
    std::string_view help;     // lines after the first are indented
    bool batchOnly;
    bool notWithDensities;
    void (*apply)(Reading&, const std::string&);
};

extern const std::span<const OptionInfo> optionTable;

} // namespace tarnwick::cli
