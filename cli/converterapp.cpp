// SPDX-License-Identifier: MIT
#include "cli/converterapp.h"

#include "cli/options.h"
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

class Run final : public BatchReport {
public:
    Run(const Options& options, std::FILE* input, std::FILE* output, std::FILE* errors,
        std::unique_ptr<NumberStyle> numbers)
        : m_options(options)
        , m_input(input)
        , m_output(output)
        , m_errors(errors)
        , m_numbers(std::move(numbers))
        , m_converter(*m_numbers) {}

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

    // One conversion of VALUE from FROM to `to`, with the options' density.
    bool convert(std::string_view to, std::string& out, std::string& failure);

    const Options& m_options;
    std::FILE* m_input;
    std::FILE* m_output;
    std::FILE* m_errors;
    std::unique_ptr<NumberStyle> m_numbers;
    Converter m_converter;
};

bool Run::convert(std::string_view to, std::string& out, std::string& failure) {
    const std::string_view value = m_options.operands[0];
    const std::string_view from = m_options.operands[1];
    ConversionFailure problem;
    bool converted = false;
    if (m_options.densities) {
        converted = m_converter.convertDensity({value, from, to}, out, problem);
    } else {
        const std::string_view unit = m_options.densityUnit
                                          ? std::string_view(*m_options.densityUnit)
                                          : densityUnits[defaultDensityUnitIndex];
        ConversionTexts texts{value, from,
                              to,    m_options.density ? *m_options.density : defaultDensityText(),
                              unit,  m_options.density.has_value()};
        converted = m_converter.convert(texts, out, problem);
        if (m_converter.takeDefaultDensityNote())
            note(defaultDensityNote(unit));
    }
    failure = withoutTrailingBlanks(problem.message);
    return converted;
}

int Run::single() {
    std::string result;
    std::string failure;
    if (!convert(m_options.operands[2], result, failure)) {
        message(failure);
        return someFailed;
    }
    result += '\n';
    std::fputs(result.c_str(), m_output);
    return success;
}

int Run::all() {
    // The value, the density and their units are checked once, with the
    // unit itself as the target; then every unit is a target in turn.
    std::string result;
    std::string failure;
    if (!convert(m_options.operands[1], result, failure)) {
        message(failure);
        return someFailed;
    }
    int status = success;
    std::string table;
    const auto units = m_options.densities ? std::span<const std::string_view>(densityUnits)
                                           : std::span<const std::string_view>(viscosityUnits);
    for (const std::string_view unit : units) {
        if (unit.empty())
            continue;
        result.clear();
        if (!convert(unit, result, failure)) {
            result = failure;
            status = someFailed;
        }
        table.append(unit);
        table.append(unit.size() < 16 ? 16 - unit.size() : 1, ' ');
        table += result;
        table += '\n';
    }
    std::fputs(table.c_str(), m_output);
    return status;
}

int Run::batch() {
    BatchOptions batch;
    batch.fromUnit = m_options.fromUnit;
    batch.toUnit = m_options.toUnit;
    batch.density = m_options.density;
    batch.densityUnit = m_options.densityUnit;
    batch.densities = m_options.densities;
    batch.header = m_options.header;
    batch.resultName = m_options.resultName;
    batch.valueColumn = m_options.valueColumn;
    if (const std::string problem = batchOptionProblem(batch, *m_numbers); !problem.empty()) {
        message(problem);
        return cannotRun;
    }
    const std::string path = m_options.operands.empty() ? "-" : m_options.operands[0];
    std::FILE* input = m_input;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, std::fclose);
    if (path != "-") {
        file.reset(openFile(path));
        if (!file) {
            message(path + ": " + std::strerror(errno));
            return cannotRun;
        }
        input = file.get();
    }
    const bool tsv = m_options.tsv || (path.size() > 4 && path.ends_with(".tsv"));
    batch.separator = m_options.delimiter ? *m_options.delimiter : tsv ? '\t' : ',';

    FileSource source(input);
    FileSink sink(m_output);
    const BatchOutcome outcome = convertBatch(batch, *m_numbers, source, sink, *this);
    switch (outcome.status) {
    case BatchOutcome::Status::allConverted:
        return success;
    case BatchOutcome::Status::someFailed:
        return someFailed;
    case BatchOutcome::Status::readError:
        message(path + ": " + std::strerror(outcome.error));
        return cannotRun;
    case BatchOutcome::Status::writeError:
        message(std::string("write error: ") + std::strerror(outcome.error));
        return cannotRun;
    }
    return cannotRun;
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
    return success;
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
        return cannotRun;
    }
    int status = success;
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
            return cannotRun;
        Run run(options, input, output, errors, std::move(numbers));
        status = options.mode == Options::Mode::single ? run.single()
                 : options.mode == Options::Mode::all  ? run.all()
                                                       : run.batch();
        break;
    }
    }
    if (std::fflush(output) != 0 && status != cannotRun) {
        std::fprintf(errors, "%s: write error: %s\n", programName.data(), std::strerror(errno));
        return cannotRun;
    }
    return status;
}

} // namespace tarnwick::cli
