// SPDX-License-Identifier: MIT
// Runs the converter in the test process, with its standard input, output
// and error in temporary files, and hands back what it wrote.
#pragma once

#include "cli/converterapp.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>
#ifdef _WIN32
#include <process.h>
#endif

namespace tarnwick::cli::testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string contents(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    return text;
}

// The number symbols that --locale gets, as the system gives them for
// English (United States) and German (Germany).
inline std::optional<NumberSymbols> symbolsOf(std::string_view locale) {
    if (locale == "de_DE")
        return NumberSymbols{",", ".", 3, 3, 1, U'0', "-", "+", "E"};
    return NumberSymbols{".", ",", 3, 3, 1, U'0', "-", "+", "e"};
}

// A file for one stream, gone when closed. Windows' tmpfile() makes its
// files in the drive's root, which a user may not write to, and under Wine
// two test processes at once sometimes get none; these live in the user's
// temporary folder (a small one is much quicker under Wine than the build's)
// under the process's own names.
inline std::FILE* scratchFile() {
#ifdef _WIN32
    static int count = 0;
    const char* folder = std::getenv("TEMP");
    const std::string name = std::string(folder ? folder : ".") + "\\cli_tests." +
                             std::to_string(_getpid()) + "." + std::to_string(count++) + ".tmp";
    return std::fopen(name.c_str(), "w+bD");
#else
    return std::tmpfile();
#endif
}

inline Outcome runWith(const std::vector<std::string>& arguments, std::string_view input = {},
                       std::string_view locale = "en_US") {
    std::FILE* in = scratchFile();
    std::FILE* out = scratchFile();
    std::FILE* err = scratchFile();
    if (!input.empty())
        std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    Outcome outcome;
    outcome.status = runConverter(arguments, in, out, err, [locale] { return symbolsOf(locale); });
    outcome.out = contents(out);
    outcome.err = contents(err);
    for (std::FILE* file : {in, out, err})
        std::fclose(file);
    return outcome;
}

inline const std::string note = "tarnwick-convert: no density given; using 50 lb/ft^3\n";
inline std::string failure(const std::string& message) {
    return "tarnwick-convert: " + message + "\n";
}
inline std::string usage(const std::string& message) {
    return "tarnwick-convert: " + message +
           "\nTry 'tarnwick-convert --help' for more information.\n";
}

// A row of the command tables: the arguments, and what the converter writes
// and returns for them.
struct CommandCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
    std::string err;
    int status;
    const char* locale = "en_US";
};

inline void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class Command : public ::testing::TestWithParam<CommandCase> {};

// A row of the batch tables: the options after --batch, the input, and what
// the converter writes and returns for them.
struct BatchCase {
    const char* name;
    std::vector<std::string> options;
    std::string input;
    std::string out;
    std::string err;
    int status;
    const char* locale = "en_US";
};

inline void PrintTo(const BatchCase& c, std::ostream* os) {
    *os << c.name;
}

class Batch : public ::testing::TestWithParam<BatchCase> {};

} // namespace tarnwick::cli::testing
