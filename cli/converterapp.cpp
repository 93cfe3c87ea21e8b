// SPDX-License-Identifier: MIT
#include "cli/converterapp.h"

#include "cli/options.h"
#include "cli/optiontable.h"
#include "cli/platform.h"
#include "core/batch.h"
#include "core/conversion.h"
#include "engine/engine.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>

namespace tarnwick::cli {
namespace {

constexpr std::string_view programName = "tarnwick-convert";

// The conversion modes of one command line, over the process's streams.
class ConversionCommand final : public BatchReport {
public:
    ConversionCommand(const Options& options, std::FILE* input, std::FILE* output,
                      std::FILE* errors, std::unique_ptr<NumberStyle> numbers)
        : m_options(options)
        , m_input(input)
        , m_output(output)
        , m_errors(errors)
        , m_numbers(std::move(numbers)) {}

    int single();
    int all();
    int batch();

    void rowFailed(std::size_t line, std::string_view text) override {
        message("line " + std::to_string(line) + ": " + std::string(text));
    }
    void note(std::string_view text) override { message(text); }

private:
    void message(std::string_view text) const {
        std::fprintf(m_errors, "%s: %.*s\n", programName.data(), static_cast<int>(text.size()),
                     text.data());
    }

    // One conversion, written to out, or its failure to failure.
    bool convert(const ConversionRequest& request, std::string& out, std::string& failure);
    bool convert(const DensityRequest& request, std::string& out, std::string& failure);

    const Options& m_options;
    std::FILE* m_input;
    std::FILE* m_output;
    std::FILE* m_errors;
    std::unique_ptr<NumberStyle> m_numbers;
    DefaultDensityNote m_densityNote;
};

bool fails(const ConversionFailure& problem, std::string& failure) {
    failure = withoutTrailingBlanks(problem.message);
    return false;
}

// The texts of one conversion: VALUE and FROM from the operands, and the
// options' density or the default one.
ConversionTexts textsOf(const Options& options, std::string_view to) {
    const BatchOptions& o = options.batch;
    return {options.operands[0],
            options.operands[1],
            to,
            o.density ? std::string_view(*o.density) : defaultDensityText(),
            o.densityUnit ? std::string_view(*o.densityUnit) : defaultDensityUnitName(),
            o.density.has_value()};
}

bool ConversionCommand::convert(const ConversionRequest& request, std::string& out,
                                std::string& failure) {
    const OrFailure<double> result = tarnwick::convert(request);
    if (const std::string text = m_densityNote.after(request, result); !text.empty())
        note(text);
    if (!result)
        return fails(result.failure(), failure);
    m_numbers->append(out, *result);
    return true;
}

bool ConversionCommand::convert(const DensityRequest& request, std::string& out,
                                std::string& failure) {
    const OrFailure<double> result = tarnwick::convert(request);
    if (!result)
        return fails(result.failure(), failure);
    m_numbers->append(out, *result);
    return true;
}

int ConversionCommand::single() {
    std::string result;
    std::string failure;
    bool converted = false;
    const std::string_view to = m_options.operands[2];
    if (m_options.batch.densities) {
        const auto request =
            readDensityConversion({m_options.operands[0], m_options.operands[1], to}, *m_numbers);
        converted =
            request ? convert(*request, result, failure) : fails(request.failure(), failure);
    } else {
        const auto request = readConversion(textsOf(m_options, to), *m_numbers);
        converted =
            request ? convert(*request, result, failure) : fails(request.failure(), failure);
    }
    if (!converted) {
        message(failure);
        return ExitStatus::someFailed;
    }
    result += '\n';
    std::fputs(result.c_str(), m_output);
    return ExitStatus::allConverted;
}

int ConversionCommand::all() {
    // The value, the density and their units are read and checked once,
    // with the unit itself as the target; then every unit is a target in
    // turn.
    const bool densities = m_options.batch.densities;
    const std::string_view from = m_options.operands[1];
    std::string result;
    std::string failure;
    std::optional<ConversionRequest> viscosity;
    std::optional<DensityRequest> density;
    bool checked = false;
    if (densities) {
        const auto read = readDensityConversion({m_options.operands[0], from, from}, *m_numbers);
        if (read)
            density = *read;
        checked = read ? convert(*density, result, failure) : fails(read.failure(), failure);
    } else {
        const auto read = readConversion(textsOf(m_options, from), *m_numbers);
        if (read)
            viscosity = *read;
        checked = read ? convert(*viscosity, result, failure) : fails(read.failure(), failure);
    }
    if (!checked) {
        message(failure);
        return ExitStatus::someFailed;
    }
    int status = ExitStatus::allConverted;
    std::string table;
    const auto units = densities ? std::span<const std::string_view>(densityUnits)
                                 : std::span<const std::string_view>(viscosityUnits);
    for (const std::string_view unit : units) {
        if (unit.empty())
            continue;
        result.clear();
        bool converted = false;
        if (densities) {
            density->to = UnitInput::density(unit);
            converted = convert(*density, result, failure);
        } else {
            viscosity->to = UnitInput::viscosity(unit);
            converted = convert(*viscosity, result, failure);
        }
        if (!converted) {
            result = failure;
            status = ExitStatus::someFailed;
        }
        table.append(unit);
        table.append(unit.size() < 16 ? 16 - unit.size() : 1, ' ');
        table += result;
        table += '\n';
    }
    std::fputs(table.c_str(), m_output);
    return status;
}

int ConversionCommand::batch() {
    BatchOptions batch = m_options.batch;
    if (const auto problem = batchOptionProblem(batch, *m_numbers)) {
        message(describe(*problem, optionName(problem->option)));
        return ExitStatus::cannotRun;
    }
    const std::string path = m_options.operands.empty() ? "-" : m_options.operands[0];
    std::FILE* input = m_input;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, std::fclose);
    if (path != "-") {
        file.reset(openFile(path));
        if (!file) {
            message(path + ": " + std::strerror(errno));
            return ExitStatus::cannotRun;
        }
        input = file.get();
    }
    batch.separator = batchSeparator(path, m_options.tsv, m_options.delimiter);

