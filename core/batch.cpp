// SPDX-License-Identifier: MIT
#include "core/batch.h"

#include "core/conversion.h"
#include "core/csv/reader.h"
#include "core/csv/writer.h"
#include "core/inputchecks.h"
#include "core/unitnames.h"
#include "engine/engine.h"

#include <cerrno>

namespace tarnwick {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::string_view orEmpty(const std::optional<std::string>& value) {
    return value ? std::string_view(*value) : std::string_view();
}

class Batch {
public:
    Batch(const BatchOptions& options, const NumberStyle& numbers, BatchReport& report)
        : m_options(options)
        , m_numbers(numbers)
        , m_report(report)
        , m_converter(numbers) {}

    BatchOutcome run(ByteSource& input, ByteSink& output);

private:
    bool convertRecord(const Record& record, std::string& result, std::string& failure);
    bool convertFields(const Record& record, std::string& result, ConversionFailure& failure);
    void writeRow(RecordWriter& writer, const Record& record, std::string_view result,
                  bool resultIsPlain);

    const BatchOptions& m_options;
    const NumberStyle& m_numbers;
    BatchReport& m_report;
    Converter m_converter;
};

bool Batch::convertFields(const Record& record, std::string& result, ConversionFailure& failure) {
    const auto& fields = record.fields;
    const auto field = [&](std::size_t index, std::string_view otherwise) {
        return !m_options.valueColumn && index < fields.size() ? fields[index] : otherwise;
    };
    std::string_view value;
    if (m_options.valueColumn) {
        const auto column = static_cast<std::size_t>(*m_options.valueColumn);
        value = column <= fields.size() ? fields[column - 1] : std::string_view();
    } else {
        value = fields[0];
    }
    if (m_options.densities) {
        const DensityTexts texts{value, field(1, orEmpty(m_options.fromUnit)),
                                 field(2, orEmpty(m_options.toUnit))};
        return m_converter.convertDensity(texts, result, failure);
    }
    ConversionTexts texts;
    texts.value = value;
    texts.fromUnit = field(1, orEmpty(m_options.fromUnit));
    texts.toUnit = field(2, orEmpty(m_options.toUnit));
    texts.density = field(3, m_options.density ? *m_options.density : defaultDensityText());
    texts.densityGiven = m_options.density || (!m_options.valueColumn && fields.size() > 3);
    texts.densityUnit = field(4, m_options.densityUnit ? std::string_view(*m_options.densityUnit)
                                                       : densityUnits[defaultDensityUnitIndex]);
    const bool converted = m_converter.convert(texts, result, failure);
    if (m_converter.takeDefaultDensityNote())
        m_report.note(defaultDensityNote(texts.densityUnit));
    return converted;
}

bool Batch::convertRecord(const Record& record, std::string& result, std::string& failure) {
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
    ConversionFailure conversionFailure;
    if (convertFields(record, result, conversionFailure))
        return true;
    failure = withoutTrailingBlanks(conversionFailure.message);
    return false;
}

void Batch::writeRow(RecordWriter& writer, const Record& record, std::string_view result,
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

BatchOutcome Batch::run(ByteSource& input, ByteSink& output) {
    RecordReader reader(input, m_options.separator);
    RecordWriter writer(output, m_options.separator);
    BatchOutcome outcome;
    Record record;
    std::string result;
    std::string failure;
    std::string_view lastTerminator = "\n";
    bool more = reader.next(record);
    // A byte-order mark is kept, even on a file with nothing else in it.
    if (reader.hadByteOrderMark())
        writer.raw(byteOrderMark);
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
        } else {
            ++outcome.rows;
            if (!convertRecord(record, result, failure)) {
                m_report.rowFailed(record.line, failure);
                result.clear();
                ++outcome.failed;
                outcome.status = BatchOutcome::Status::someFailed;
            }
        }
        writeRow(writer, record, result, !header && m_numbers.writesPlainText());
        // A last line without a line break gets one, like the lines before it.
        writer.endRecord(record.terminator.empty() ? lastTerminator : record.terminator);
    }
    const bool written = writer.flush();
    if (reader.readError() != 0) {
        outcome.status = BatchOutcome::Status::readError;
        outcome.error = reader.readError();
    } else if (!written) {
        outcome.status = BatchOutcome::Status::writeError;
        outcome.error = errno;
    }
    return outcome;
}

} // namespace

std::optional<char> namedSeparator(std::string_view text) {
    if (text == "\\t")
        return '\t';
    if (text.size() != 1 || text == "\"" || text == "\n" || text == "\r")
        return std::nullopt;
    return text[0];
}

std::string separatorProblem(std::string_view text) {
    return "--delimiter takes one character other than a quote or a line break, not '" +
           std::string(text) + "'";
}

std::string batchOptionProblem(const BatchOptions& options, const NumberStyle& numbers) {
    using Rule = InputCheck::Rule;
    // The reader cannot split rows on these, and a column outside the range
    // would index no field.
    const std::string_view separator(&options.separator, 1);
    if (!namedSeparator(separator))
        return separatorProblem(separator);
    if (options.valueColumn && (*options.valueColumn < 1 || *options.valueColumn > maxValueColumn))
        return "--value-column takes a whole number from 1 to " + std::to_string(maxValueColumn) +
               ", not '" + std::to_string(*options.valueColumn) + "'";
    if (options.density) {
        const auto density = numbers.parse(*options.density);
        const auto problem = [](const InputCheck& check) {
            return "--density: " + withoutTrailingBlanks(check.message);
        };
        if (!density)
            return problem(inputCheck(Control::densityText, Rule::numeric));
        if (!(*density > 0))
            return problem(inputCheck(Control::densityText, Rule::positive));
    }
    const UnitKind rowUnits = options.densities ? UnitKind::density : UnitKind::viscosity;
    const struct {
        const std::optional<std::string>& value;
        const char* option;
        UnitKind kind;
        const InputCheck& given;
    } units[] = {
        {options.densityUnit, "--density-unit", UnitKind::density,
         inputCheck(Control::densityCombo, Rule::unitGiven)},
        {options.fromUnit, "--from", rowUnits,
         options.densities ? inputCheck(Control::densityCombo, Rule::unitGiven)
                           : inputCheck(Control::convCombo, Rule::unitGiven)},
        {options.toUnit, "--to", rowUnits,
         options.densities ? inputCheck(Control::densityCombo, Rule::unitGiven)
                           : inputCheck(Control::toCombo, Rule::unitGiven)},
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

BatchOutcome convertBatch(const BatchOptions& options, const NumberStyle& numbers,
                          ByteSource& input, ByteSink& output, BatchReport& report) {
    return Batch(options, numbers, report).run(input, output);
}

} // namespace tarnwick
