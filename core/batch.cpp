// SPDX-License-Identifier: MIT
#include "core/batch.h"

#include "core/conversion.h"
#include "core/csv/dialect.h"
#include "core/csv/reader.h"
#include "core/csv/writer.h"
#include "core/inputchecks.h"
#include "core/temperaturetext.h"
#include "core/unitcache.h"
#include "core/unitnames.h"
#include "engine/engine.h"

#include <cerrno>
#include <utility>

namespace tarnwick {
namespace {

std::string_view orEmpty(const std::optional<std::string>& value) {
    return value ? std::string_view(*value) : std::string_view();
}

// The window's conversion of each row: VALUE[,FROM[,TO[,DENSITY[,DENSITY_UNIT]]]],
// the fields a row lacks from the options.
class ConversionRows final : public RowOperation {
public:
    ConversionRows(const BatchOptions& options, const NumberStyle& numbers, BatchReport& report)
        : m_options(options)
        , m_numbers(numbers)
        , m_report(report)
        , m_units(options.densities)
        , m_absent(textsAbsent(options, numbers)) {}

    std::optional<ConversionFailure> appendResult(std::span<const std::string_view> fields,
                                                  std::string& out) override {
        const OrFailure<double> converted = convertFields(fields);
        if (!converted)
            return converted.failure();
        m_numbers.append(out, *converted);
        return std::nullopt;
    }
    bool writesPlainText() const override { return m_numbers.writesPlainText(); }

private:
    OrFailure<double> convertFields(std::span<const std::string_view> fields);

    // What stands in for a field a row lacks: the option, or its default.
    static ConversionTexts textsAbsent(const BatchOptions& options, const NumberStyle& numbers) {
        ConversionTexts texts;
        texts.fromUnit = orEmpty(options.fromUnit);
        texts.toUnit = orEmpty(options.toUnit);
        texts.density = options.density ? std::string_view(*options.density) : defaultDensityText();
        texts.densityUnit =
            options.densityUnit ? std::string_view(*options.densityUnit) : defaultDensityUnitName();
        texts.densityGiven = options.density.has_value();
        texts.at = options.at ? readTemperature(*options.at, numbers) : std::nullopt;
        return texts;
    }

    const BatchOptions& m_options;
    const NumberStyle& m_numbers;
    BatchReport& m_report;
    // Each distinct unit text of a column is found once for the whole file.
    ConversionUnitCache m_units;
    DefaultDensityNote m_densityNote;
    const ConversionTexts m_absent;
};

class Batch {
public:
    Batch(const BatchOptions& options, RowOperation& rows, BatchReport& report)
        : m_options(options)
        , m_rows(rows)
        , m_report(report) {}

    BatchOutcome run(ByteSource& input, ByteSink& output);

private:
    bool convertRecord(const Record& record, std::string& result, std::string& failure);
    void writeRow(RecordWriter& writer, const Record& record, std::string_view result,
                  bool resultIsPlain);

    const BatchOptions& m_options;
    RowOperation& m_rows;
    BatchReport& m_report;
};

OrFailure<double> ConversionRows::convertFields(std::span<const std::string_view> fields) {
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
        const DensityTexts texts{value, field(1, m_absent.fromUnit), field(2, m_absent.toUnit)};
        const OrFailure<DensityRequest> request = readDensityConversion(texts, m_numbers, &m_units);
        return request ? convert(*request) : request.failure();
    }
    ConversionTexts texts = m_absent;
    texts.value = value;
    texts.fromUnit = field(1, texts.fromUnit);
    texts.toUnit = field(2, texts.toUnit);
    texts.density = field(3, texts.density);
    texts.densityGiven = texts.densityGiven || (!m_options.valueColumn && fields.size() > 3);
    texts.densityUnit = field(4, texts.densityUnit);
    const OrFailure<ConversionRequest> request = readConversion(texts, m_numbers, &m_units);
    if (!request)
        return request.failure();
    OrFailure<double> result = convert(*request);
    if (const std::string note = m_densityNote.after(*request, result); !note.empty())
        m_report.note(note);
    return result;
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
    if (const std::optional<ConversionFailure> problem =
            m_rows.appendResult(record.fields, result)) {
        failure = withoutTrailingBlanks(problem->message);
        return false;
    }
    return true;
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
    // Blank lines before it do not make the header a row. Once the output
    // fails, what is left of the input is not read: it would go nowhere.
    bool headerDue = m_options.header;
    for (; more && !writer.failed(); more = reader.next(record)) {
        if (!record.terminator.empty())
            lastTerminator = record.terminator;
        if (record.blank) {
            writer.raw(record.terminator);
            continue;
        }
        result.clear();
        const bool header = std::exchange(headerDue, false);
        if (header) {
            result = m_options.resultName.value_or(std::string(defaultResultName));
        } else {
            ++outcome.rows;
            if (!convertRecord(record, result, failure)) {
                m_report.rowFailed(record.line, failure);
                result.clear();
                ++outcome.failed;
                outcome.status = BatchOutcome::Status::someFailed;
            }
        }
        writeRow(writer, record, result, !header && m_rows.writesPlainText());
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

ExitStatus exitStatus(BatchOutcome::Status status) {
    switch (status) {
    case BatchOutcome::Status::allConverted:
        return ExitStatus::allConverted;
    case BatchOutcome::Status::someFailed:
        return ExitStatus::someFailed;
    case BatchOutcome::Status::readError:
    case BatchOutcome::Status::writeError:
        break;
    }
    return ExitStatus::cannotRun;
}

BatchOutcome runBatch(const BatchOptions& options, RowOperation& rows, ByteSource& input,
                      ByteSink& output, BatchReport& report) {
    return Batch(options, rows, report).run(input, output);
}

BatchOutcome convertBatch(const BatchOptions& options, const NumberStyle& numbers,
                          ByteSource& input, ByteSink& output, BatchReport& report) {
    ConversionRows rows(options, numbers, report);
    return runBatch(options, rows, input, output, report);
}

} // namespace tarnwick