    FileSource source(input);
    FileSink sink(m_output);
    const BatchOutcome outcome = convertBatch(batch, *m_numbers, source, sink, *this);
    if (outcome.status == BatchOutcome::Status::readError)
        message(path + ": " + std::strerror(outcome.error));
    if (outcome.status == BatchOutcome::Status::writeError)
        message(std::string("write error: ") + std::strerror(outcome.error));
    return exitStatus(outcome.status);
}

int listUnits(std::FILE* output) {
    std::string text = "Viscosity units\n";
    for (const std::string_view unit : viscosityUnits)
        if (!unit.empty())
            text.append(unit).append("\n");
    text += "\nDensity units\n";
    for (const std::string_view unit : densityUnits)
        text.append(unit).append("\n");
    std::fputs(text.c_str(), output);
    return ExitStatus::allConverted;
}

void usageError(std::FILE* errors, std::string_view text) {
    std::fprintf(errors, "%s: %.*s\nTry '%s --help' for more information.\n", programName.data(),
                 static_cast<int>(text.size()), text.data(), programName.data());
}

// The number style the options ask for; null, with the message said, when
// --locale cannot be had.
std::unique_ptr<NumberStyle> numbersFor(const Options& options, const SymbolSource& userSymbols,
                                        std::FILE* errors) {
    if (!options.locale)
        return std::make_unique<PlainNumbers>(options.decimals, options.shortest);
    const std::optional<NumberSymbols> symbols = userSymbols();
    if (!symbols) {
        usageError(errors, "--locale is not available in this build: it has no source of the "
                           "regional settings");
        return nullptr;
    }
    return std::make_unique<LocaleNumbers>(*symbols, options.decimals);
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
        std::unique_ptr<NumberStyle> numbers = numbersFor(options, userSymbols, errors);
        if (!numbers)
            return ExitStatus::cannotRun;
        ConversionCommand command(options, input, output, errors, std::move(numbers));
        status = options.mode == Options::Mode::single ? command.single()
                 : options.mode == Options::Mode::all  ? command.all()
                                                       : command.batch();
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
