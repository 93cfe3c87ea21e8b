// SPDX-License-Identifier: MIT
// What a batch is told besides its rows, its defaults, and what can be wrong
// with it: declared once for the converter's options and the page's form.
#pragma once

#include "core/numbers/numberstyle.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

inline constexpr std::string_view defaultResultName = "result";

// The highest column a value can be taken from.
inline constexpr int maxValueColumn = 1'000'000;

struct BatchOptions {
    // For the fields a row lacks; a value the user did not give is empty.
    std::optional<std::string> fromUnit;
    std::optional<std::string> toUnit;
    std::optional<std::string> density;
    std::optional<std::string> densityUnit;

    bool densities = false;                // rows are VALUE[,FROM[,TO]] of density units
    bool header = false;                   // the first row gets resultName instead of a result
    std::optional<std::string> resultName; // defaultResultName when not given
    char separator = ',';
    std::optional<int> valueColumn; // from 1; the units then come from the options
    std::optional<std::string> at;  // the temperature efflux scale readings are taken at
};

// The field separator that text names: one character other than a quote or
// a line break, or "\\t" for a tab; nothing for any other text.
std::optional<char> namedSeparator(std::string_view text);

// Whether a file of that name holds tab-separated text: it ends in ".tsv",
// in any case ("DATA.TSV").
bool isTabSeparatedName(std::string_view fileName);

// The separator of a batch: the delimiter when one is given, a tab when asked
// for or when the file's name says so, a comma otherwise.
char batchSeparator(std::string_view fileName, bool tsv, std::optional<char> delimiter);

// The options a problem can be about, each shown by its front end in its own
// words ("--density", "Density").
enum class BatchOption { fromUnit, toUnit, density, densityUnit, delimiter, valueColumn, at };

struct OptionProblem {
    BatchOption option;
    std::string message;
    // The message goes on from the option's name ("--delimiter takes one
    // character ..."), rather than after it ("--density: Density input ...").
    bool continuesName = false;
};

// The problem told with the option's name as a front end calls it.
std::string describe(const OptionProblem& problem, std::string_view optionName);

OptionProblem separatorProblem(std::string_view text);
OptionProblem valueColumnProblem(std::string_view text);

// Why at, when given, is not a temperature, which serves every row.
std::optional<OptionProblem> atProblem(const std::optional<std::string>& at,
                                       const NumberStyle& numbers);

// The first option that no row could use, or nothing when every option given
// is usable.
std::optional<OptionProblem> batchOptionProblem(const BatchOptions& options,
                                                const NumberStyle& numbers);

// How a run ends, as the converter's exit status and the page's summary.
enum ExitStatus : int { allConverted = 0, someFailed = 1, cannotRun = 2 };

} // namespace tarnwick
