// SPDX-License-Identifier: MIT
#include "core/scalereadings.h"

#include "core/conversion.h"
#include "core/temperaturetext.h"
#include "engine/effluxscales.h"

namespace tarnwick {
namespace {

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

OrFailure<ScaleReadings> readingOnEveryScale(const ScaleReadingTexts& texts,
                                             const NumberStyle& numbers) {
    std::optional<Temperature> at;
    if (!blank(texts.at)) {
        at = readTemperature(texts.at, numbers);
        if (!at)
            return ConversionFailure{std::nullopt, "At " + temperatureTextProblem(texts.at)};
    }
    // Through the converter's own path: its checks, its messages. The
    // density is never used between kinematic units, but is checked.
    const std::string_view centistokes = "cSt";
    ConversionTexts conversion{
        texts.reading, texts.scale, centistokes, defaultDensityText(), defaultDensityUnitName(),
        false,         at};
    const auto read = readConversion(conversion, numbers);
    if (!read)
        return read.failure();
    ConversionRequest request = *read;
    const auto inCentistokes = convert(request);
    if (!inCentistokes)
        return inCentistokes.failure();
    ScaleReadings readings{*inCentistokes, {}};
    for (const EffluxScale& scale : effluxScales) {
        if (scale.name == request.from.unit.name())
            continue;
        request.to = UnitInput::viscosity(scale.name);
        readings.others.push_back({scale.name, convert(request)});
    }
    return readings;
}

} // namespace tarnwick
