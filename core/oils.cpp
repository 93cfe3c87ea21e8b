// SPDX-License-Identifier: MIT
#include "core/oils.h"

#include "core/temperaturetext.h"
#include "engine/oils.h"

#include <array>

namespace tarnwick {
namespace {

// An operand that is not what its question takes, told from its name:
// "V40 takes a number, not 'abc'".
ConversionFailure operandProblem(std::string_view name, std::string problem) {
    return {std::nullopt, std::string(name) + " " + std::move(problem)};
}

OrFailure<double> numberOf(std::string_view name, std::string_view text,
                           const NumberStyle& numbers) {
    if (const std::optional<double> value = numbers.parse(text))
        return *value;
    return operandProblem(name, "takes a number, not '" + std::string(text) + "'");
}

OrFailure<Temperature> temperatureOf(std::string_view name, std::string_view text,
                                     const NumberStyle& numbers) {
    if (const std::optional<Temperature> t = readTemperature(text, numbers))
        return *t;
    return operandProblem(name, temperatureTextProblem(text));
}

struct TemperatureLine {
    Temperature t1;
    double v1;
    Temperature t2;
    double v2;
};

// The line's four operands read in their order, the first problem told.
OrFailure<TemperatureLine> lineOf(const TemperatureLineTexts& texts, const NumberStyle& numbers) {
    const auto t1 = temperatureOf("T1", texts.t1, numbers);
    if (!t1)
        return t1.failure();
    const auto v1 = numberOf("V1", texts.v1, numbers);
    if (!v1)
        return v1.failure();
    const auto t2 = temperatureOf("T2", texts.t2, numbers);
    if (!t2)
        return t2.failure();
    const auto v2 = numberOf("V2", texts.v2, numbers);
    if (!v2)
        return v2.failure();
    return TemperatureLine{*t1, *v1, *t2, *v2};
}

// The numbers named names, read in order, the first problem told.
template <std::size_t N>
OrFailure<std::array<double, N>> numbersOf(const std::array<std::string_view, N>& names,
                                           const std::array<std::string_view, N>& texts,
                                           const NumberStyle& numbers) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = numberOf(names[i], texts[i], numbers);
        if (!value)
            return value.failure();
        values[i] = *value;
    }
    return values;
}

} // namespace

OrFailure<double> viscosityAtTexts(const TemperatureLineTexts& line, std::string_view t,
                                   const NumberStyle& numbers) {
    const auto points = lineOf(line, numbers);
    if (!points)
        return points.failure();
    const auto at = temperatureOf("T", t, numbers);
    if (!at)
        return at.failure();
    const TemperatureLine& p = *points;
    return computed([&] { return viscosityAt(p.t1, p.v1, p.t2, p.v2, *at); });
}

OrFailure<Temperature> temperatureReachingTexts(const TemperatureLineTexts& line,
                                                std::string_view v, const NumberStyle& numbers) {
    const auto points = lineOf(line, numbers);
    if (!points)
        return points.failure();
    const auto reached = numberOf("V", v, numbers);
    if (!reached)
        return reached.failure();
    const TemperatureLine& p = *points;
    return computed([&] { return temperatureReaching(*reached, p.t1, p.v1, p.t2, p.v2); });
}

OrFailure<double> viscosityIndexTexts(std::string_view v40, std::string_view v100,
                                      const NumberStyle& numbers) {
    const auto v = numbersOf<2>({"V40", "V100"}, {v40, v100}, numbers);
    if (!v)
        return v.failure();
    return computed([&] { return viscosityIndex((*v)[0], (*v)[1]); });
}

OrFailure<int> isoGradeTexts(std::string_view v40, const NumberStyle& numbers) {
    const auto v = numberOf("V40", v40, numbers);
    if (!v)
        return v.failure();
    const auto grade = computed([&] { return isoGrade(*v); });
    if (!grade)
        return grade.failure();
    if (grade->grade)
        return *grade->grade;
    std::string message = "no ISO VG grade: ";
    if (grade->below && grade->above)
        message += "between " + isoGradeName(*grade->below) + " and " + isoGradeName(*grade->above);
    else if (grade->above)
        message += "below " + isoGradeName(*grade->above);
    else
        message += "above " + isoGradeName(*grade->below);
    return ConversionFailure{std::nullopt, std::move(message)};
}

OrFailure<double> blendTexts(std::string_view v1, std::string_view v2, std::string_view fraction,
                             const NumberStyle& numbers) {
    const auto v = numbersOf<3>({"V1", "V2", "F"}, {v1, v2, fraction}, numbers);
    if (!v)
        return v.failure();
    return computed([&] { return blend((*v)[0], (*v)[1], (*v)[2]); });
}

