// SPDX-License-Identifier: MIT
#include "cli/converterapp.h"

#include "cli/command.h"
#include "cli/options.h"
#include "cli/optiontable.h"
#include "cli/platform.h"
#include "core/batch.h"
#include "core/conversion.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

namespace tarnwick::cli {
namespace {

int listUnits(std::FILE* output) {
    std::string text = "Viscosity units\n";
    for (const std::string_view unit : viscosityUnits)
        if (!unit.empty())
            text.append(unit).append("\n");
    text += "\nDensity units\n";
    for (const std::string_view unit : densityUnits)
        text.append(unit).append("\n");
    text += "\nEfflux scales\n";
    for (const EffluxScale& scale : effluxScales)
        text.append(scale.name).append("\n");
    std::fputs(text.c_str(), output);
    return ExitStatus::allConverted;
}

void usageError(std::FILE* errors, std::string_view text) {
    std::fprintf(errors, "%s: %.*s\nTry '%s --help' for more information.\n", programName.data(),
                 static_cast<int>(text.size()), text.data(), programName.data());
}

// The number style the options ask for, with decimals; null, with the
// message said, when --locale cannot be had.
std::unique_ptr<NumberStyle> numbersFor(const Options& options, int decimals,
                                        const SymbolSource& userSymbols, std::FILE* errors) {
    if (!options.locale)
        return std::make_unique<PlainNumbers>(decimals, options.shortest);
    const std::optional<NumberSymbols> symbols = userSymbols();
    if (!symbols) {
        usageError(errors, "--locale is not available in this build: it has no source of the "
                           "regional settings");
        return nullptr;
    }
    return std::make_unique<LocaleNumbers>(*symbols, decimals);
}

} // namespace

int runConverter(const std::vector<std::string>& arguments, std::FILE* input, std::FILE* output,
                 std::FILE* errors, const SymbolSource& userSymbols) {
    Options options;
    try {
        options = parseArguments(arguments);
    } catch (const UsageError& error) {
        usageError(errors, error.what());
        return ExitStatus::cannotRun;
    }
    int status = ExitStatus::allConverted;
    switch (options.mode) {
    case Options::Mode::help:
        std::fputs(helpText().c_str(), output);
        break;
    case Options::Mode::version:
        std::fprintf(output, "%s %s\n", programName.data(), TARNWICK_VERSION);
        break;
    case Options::Mode::listUnits:
        status = listUnits(output);
        break;
    case Options::Mode::single:
    case Options::Mode::all:
    case Options::Mode::batch: {
        std::unique_ptr<NumberStyle> numbers =
            numbersFor(options, options.decimals, userSymbols, errors);
        if (!numbers)
            return ExitStatus::cannotRun;
        // The viscosity index is a whole number unless decimals are asked for.
        std::unique_ptr<NumberStyle> whole;
        if (options.oil == OilQuestion::viscosityIndex && !options.decimalsGiven)
            whole = numbersFor(options, 0, userSymbols, errors);
        // A temperature serves every conversion of the run; a batch checks
        // it with its other options.
        if (const auto problem = atProblem(options.batch.at, *numbers);
            problem && options.mode != Options::Mode::batch) {
            std::fprintf(errors, "%s: %s\n", programName.data(),
                         describe(*problem, optionName(problem->option)).c_str());
            return ExitStatus::cannotRun;
        }
        ConversionCommand command(options, input, output, errors, std::move(numbers),
                                  std::move(whole));
        status = options.mode == Options::Mode::batch ? command.batch()
                 : options.oil                        ? command.oil()
                 : options.mode == Options::Mode::all ? command.all()
                                                      : command.single();
        break;
    }
    }
    if (std::fflush(output) != 0 && status != ExitStatus::cannotRun) {
        std::fprintf(errors, "%s: write error: %s\n", programName.data(), std::strerror(errno));
        return ExitStatus::cannotRun;
    }
    return status;
}

} // namespace tarnwick::cli
