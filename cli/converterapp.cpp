// SPDX-License-Identifier: MIT
#include "converterapp.h"

#include "conversion.h"
#include "csv.h"
#include "engine.h"
#include "inputchecks.h"
#include "localenumbers.h"
#include "options.h"
#include "plainnumber.h"
#include "unitnames.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>

namespace tarnwick::cli {
namespace {

constexpr std::string_view programName = "tarnwick-convert";

// The window's starting density and unit, which stand in when none is given;
// the density as a text that every number style reads.
const std::string defaultDensityText = [] {
    std::string text;
    plainNumber::appendShortest(text, defaultDensity);
    return text;
}();
constexpr std::string_view defaultDensityUnit = densityUnits[defaultDensityUnitIndex];

class Run {
public:
    Run(const Options& options, std::FILE* input, std::FILE* output, std::FILE* errors)
        : m_options(options)
        , m_input(input)
        , m_output(output)
        , m_errors(errors)
        , m_numbers(makeNumbers(options))
        , m_converter(*m_numbers) {}

    int single();
    int all();
    int batch();

private:
    static std::unique_ptr<NumberStyle> makeNumbers(const Options& options) {
        if (options.locale)
            return std::make_unique<LocaleNumbers>(options.decimals);
        return std::make_unique<PlainNumbers>(options.decimals, options.shortest);
    }

    void message(std::string_view text) const {
        std::fprintf(m_errors, "%s: %.*s\n", programName.data(), static_cast<int>(text.size()),
                     text.data());
    }

    // The option's density, unit and viscosity units, as a conversion's texts.
    ConversionTexts fromOptions() const {
        ConversionTexts texts;
        texts.density =
            m_options.density ? std::string_view(*m_options.density) : defaultDensityText;
        texts.densityUnit =
            m_options.densityUnit ? std::string_view(*m_options.densityUnit) : defaultDensityUnit;
        texts.densityGiven = m_options.density.has_value();
        texts.fromUnit = m_options.fromUnit ? std::string_view(*m_options.fromUnit) : "";
        texts.toUnit = m_options.toUnit ? std::string_view(*m_options.toUnit) : "";
        return texts;
    }

    bool convert(const ConversionTexts& texts, std::string& out, std::string& failure) {
        const bool converted = m_converter.convert(texts, out, failure);
        if (m_converter.takeDefaultDensityNote()) {
            const std::string unit(texts.densityUnit);
            message("no density given; using " + defaultDensityText + " " + unit);
        }
        return converted;
    }

    std::string badOption() const;
    // resultIsPlain: the result needs no quotes, whatever the separator.
    void writeRow(RecordWriter& writer, const Record& record, std::string_view result,
                  bool resultIsPlain);
    bool convertRecord(const Record& record, std::string& result, std::string& failure);

