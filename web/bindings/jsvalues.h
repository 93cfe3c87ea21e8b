// SPDX-License-Identifier: MIT
// The page's plain objects and the core's structures, both ways.
#pragma once

#include "core/conversion.h"
#include "core/numbers/numberstyle.h"
#include "core/numbers/numbersymbols.h"

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

// Under a locale's symbols, noting the last number written so that a result
// can be handed over as a double as well as a text.
class NotedNumbers final : public NumberStyle {
public:
    explicit NotedNumbers(const NumberSymbols& symbols)
        : m_numbers(symbols) {}

    std::optional<double> parse(std::string_view text) const override {
        return m_numbers.parse(text);
    }
    void append(std::string& out, double value) const override {
        m_last = value;
        m_numbers.append(out, value);
    }
    bool writesPlainText() const override { return m_numbers.writesPlainText(); }
    double last() const { return m_last; }

private:
    LocaleNumbers m_numbers;
    mutable double m_last = 0;
};

// {ok: true, text, value} or {ok: false, control, message}.
val resultObject(bool converted, const std::string& text, const NotedNumbers& numbers,
                 const ConversionFailure& failure);

// Throws a JS RangeError with the message.
[[noreturn]] void throwRangeError(const char* message);

} // namespace tarnwick::web
