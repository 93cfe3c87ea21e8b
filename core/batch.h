// SPDX-License-Identifier: MIT
// Converting every row of a delimited file, streamed: each row comes out in
// its place with its fields as they came and one more, the result.
#pragma once

#include "core/bytestream.h"
#include "core/numbers/numberstyle.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

struct BatchOptions {
    // For the fields a row lacks; a value the user did not give is empty.
    std::optional<std::string> fromUnit;
    std::optional<std::string> toUnit;
    std::optional<std::string> density;
    std::optional<std::string> densityUnit;

    bool densities = false; // rows are VALUE[,FROM[,TO]] of density units
    bool header = false;    // the first row gets resultName instead of a result
    std::string resultName = "result";
    char separator = ',';
    std::optional<int> valueColumn; // from 1; the units then come from the options
};

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

// The field separator that text names: one character other than a quote or
// a line break, or "\\t" for a tab; nothing for any other text.
std::optional<char> namedSeparator(std::string_view text);
// Why text names no separator, as a message ("--delimiter takes ...").
std::string separatorProblem(std::string_view text);

// The highest column a value can be taken from.
inline constexpr int maxValueColumn = 1'000'000;

// The first option that no row could use, as a message ("--to: ..."); empty
// when every option given is usable.
std::string batchOptionProblem(const BatchOptions& options, const NumberStyle& numbers);

// Converts every record of input and writes it to output. The options must
// have passed batchOptionProblem().
BatchOutcome convertBatch(const BatchOptions& options, const NumberStyle& numbers,
                          ByteSource& input, ByteSink& output, BatchReport& report);

} // namespace tarnwick
