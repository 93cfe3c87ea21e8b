// SPDX-License-Identifier: MIT
// What the calculator does with a terminal's arguments before any window
// exists: --version and --help answer and end the program, and without a
// display it says so rather than letting Qt abort.
#pragma once

#include <functional>
#include <optional>
#include <ostream>

namespace tarnwick::ui {

// The value of an environment variable, or null when it is not set.
using Environment = std::function<const char*(const char* name)>;

// The exit status when the program must end here, having written its answer
// to out or err; nothing when the window may start. Qt's own options, such as
// -platform, count when they say where the window would show; any other
// argument is left alone.
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err, const Environment& environment);

} // namespace tarnwick::ui
