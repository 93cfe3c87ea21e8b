// SPDX-License-Identifier: MIT
// What the converter takes from the system it runs on.
#pragma once

#include "core/numbers/numbersymbols.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::cli {

// The number symbols of the user's regional settings; nothing where this
// build has no way to know them.
std::optional<NumberSymbols> userNumberSymbols();

// Opens a file for reading in binary mode, its name in UTF-8.
std::FILE* openFile(const std::string& path);

#ifdef _WIN32
// The arguments after the program name, from the wide command line, in
// UTF-8.
std::vector<std::string> utf8Arguments(int argc, wchar_t* argv[]);

// Standard input, output and error pass bytes unchanged: no CRLF
// translation, and a Ctrl-Z byte is data rather than the end.
void useBinaryStreams();
#endif

} // namespace tarnwick::cli
