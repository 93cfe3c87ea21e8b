// SPDX-License-Identifier: MIT
#include "ui/commandline.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tarnwick::ui {
namespace {

struct CommandLineCase {
    const char* name;
    std::vector<const char*> arguments;
    std::map<std::string, std::string> environment;
    int status; // -1: the window starts
    const char* out;
    const char* err;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << c.name;
}

class CommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLine, AnswersOrLetsTheWindowStart) {
    const auto& c = GetParam();
    std::vector<const char*> argv{"tarnwick"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    std::ostringstream out, err;
    const auto status =
        answerCommandLine(int(argv.size()), argv.data(), out, err, [&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        });
    EXPECT_EQ(status.value_or(-1), c.status);
    EXPECT_EQ(out.str().substr(0, std::string(c.out).size()), c.out);
    EXPECT_EQ(err.str(), c.err);
}

const char* const noDisplay = "tarnwick: no display to show the window on (DISPLAY is not set);"
                              " tarnwick-convert converts without one\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLine,
    ::testing::Values(
        CommandLineCase{"VersionWithoutADisplay", {"--version"}, {}, 0, "tarnwick 1.1.0\n", ""},
        CommandLineCase{"HelpAfterQtOptions",
                        {"-platform", "xcb", "--help"},
                        {{"DISPLAY", ":0"}},
                        0,
                        "Usage: tarnwick [QT-OPTION]...\n",
                        ""},
        CommandLineCase{"NoDisplay", {}, {{"DISPLAY", ""}}, 1, "", noDisplay},
        CommandLineCase{"X11WithoutDisplay",
                        {"-platform", "xcb"},
                        {{"WAYLAND_DISPLAY", "wayland-0"}},
                        1,
                        "",
                        noDisplay},
        CommandLineCase{"X11Display", {"file.csv", "-x"}, {{"DISPLAY", ":0"}}, -1, "", ""},
        CommandLineCase{"WaylandDisplay", {}, {{"WAYLAND_DISPLAY", "wayland-0"}}, -1, "", ""},
        CommandLineCase{"DisplayOption", {"-display", ":1"}, {}, -1, "", ""},
        CommandLineCase{"OffscreenOption", {"--platform", "offscreen"}, {}, -1, "", ""},
        CommandLineCase{
            "OffscreenAfterX11", {}, {{"QT_QPA_PLATFORM", "xcb;offscreen"}}, -1, "", ""},
        CommandLineCase{"OptionBeforeEnvironment",
                        {"-platform", "xcb"},
                        {{"QT_QPA_PLATFORM", "offscreen"}},
                        1,
                        "",
                        noDisplay}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarnwick::ui
