// SPDX-License-Identifier: MIT
// Converting every row of a delimited file, streamed: each row comes out in
// its place with its fields as they came and one more, the result.
#pragma once

#include "core/batchoptions.h"
#include "core/bytestream.h"
#include "core/inputchecks.h"
#include "core/numbers/numberstyle.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

// What a batch says besides its output.
class BatchReport {
public:
    virtual ~BatchReport() = default;
    // A row that failed, by the line it starts on (from 1).
    virtual void rowFailed(std::size_t line, std::string_view message) = 0;
    // Something about the run as a whole, such as the density it assumed.
    virtual void note(std::string_view message) = 0;

protected:
    BatchReport() = default;
    BatchReport(const BatchReport&) = default;
    BatchReport& operator=(const BatchReport&) = default;
};

struct BatchOutcome {
    enum class Status { allConverted, someFailed, readError, writeError };

    Status status = Status::allConverted;
    std::size_t rows = 0; // rows converted or failed, the header and blank lines not counted
    std::size_t failed = 0;
    int error = 0; // the errno of a read or write error
};

// The exit status a run ends with: someFailed when a row failed, cannotRun
// when the input could not be read or the output written.
ExitStatus exitStatus(BatchOutcome::Status status);

// What is done with each row: its fields in, its result appended to out, or
// why there is none.
class RowOperation {
public:
    virtual ~RowOperation() = default;
    virtual std::optional<ConversionFailure> appendResult(std::span<const std::string_view> fields,
                                                          std::string& out) = 0;
    // Whether every result is free of separators and quotes.
    virtual bool writesPlainText() const = 0;

protected:
    RowOperation() = default;
    RowOperation(const RowOperation&) = default;
    RowOperation& operator=(const RowOperation&) = default;
};

// Runs rows on every record of input and writes each record to output with
// the result appended, in its place; of options, only the separator, the
// header and the result name are used.
BatchOutcome runBatch(const BatchOptions& options, RowOperation& rows, ByteSource& input,
                      ByteSink& output, BatchReport& report);

// Converts every record of input and writes it to output. The options must
// have passed batchOptionProblem().
BatchOutcome convertBatch(const BatchOptions& options, const NumberStyle& numbers,
                          ByteSource& input, ByteSink& output, BatchReport& report);

} // namespace tarnwick
