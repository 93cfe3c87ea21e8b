// SPDX-License-Identifier: MIT
// The page's plain objects and the core's structures, both ways.
#pragma once

#include "core/numbers/numbersymbols.h"
#include "core/orfailure.h"

#include <emscripten/val.h>
#include <optional>
#include <string>

namespace tarnwick::web {

using emscripten::val;

// The symbols object ({decimal, group, groupFirst, ...}); a field that is
// missing keeps the plain value, and null or undefined gives plain numbers.
NumberSymbols symbolsFrom(const val& symbols);
val symbolsObject(const NumberSymbols& symbols);

// object[key] when it is a string; nothing when it is undefined or null.
std::optional<std::string> optionalText(const val& object, const char* key);
// object[key] as a text, "" when it is not given.
std::string textOf(const val& object, const char* key);

// {ok: true, text, value} for a value written under symbols, or
// {ok: false, input, message} with the input by its meaning ("density"),
// "" for a result that cannot be computed.
val resultObject(const OrFailure<double>& result, const NumberSymbols& symbols);

// Throws a JS RangeError with the message.
[[noreturn]] void throwRangeError(const char* message);

} // namespace tarnwick::web
