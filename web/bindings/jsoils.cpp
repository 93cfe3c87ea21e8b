// SPDX-License-Identifier: MIT
// The oil questions as the page's oil panel asks them: the core's named
// operations on the controls' texts, numbers under the browser's symbols,
// the answers written as the converter writes them; and the values its
// viscosity-temperature chart plots.
#include "core/oils.h"
#include "core/scalereadings.h"
#include "core/temperaturetext.h"
#include "engine/effluxscales.h"
#include "engine/oils.h"
#include "web/bindings/jsvalues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <emscripten/bind.h>
#include <vector>

namespace tarnwick::web {

using emscripten::vecFromJSArray;
namespace {

constexpr std::array<std::pair<std::string_view, OilQuestion>, 6> questions{{
    {"viscosityAt", OilQuestion::viscosityAt},
    {"temperatureReaching", OilQuestion::temperatureReaching},
    {"viscosityIndex", OilQuestion::viscosityIndex},
    {"grade", OilQuestion::grade},
    {"blend", OilQuestion::blend},
    {"blendFraction", OilQuestion::blendFraction},
}};

val failureObject(const ConversionFailure& failure, std::span<const std::string_view> operands) {
    val object = val::object();
    object.set("ok", false);
    object.set("message", failure.message);
    // The operand a message names first ("V40 takes a number, ..."), so the
    // page can move the focus to its control.
    std::string operand;
    for (const std::string_view name : operands)
        if (failure.message.starts_with(std::string(name) + ' '))
            operand = name;
    object.set("operand", operand);
    return object;
}

// {ok: true, text} with the answer as the converter writes it (the index a
// whole number), or {ok: false, message, operand}.
val oilAnswer(std::string name, val operandTexts, val symbols) {
    const auto question = std::find_if(questions.begin(), questions.end(),
                                       [&](const auto& q) { return q.first == name; });
    if (question == questions.end())
        throwRangeError("oilAnswer: no such question");
    const std::vector<std::string> texts = vecFromJSArray<std::string>(operandTexts);
    const std::vector<std::string_view> operands(texts.begin(), texts.end());
    const NumberSymbols read = symbolsFrom(symbols);
    const LocaleNumbers numbers(read);
    const LocaleNumbers whole(read, 0);
    std::string text;
    if (const auto failure = appendOilAnswer(question->second, operands, {numbers, &whole}, text))
        return failureObject(*failure, operandNames(question->second));
    val object = val::object();
    object.set("ok", true);
    object.set("text", text);
    return object;
}

val scaleNames() {
    val array = val::array();
    for (const EffluxScale& scale : effluxScales)
        array.call<void>("push", std::string(scale.name));
    return array;
}

// {ok: true, centistokes, others: [{scale, ok, text | message}]} or
// {ok: false, input, message}.
val readingOnEveryScaleTexts(val inputs, val symbols) {
    const std::string reading = textOf(inputs, "reading");
    const std::string scale = textOf(inputs, "scale");
    const std::string at = textOf(inputs, "at");
    const NumberSymbols read = symbolsFrom(symbols);
    const auto readings = readingOnEveryScale({reading, scale, at}, LocaleNumbers(read));
    if (!readings)
        return resultObject(readings.failure(), read);
    val object = resultObject(readings->centistokes, read);
    val others = val::array();
    for (const OtherScaleReading& other : readings->others) {
        val entry = resultObject(other.reading, read);
        entry.set("scale", std::string(other.scale));
        others.call<void>("push", entry);
    }
    object.set("others", others);
    return object;
}

// The chart's values. A temperature's text as {value, scale, kelvin}, or
// null when it is none.
val temperatureOf(std::string text, val symbols) {
    const auto t = readTemperature(text, LocaleNumbers(symbolsFrom(symbols)));
    if (!t)
        return val::null();
    const auto k = computed([&] { return kelvin(*t); });
    if (!k)
        return val::null();
    val object = val::object();
    object.set("value", t->value);
    object.set("scale", std::string(temperatureSymbols[static_cast<std::size_t>(t->scale)]));
    object.set("kelvin", *k);
    return object;
}

TemperatureScale scaleOf(const std::string& symbol) {
    for (std::size_t i = 0; i < temperatureSymbols.size(); ++i)
        if (temperatureSymbols[i] == symbol)
            return static_cast<TemperatureScale>(i);
    throwRangeError("the scale must be C, F or K");
}

double kelvinOf(double value, std::string symbol) {
    const auto k = computed([&] { return kelvin({value, scaleOf(symbol)}); });
    return k ? *k : NAN;
}

double fromKelvinIn(double k, std::string symbol) {
    const auto t = computed([&] { return fromKelvin(k, scaleOf(symbol)).value; });
    return t ? *t : NAN;
}

// ASTM D341 through the two points, temperatures in kelvin; NaN where the
// engine refuses.
double viscosityAtKelvin(double k1, double v1, double k2, double v2, double k) {
    const auto in = [](double value) { return Temperature{value, TemperatureScale::Kelvin}; };
    const auto v = computed([&] { return viscosityAt(in(k1), v1, in(k2), v2, in(k)); });
    return v ? *v : NAN;
}

} // namespace
} // namespace tarnwick::web

EMSCRIPTEN_BINDINGS(tarnwick_oils) {
    using namespace tarnwick::web;
    emscripten::function("oilAnswer", &oilAnswer);
    emscripten::function("effluxScales", &scaleNames);
    emscripten::function("readingOnEveryScale", &readingOnEveryScaleTexts);
    emscripten::function("temperatureOf", &temperatureOf);
    emscripten::function("kelvin", &kelvinOf);
    emscripten::function("fromKelvin", &fromKelvinIn);
    emscripten::function("viscosityAtKelvin", &viscosityAtKelvin);
}
