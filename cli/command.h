// SPDX-License-Identifier: MIT
// The converter's modes over the process's streams: each a few lines around
// a named operation of the core.
#pragma once

#include "cli/options.h"
#include "core/batch.h"
#include "core/conversion.h"
#include "core/oils.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tarnwick::cli {

inline constexpr std::string_view programName = "tarnwick-convert";

// The modes of one command line that convert or answer, over the process's
// streams.
class ConversionCommand final : public BatchReport {
public:
    // wholeNumbers, the run's style without decimals, writes a whole
    // viscosity index; null for the unrounded one.
    ConversionCommand(const Options& options, std::FILE* input, std::FILE* output,
                      std::FILE* errors, std::unique_ptr<NumberStyle> numbers,
                      std::unique_ptr<NumberStyle> wholeNumbers = nullptr)
        : m_options(options)
        , m_input(input)
        , m_output(output)
        , m_errors(errors)
        , m_numbers(std::move(numbers))
        , m_wholeNumbers(std::move(wholeNumbers)) {}

    int single();
    int all();
    // Converts every row of FILE, or answers options.oil for every row.
    int batch();
    // Answers options.oil about the operands.
    int oil();

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
    std::unique_ptr<NumberStyle> m_wholeNumbers;
    DefaultDensityNote m_densityNote;
};

} // namespace tarnwick::cli
