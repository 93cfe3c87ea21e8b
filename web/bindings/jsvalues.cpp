// SPDX-License-Identifier: MIT
#include "web/bindings/jsvalues.h"

#include "core/numbers/localnumber.h"
#include "core/numbers/numberstyle.h"

namespace tarnwick::web {
namespace {

void readText(const val& object, const char* key, std::string& out) {
    if (std::optional<std::string> text = optionalText(object, key))
        out = std::move(*text);
}

void readCount(const val& object, const char* key, int& out) {
    const val count = object[key];
    if (count.isNumber())
        out = count.as<int>();
}

} // namespace

std::optional<std::string> optionalText(const val& object, const char* key) {
    const val text = object[key];
    if (text.isUndefined() || text.isNull())
        return std::nullopt;
    return text.as<std::string>();
}

std::string textOf(const val& object, const char* key) {
    return optionalText(object, key).value_or(std::string());
}

NumberSymbols symbolsFrom(const val& symbols) {
    NumberSymbols result;
    if (symbols.isUndefined() || symbols.isNull())
        return result;
    readText(symbols, "decimal", result.decimal);
    readText(symbols, "group", result.group);
    readCount(symbols, "groupFirst", result.groupFirst);
    readCount(symbols, "groupHigher", result.groupHigher);
    readCount(symbols, "groupMinimum", result.groupMinimum);
    readText(symbols, "minus", result.minus);
    readText(symbols, "plus", result.plus);
    readText(symbols, "exponent", result.exponent);
    // The zero as a code point, which JS gives without any decoding here.
    const val zero = symbols["zero"];
    if (zero.isString() && zero["length"].as<int>() > 0)
        result.zero = static_cast<char32_t>(zero.call<unsigned>("codePointAt", 0));
    return result;
}

val symbolsObject(const NumberSymbols& symbols) {
    val object = val::object();
    object.set("decimal", symbols.decimal);
    object.set("group", symbols.group);
    object.set("groupFirst", symbols.groupFirst);
    object.set("groupHigher", symbols.groupHigher);
    object.set("groupMinimum", symbols.groupMinimum);
    object.set("zero", val::global("String").call<val>("fromCodePoint",
                                                       static_cast<unsigned>(symbols.zero)));
    object.set("minus", symbols.minus);
    object.set("plus", symbols.plus);
    object.set("exponent", symbols.exponent);
    return object;
}

namespace {

std::string_view inputName(Input input) {
    switch (input) {
    case Input::value:
        return "value";
    case Input::fromUnit:
        return "fromUnit";
    case Input::toUnit:
        return "toUnit";
    case Input::density:
        return "density";
    case Input::densityUnit:
        return "densityUnit";
    }
    return {};
}

} // namespace

val resultObject(const OrFailure<double>& result, const NumberSymbols& symbols) {
    val object = val::object();
    object.set("ok", static_cast<bool>(result));
    if (result) {
        object.set("text", localNumber::fixed(*result, defaultDecimals, symbols));
        object.set("value", *result);
    } else {
        const auto& failure = result.failure();
        object.set("input", failure.input ? std::string(inputName(*failure.input)) : std::string());
        object.set("message", failure.message);
    }
    return object;
}

void throwRangeError(const char* message) {
    val::global("RangeError").new_(val(message)).throw_();
}

} // namespace tarnwick::web
