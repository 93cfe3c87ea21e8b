// SPDX-License-Identifier: MIT
// The core as the web page calls it (embind): the unit lists, one
// conversion from the five texts with the window's checks and messages, the
// density mode, numbers under the browser's symbols, and the batch.
#include "core/batchoptions.h"
#include "core/conversion.h"
#include "core/numbers/localnumber.h"
#include "engine/engine.h"
#include "web/bindings/jsbatch.h"
#include "web/bindings/jsvalues.h"

#include <cmath>
#include <emscripten/bind.h>
#include <span>

namespace tarnwick::web {
namespace {

val unitArray(std::span<const std::string_view> units) {
    val array = val::array();
    for (const std::string_view unit : units)
        array.call<void>("push", std::string(unit));
    return array;
}

val viscosityUnitList() {
    return unitArray(viscosityUnits);
}

val densityUnitList() {
    return unitArray(densityUnits);
}

val plainSymbols() {
    return symbolsObject(NumberSymbols{});
}

val startingTexts(val symbols) {
    const NumberSymbols read = symbolsFrom(symbols);
    val texts = val::object();
    texts.set("value", startingValueText(read));
    texts.set("density", startingDensityText(read));
    return texts;
}

val calculate(val inputs, val symbols) {
    const std::string value = textOf(inputs, "value");
    const std::string fromUnit = textOf(inputs, "fromUnit");
    const std::string toUnit = textOf(inputs, "toUnit");
    const std::string density = textOf(inputs, "density");
    const std::string densityUnit = textOf(inputs, "densityUnit");
    const NumberSymbols read = symbolsFrom(symbols);
    const OrFailure<ConversionRequest> request =
        readConversion({value, fromUnit, toUnit, density, densityUnit}, LocaleNumbers(read));
    return resultObject(request ? convert(*request) : request.failure(), read);
}

val convertDensityTexts(val inputs, val symbols) {
    const std::string value = textOf(inputs, "value");
    const std::string fromUnit = textOf(inputs, "fromUnit");
    const std::string toUnit = textOf(inputs, "toUnit");
    const NumberSymbols read = symbolsFrom(symbols);
    const OrFailure<DensityRequest> request =
        readDensityConversion({value, fromUnit, toUnit}, LocaleNumbers(read));
    return resultObject(request ? convert(*request) : request.failure(), read);
}

// What the page's form shows when the user gives nothing, and the statuses
// a batch ends with.
val defaults() {
    val object = val::object();
    object.set("density", std::string(defaultDensityText()));
    object.set("densityUnit", std::string(defaultDensityUnitName()));
    object.set("resultName", std::string(defaultResultName));
    object.set("decimals", defaultDecimals);
    val statuses = val::object();
    statuses.set("allConverted", static_cast<int>(ExitStatus::allConverted));
    statuses.set("someFailed", static_cast<int>(ExitStatus::someFailed));
    statuses.set("cannotRun", static_cast<int>(ExitStatus::cannotRun));
    object.set("status", statuses);
    return object;
}

bool tabSeparatedName(std::string name) {
    return isTabSeparatedName(name);
}

std::string formatNumber(double number, int decimals, val symbols) {
    if (decimals < 0 || decimals > 17)
        throwRangeError("formatNumber: decimals must be from 0 to 17");
    if (!std::isfinite(number))
        throwRangeError("formatNumber: the number must be finite");
    return localNumber::fixed(number, decimals, symbolsFrom(symbols));
}

val parseNumber(std::string text, val symbols) {
    const std::optional<double> number = localNumber::parse(text, symbolsFrom(symbols));
    return number ? val(*number) : val::null();
}

} // namespace
} // namespace tarnwick::web

EMSCRIPTEN_BINDINGS(tarnwick_core) {
    using namespace tarnwick::web;
    emscripten::function("viscosityUnits", &viscosityUnitList);
    emscripten::function("densityUnits", &densityUnitList);
    emscripten::function("plainSymbols", &plainSymbols);
    emscripten::function("startingTexts", &startingTexts);
    emscripten::function("defaults", &defaults);
    emscripten::function("isTabSeparatedName", &tabSeparatedName);
    emscripten::function("calculate", &calculate);
    emscripten::function("convertDensity", &convertDensityTexts);
    emscripten::function("formatNumber", &formatNumber);
    emscripten::function("parseNumber", &parseNumber);
    emscripten::class_<JsBatch>("Batch").constructor<val>().function("run", &JsBatch::run);
}
