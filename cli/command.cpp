// SPDX-License-Identifier: MIT
#include "cli/command.h"

#include "cli/optiontable.h"
#include "cli/platform.h"
#include "core/temperaturetext.h"
#include "engine/engine.h"

#include <cerrno>
#include <cstring>
#include <span>

namespace tarnwick::cli {
namespace {

bool fails(const ConversionFailure& problem, std::string& failure) {
    failure = withoutTrailingBlanks(problem.message);
    return false;
}

// The texts of one conversion: VALUE and FROM from the operands, the
// options' density or the default one, and the temperature, which has passed
// atProblem().
ConversionTexts textsOf(const Options& options, std::string_view to, const NumberStyle& numbers) {
    const BatchOptions& o = options.batch;
    return {options.operands[0],
            options.operands[1],
            to,
            o.density ? std::string_view(*o.density) : defaultDensityText(),
            o.densityUnit ? std::string_view(*o.densityUnit) : defaultDensityUnitName(),
            o.density.has_value(),
            o.at ? readTemperature(*o.at, numbers) : std::nullopt};
}

} // namespace

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
        const auto request = readConversion(textsOf(m_options, to, *m_numbers), *m_numbers);
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
        const auto read = readConversion(textsOf(m_options, from, *m_numbers), *m_numbers);
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
    const BatchOutcome outcome =
        m_options.oil ? answerBatch(*m_options.oil, batch, {*m_numbers, m_wholeNumbers.get()},
                                    source, sink, *this)
                      : convertBatch(batch, *m_numbers, source, sink, *this);
    if (outcome.status == BatchOutcome::Status::readError)
        message(path + ": " + std::strerror(outcome.error));
    if (outcome.status == BatchOutcome::Status::writeError)
        message(std::string("write error: ") + std::strerror(outcome.error));
    return exitStatus(outcome.status);
}

int ConversionCommand::oil() {
    std::vector<std::string_view> operands(m_options.operands.begin(), m_options.operands.end());
    if (m_options.reaching)
        operands.emplace_back(*m_options.reaching);
    if (m_options.target)
        operands.emplace_back(*m_options.target);
    std::string answer;
    if (const auto problem =
            appendOilAnswer(*m_options.oil, operands, {*m_numbers, m_wholeNumbers.get()}, answer)) {
        message(problem->message);
        return ExitStatus::someFailed;
    }
    answer += '\n';
    std::fputs(answer.c_str(), m_output);
    return ExitStatus::allConverted;
}

} // namespace tarnwick::cli
