// SPDX-License-Identifier: MIT
// libFuzzer target for the oil questions' operands and the efflux scales:
// the input's lines are the operand texts. A temperature that is read is
// finite and, written back, reads as the same temperature; every question
// gives an answer or a failure that says why, never a NaN or an infinity;
// a reading in any efflux scale, at any temperature, converts to a finite
// number or fails with a message, on its own and on every other scale.
#include "core/conversion.h"
#include "core/numbers/localnumber.h"
#include "core/oils.h"
#include "core/scalereadings.h"
#include "core/temperaturetext.h"
#include "engine/effluxscales.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tarnwick;

void check(bool property) {
    if (!property)
        std::abort();
}

void checkTemperature(std::string_view text, const NumberStyle& numbers) {
    const std::optional<Temperature> t = readTemperature(text, numbers);
    if (!t)
        return;
    check(std::isfinite(t->value));
    std::string written;
    appendTemperature(written, *t, PlainNumbers(0, true));
    const std::optional<Temperature> back = readTemperature(written, PlainNumbers());
    check(back && back->value == t->value && back->scale == t->scale);
}

void checkAnswers(const std::vector<std::string_view>& lines, const NumberStyle& numbers) {
    const PlainNumbers whole(0);
    for (const OilQuestion question :
         {OilQuestion::viscosityAt, OilQuestion::temperatureReaching, OilQuestion::viscosityIndex,
          OilQuestion::grade, OilQuestion::blend, OilQuestion::blendFraction}) {
        std::vector<std::string_view> operands(operandNames(question).size());
        for (std::size_t i = 0; i < operands.size() && i < lines.size(); ++i)
            operands[i] = lines[i];
        std::string out;
        const auto problem = appendOilAnswer(question, operands, {numbers, &whole}, out);
        check(problem ? out.empty() && !problem->message.empty() : !out.empty());
        check(out.find("nan") == std::string::npos && out.find("inf") == std::string::npos);
    }
}

void checkScales(const std::vector<std::string_view>& lines, const NumberStyle& numbers) {
    const std::string_view value = lines.empty() ? "" : lines[0];
    const std::optional<Temperature> at =
        lines.size() > 1 ? readTemperature(lines[1], numbers) : std::nullopt;
    for (const EffluxScale& scale : effluxScales) {
        for (const bool fromScale : {true, false}) {
            ConversionTexts texts{value,
                                  fromScale ? scale.name : "cSt",
                                  fromScale ? "cP" : scale.name,
                                  "50",
                                  "lb/ft^3",
                                  true,
                                  at};
            const auto request = readConversion(texts, numbers);
            if (!request)
                continue;
            const OrFailure<double> result = convert(*request);
            check(result ? std::isfinite(*result) : !result.failure().message.empty());
        }
        const std::string_view atText = lines.size() > 1 ? lines[1] : "";
        const auto readings = readingOnEveryScale({value, scale.name, atText}, numbers);
        check(readings ? std::isfinite(readings->centistokes) && readings->others.size() == 4
                       : !readings.failure().message.empty());
        if (readings)
            for (const OtherScaleReading& other : readings->others)
                check(other.reading ? std::isfinite(*other.reading)
                                    : !other.reading.failure().message.empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= input.size() && lines.size() < 6;) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        lines.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    static const PlainNumbers plain;
    static const LocaleNumbers german(NumberSymbols{",", ".", 3, 3, 1, U'0', "-", "+", "E"});
    for (const NumberStyle* numbers : std::array<const NumberStyle*, 2>{&plain, &german}) {
        for (const std::string_view line : lines)
            checkTemperature(line, *numbers);
        checkAnswers(lines, *numbers);
        checkScales(lines, *numbers);
    }
    return 0;
}
