// SPDX-License-Identifier: MIT
// What the calculator does with a terminal's arguments before any window
// exists: --version and --help answer and end the program, and without a
// display it says so rather than letting Qt abort.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace tarnwick::ui {

// The value of an environment variable, or null when it is not set.
using Environment = std::function<const char*(const char* name)>;

// What the program says, and with which exit status, when it must end here.
struct CommandLineAnswer {
    int status;
    std::string_view text;
    bool isError; // for standard error; standard output otherwise
};

// The answer when the program must end here; nothing when the window may
// start. Qt's own options, such as -platform, count when they say where the
// window would show; any other argument is left alone. The answer is data,
// not written to a stream: a C++ stream would set up the standard library's
// locales at every start of the window, about 0.3 MiB of memory.
std::optional<CommandLineAnswer> answerCommandLine(int argc, const char* const* argv,
                                                   const Environment& environment);

} // namespace tarnwick::ui
