// SPDX-License-Identifier: MIT
#include "ui/commandline.h"

#include <algorithm>
#include <string_view>

namespace tarnwick::ui {

namespace {

constexpr std::string_view help = R"(Usage: tarnwick [QT-OPTION]...
Open the Tarnwick viscosity calculator window.

      --help     show this help and exit
      --version  show the version and exit

Qt's own options, such as -platform and -style, are accepted.
tarnwick-convert converts viscosities without a window.
)";

bool isSet(const Environment& environment, const char* name) {
    const char* value = environment(name);
    return value && *value;
}

// Only the X11 platform, which Qt takes by default, is known here to need a
// display; any other platform named is left to Qt. Qt tries a list of
// platforms ("xcb;offscreen") in order, each possibly with arguments.
bool hasDisplay(std::string_view platforms, bool displayOption, const Environment& environment) {
    if (displayOption)
        return true;
    if (platforms.empty())
        return isSet(environment, "DISPLAY") || isSet(environment, "WAYLAND_DISPLAY");
    while (!platforms.empty()) {
        const std::string_view entry = platforms.substr(0, platforms.find(';'));
        if (entry.substr(0, entry.find(':')) != "xcb" || isSet(environment, "DISPLAY"))
            return true;
        platforms.remove_prefix(std::min(platforms.size(), entry.size() + 1));
    }
    return false;
}

} // namespace

std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err, const Environment& environment) {
    const char* qtPlatform = environment("QT_QPA_PLATFORM");
    std::string_view platform = qtPlatform ? qtPlatform : "";
    bool displayOption = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--version") {
            out << "tarnwick " TARNWICK_VERSION "\n";
            return 0;
        }
        if (argument == "--help") {
            out << help;
            return 0;
        }
        // Qt reads its options with one dash or two.
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == "-platform" && i + 1 < argc)
            platform = argv[++i];
        else if (argument == "-display" && i + 1 < argc)
            displayOption = true;
    }
    if (hasDisplay(platform, displayOption, environment))
        return std::nullopt;
    err << "tarnwick: no display to show the window on (DISPLAY is not set);"
           " tarnwick-convert converts without one\n";
    return 1;
}

} // namespace tarnwick::ui
