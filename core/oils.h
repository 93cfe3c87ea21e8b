// SPDX-License-Identifier: MIT
// The oil questions as a user asks them: the operands' texts, read as every
// number of the run is, in; the answer, or why there is none, out. The
// formulas themselves are the engine's (engine/oils.h).
#pragma once

#include "core/batch.h"
#include "core/numbers/numberstyle.h"
#include "core/orfailure.h"
#include "engine/temperature.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

// Two points of an oil's viscosity-temperature line: T1 V1 T2 V2, the
// viscosities in cSt.
struct TemperatureLineTexts {
    std::string_view t1, v1, t2, v2;
};

// ASTM D341: the viscosity in cSt at t.
OrFailure<double> viscosityAtTexts(const TemperatureLineTexts& line, std::string_view t,
                                   const NumberStyle& numbers);
// The temperature at which the line reaches v, in T1's scale.
OrFailure<Temperature> temperatureReachingTexts(const TemperatureLineTexts& line,
                                                std::string_view v, const NumberStyle& numbers);
// The viscosity index, unrounded.
OrFailure<double> viscosityIndexTexts(std::string_view v40, std::string_view v100,
                                      const NumberStyle& numbers);
// The ISO VG grade holding v40; between grades, a failure that names the
// grades around it: "no ISO VG grade: between ISO VG 22 and ISO VG 32",
// "... below ISO VG 2", "... above ISO VG 3200".
OrFailure<int> isoGradeTexts(std::string_view v40, const NumberStyle& numbers);
// Refutas: the blend with the mass fraction of the second oil, and the
// mass fraction of the second oil that makes the target.
OrFailure<double> blendTexts(std::string_view v1, std::string_view v2, std::string_view fraction,
                             const NumberStyle& numbers);
OrFailure<double> blendFractionTexts(std::string_view v1, std::string_view v2,
                                     std::string_view target, const NumberStyle& numbers);

// "ISO VG 68"
std::string isoGradeName(int grade);

// The temperature as a user writes one, its number under numbers and then
// its symbol ("73.99807796C"), so that it reads back as a temperature.
void appendTemperature(std::string& out, Temperature t, const NumberStyle& numbers);

// Each question, for the front ends that run any of them the same way.
enum class OilQuestion {
    viscosityAt,
    temperatureReaching,
    viscosityIndex,
    grade,
    blend,
    blendFraction
};

// The names of its operands, in their order ("V40", "V100").
std::span<const std::string_view> operandNames(OilQuestion question);

// How the answers are written: numbers under the run's style; the viscosity
// index as the standard reports it, a whole number, under wholeIndex (a style
// without decimals), or unrounded under numbers when that is null.
struct OilAnswerStyle {
    const NumberStyle& numbers;
    const NumberStyle* wholeIndex = nullptr;
};

// Appends the answer to question to out; operands holds operandNames'
// count of texts.
std::optional<ConversionFailure> appendOilAnswer(OilQuestion question,
                                                 std::span<const std::string_view> operands,
                                                 const OilAnswerStyle& style, std::string& out);

// Answers question for every row of input, each row holding the operands as
// fields, with the answer appended as one more field. The options must have
// passed batchOptionProblem() and give no units, density or value column.
BatchOutcome answerBatch(OilQuestion question, const BatchOptions& options,
                         const OilAnswerStyle& style, ByteSource& input, ByteSink& output,
                         BatchReport& report);

} // namespace tarnwick
