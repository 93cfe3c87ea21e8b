// SPDX-License-Identifier: MIT
// The command-line converter as a whole: arguments in, text and an exit
// status out. main() only hands it the process's streams.
#pragma once

#include "cli/platform.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::cli {

// Where --locale takes its number symbols from.
using SymbolSource = std::function<std::optional<NumberSymbols>()>;

// Runs the converter on the arguments after the program name. Results go to
// output, messages to errors; input is read for --batch without a FILE.
int runConverter(const std::vector<std::string>& arguments, std::FILE* input, std::FILE* output,
                 std::FILE* errors, const SymbolSource& userSymbols = userNumberSymbols);

} // namespace tarnwick::cli