    const Options& m_options;
    std::FILE* m_input;
    std::FILE* m_output;
    std::FILE* m_errors;
    std::unique_ptr<NumberStyle> m_numbers;
    Converter m_converter;
};

int Run::single() {
    ConversionTexts texts = fromOptions();
    texts.value = m_options.operands[0];
    texts.fromUnit = m_options.operands[1];
    texts.toUnit = m_options.operands[2];
    std::string result;
    std::string failure;
    if (!convert(texts, result, failure)) {
        message(failure);
        return someFailed;
    }
    result += '\n';
    std::fputs(result.c_str(), m_output);
    return success;
}

int Run::all() {
    ConversionTexts texts = fromOptions();
    texts.value = m_options.operands[0];
    texts.fromUnit = m_options.operands[1];
    // The value, the density and their units are checked once, with the
    // unit itself as the target; then every unit is a target in turn.
    texts.toUnit = texts.fromUnit;
    std::string result;
    std::string failure;
    if (!convert(texts, result, failure)) {
        message(failure);
        return someFailed;
    }
    int status = success;
    std::string table;
    for (const std::string_view unit : viscosityUnits) {
        if (unit.empty())
            continue;
        texts.toUnit = unit;
        result.clear();
        if (!convert(texts, result, failure)) {
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

// The first option value that no row could use, as a message; empty if none.
std::string Run::badOption() const {
    using Rule = InputCheck::Rule;
    if (m_options.density) {
        const auto density = m_numbers->parse(*m_options.density);
        const auto problem = [](const InputCheck& check) {
            return "--density: " + withoutTrailingBlanks(check.message);
        };
        if (!density)
            return problem(inputCheck(Control::densityText, Rule::numeric));
        if (!(*density > 0))
            return problem(inputCheck(Control::densityText, Rule::positive));
    }
    const struct {
        const std::optional<std::string>& value;
        const char* option;
        UnitKind kind;
        const InputCheck& given;
    } units[] = {
        {m_options.densityUnit, "--density-unit", UnitKind::density,
         inputCheck(Control::densityCombo, Rule::unitGiven)},
        {m_options.fromUnit, "--from", UnitKind::viscosity,
         inputCheck(Control::convCombo, Rule::unitGiven)},
        {m_options.toUnit, "--to", UnitKind::viscosity,
         inputCheck(Control::toCombo, Rule::unitGiven)},
    };
    for (const auto& unit : units) {
        if (!unit.value || isListedUnit(*unit.value, unit.kind))
            continue;
        return std::string(unit.option) + ": " +
               (unit.value->empty() ? withoutTrailingBlanks(unit.given.message)
                                    : unknownUnitMessage(*unit.value, unit.kind));
    }
    return {};
}

void Run::writeRow(RecordWriter& writer, const Record& record, std::string_view result,
                   bool resultIsPlain) {
    if (record.plain)
        writer.joinedFields(record.plainText);
    else
        for (const std::string_view field : record.fields)
            writer.field(field);
    if (record.fields.empty())
        writer.field("");
    if (resultIsPlain)
        writer.joinedFields(result);
    else
        writer.field(result);
}

bool Run::convertRecord(const Record& record, std::string& result, std::string& failure) {
    switch (record.problem) {
    case Record::Problem::none:
        break;
    case Record::Problem::unclosedQuote:
        failure = "a quoted field is not closed before the end of the input";
        return false;
    case Record::Problem::textAfterQuote:
        failure = "text follows a closing quote in the same field";
        return false;
    case Record::Problem::tooLong:
        failure = "the record is longer than " +
                  std::to_string(RecordReader::defaultMaxRecordBytes) +
                  " bytes; its fields are not kept";
        return false;
    }
    const auto& fields = record.fields;
    ConversionTexts texts = fromOptions();
    const auto field = [&](std::size_t index) { return fields[index]; };
    if (m_options.valueColumn) {
        const auto column = static_cast<std::size_t>(*m_options.valueColumn);
        texts.value = column <= fields.size() ? field(column - 1) : std::string_view();
    } else {
        texts.value = field(0);
        if (fields.size() > 1)
            texts.fromUnit = field(1);
        if (fields.size() > 2)
            texts.toUnit = field(2);
        if (fields.size() > 3) {
            texts.density = field(3);
            texts.densityGiven = true;
        }
        if (fields.size() > 4)
            texts.densityUnit = field(4);
    }
    return convert(texts, result, failure);
}

int Run::batch() {
    if (const std::string problem = badOption(); !problem.empty()) {
        message(problem);
        return cannotRun;
    }
    const std::string path = m_options.operands.empty() ? "-" : m_options.operands[0];
    std::FILE* input = m_input;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(nullptr, std::fclose);
    if (path != "-") {
        file.reset(std::fopen(path.c_str(), "rb"));
        if (!file) {
            message(path + ": " + std::strerror(errno));
            return cannotRun;
        }
        input = file.get();
    }
    const bool tsv = m_options.tsv || (path.size() > 4 && path.ends_with(".tsv"));
    const Separator separator = tsv ? Separator::tab : Separator::comma;

    RecordReader reader(input, separator);
    RecordWriter writer(m_output, separator);
    Record record;
    std::string result;
    std::string failure;
    std::string_view lastTerminator = "\n";
    int status = success;
    bool more = reader.next(record);
    // A byte-order mark is kept, even on a file with nothing else in it.
    if (reader.hadByteOrderMark())
        writer.raw("\xEF\xBB\xBF");
    for (bool first = true; more; first = false, more = reader.next(record)) {
        if (!record.terminator.empty())
            lastTerminator = record.terminator;
        if (record.blank) {
            writer.raw(record.terminator);
            continue;
        }
        result.clear();
        const bool header = first && m_options.header;
        if (header) {
            result = m_options.resultName;
        } else if (!convertRecord(record, result, failure)) {
            message("line " + std::to_string(record.line) + ": " + failure);
            result.clear();
            status = someFailed;
        }
        writeRow(writer, record, result, !header && m_numbers->writesPlainText());
        // A last line without a line break gets one, like the lines before it.
        writer.endRecord(record.terminator.empty() ? lastTerminator : record.terminator);
    }
    if (reader.readError() != 0) {
        message(path + ": " + std::strerror(reader.readError()));
        writer.flush();
        return cannotRun;
    }
    if (!writer.flush()) {
        message(std::string("write error: ") + std::strerror(errno));
        return cannotRun;
    }
    return status;
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

} // namespace

int runConverter(const std::vector<std::string>& arguments, std::FILE* input, std::FILE* output,
                 std::FILE* errors) {
    Options options;
    try {
        options = parseArguments(arguments);
    } catch (const UsageError& error) {
        std::fprintf(errors, "%s: %s\nTry '%s --help' for more information.\n", programName.data(),
                     error.what(), programName.data());
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
        status = Run(options, input, output, errors).single();
        break;
    case Options::Mode::all:
        status = Run(options, input, output, errors).all();
        break;
    case Options::Mode::batch:
        status = Run(options, input, output, errors).batch();
        break;
    }
    if (std::fflush(output) != 0 && status != cannotRun) {
        std::fprintf(errors, "%s: write error: %s\n", programName.data(), std::strerror(errno));
        return cannotRun;
    }
    return status;
}

} // namespace tarnwick::cli