OrFailure<double> blendFractionTexts(std::string_view v1, std::string_view v2,
                                     std::string_view target, const NumberStyle& numbers) {
    const auto v = numbersOf<3>({"V1", "V2", "V"}, {v1, v2, target}, numbers);
    if (!v)
        return v.failure();
    return computed([&] { return blendFraction((*v)[0], (*v)[1], (*v)[2]); });
}

std::string isoGradeName(int grade) {
    return "ISO VG " + std::to_string(grade);
}

void appendTemperature(std::string& out, Temperature t, const NumberStyle& numbers) {
    numbers.append(out, t.value);
    out += temperatureSymbols[static_cast<std::size_t>(t.scale)];
}

namespace {

constexpr std::string_view lineAt[] = {"T1", "V1", "T2", "V2", "T"};
constexpr std::string_view lineReaching[] = {"T1", "V1", "T2", "V2", "V"};
constexpr std::string_view indexOperands[] = {"V40", "V100"};
constexpr std::string_view gradeOperands[] = {"V40"};
constexpr std::string_view blendOperands[] = {"V1", "V2", "F"};
constexpr std::string_view fractionOperands[] = {"V1", "V2", "V"};

// A number's answer appended under style, or its failure.
std::optional<ConversionFailure> appended(const OrFailure<double>& answer,
                                          const NumberStyle& numbers, std::string& out) {
    if (!answer)
        return answer.failure();
    numbers.append(out, *answer);
    return std::nullopt;
}

// Each question's row of a batch: its operands as the fields.
class AnswerRows final : public RowOperation {
public:
    AnswerRows(OilQuestion question, const OilAnswerStyle& style)
        : m_question(question)
        , m_style(style) {}

    std::optional<ConversionFailure> appendResult(std::span<const std::string_view> fields,
                                                  std::string& out) override {
        const std::span<const std::string_view> names = operandNames(m_question);
        if (fields.size() != names.size()) {
            std::string expected;
            for (const std::string_view name : names)
                expected.append(expected.empty() ? "" : ",").append(name);
            return ConversionFailure{std::nullopt, "expected " + expected + ", not " +
                                                       std::to_string(fields.size()) +
                                                       (fields.size() == 1 ? " field" : " fields")};
        }
        return appendOilAnswer(m_question, fields, m_style, out);
    }
    bool writesPlainText() const override {
        return m_question != OilQuestion::grade && m_style.numbers.writesPlainText() &&
               (!m_style.wholeIndex || m_style.wholeIndex->writesPlainText());
    }

private:
    OilQuestion m_question;
    const OilAnswerStyle& m_style;
};

} // namespace

std::span<const std::string_view> operandNames(OilQuestion question) {
    switch (question) {
    case OilQuestion::viscosityAt:
        return lineAt;
    case OilQuestion::temperatureReaching:
        return lineReaching;
    case OilQuestion::viscosityIndex:
        return indexOperands;
    case OilQuestion::grade:
        return gradeOperands;
    case OilQuestion::blend:
        return blendOperands;
    case OilQuestion::blendFraction:
        return fractionOperands;
    }
    return {};
}

std::optional<ConversionFailure> appendOilAnswer(OilQuestion question,
                                                 std::span<const std::string_view> operands,
                                                 const OilAnswerStyle& style, std::string& out) {
    const auto& o = operands;
    const NumberStyle& numbers = style.numbers;
    switch (question) {
    case OilQuestion::viscosityAt:
        return appended(viscosityAtTexts({o[0], o[1], o[2], o[3]}, o[4], numbers), numbers, out);
    case OilQuestion::temperatureReaching: {
        const auto t = temperatureReachingTexts({o[0], o[1], o[2], o[3]}, o[4], numbers);
        if (!t)
            return t.failure();
        appendTemperature(out, *t, numbers);
        return std::nullopt;
    }
    case OilQuestion::viscosityIndex: {
        const auto index = viscosityIndexTexts(o[0], o[1], numbers);
        if (index && style.wholeIndex)
            // + 0.0: an index just under zero rounds to zero, not "-0".
            return appended(roundedViscosityIndex(*index) + 0.0, *style.wholeIndex, out);
        return appended(index, numbers, out);
    }
    case OilQuestion::grade: {
        const auto grade = isoGradeTexts(o[0], numbers);
        if (!grade)
            return grade.failure();
        out += isoGradeName(*grade);
        return std::nullopt;
    }
    case OilQuestion::blend:
        return appended(blendTexts(o[0], o[1], o[2], numbers), numbers, out);
    case OilQuestion::blendFraction:
        return appended(blendFractionTexts(o[0], o[1], o[2], numbers), numbers, out);
    }
    return std::nullopt;
}

BatchOutcome answerBatch(OilQuestion question, const BatchOptions& options,
                         const OilAnswerStyle& style, ByteSource& input, ByteSink& output,
                         BatchReport& report) {
    AnswerRows rows(question, style);
    return runBatch(options, rows, input, output, report);
}

} // namespace tarnwick
