// SPDX-License-Identifier: MIT
// What the converter takes from the system it runs on.
#pragma once

#include "numbersymbols.h"

#include <cstdio>
#include <optional>
#include <string>

namespace tarnwick::cli {

// The number symbols of the user's regional settings; nothing where this
// build has no way to know them.
std::optional<NumberSymbols> userNumberSymbols();

// Opens a file for reading in binary mode, its name in UTF-8.
std::FILE* openFile(const std::string& path);

} // namespace tarnwick::cli
