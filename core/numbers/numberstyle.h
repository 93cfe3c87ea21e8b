// SPDX-License-Identifier: MIT
// How a batch or a command line reads and writes numbers: plain, or under
// a locale's symbols.
#pragma once

#include "core/numbers/numbersymbols.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tarnwick {

// Digits after the decimal point of a result, as the window shows it.
inline constexpr int defaultDecimals = 8;

class NumberStyle {
public:
    virtual ~NumberStyle() = default;

    // The number in text (UTF-8), or nothing when it is not one.
    virtual std::optional<double> parse(std::string_view text) const = 0;
    // Appends value as a result.
    virtual void append(std::string& out, double value) const = 0;
    // Whether results are free of separators and quotes, and so never need
    // quoting in a file.
    virtual bool writesPlainText() const = 0;

protected:
    NumberStyle() = default;
    NumberStyle(const NumberStyle&) = default;
    NumberStyle& operator=(const NumberStyle&) = default;
};

// "." as decimal mark, no grouping, never exponent form; or, with
// `shortest`, the shortest text that reads back as the same double.
class PlainNumbers final : public NumberStyle {
public:
    explicit PlainNumbers(int decimals = defaultDecimals, bool shortest = false)
        : m_decimals(decimals)
        , m_shortest(shortest) {}

    std::optional<double> parse(std::string_view text) const override;
    void append(std::string& out, double value) const override;
    bool writesPlainText() const override { return true; }

private:
    int m_decimals;
    bool m_shortest;
};

// Under a locale's symbols, as the window reads and writes them.
class LocaleNumbers final : public NumberStyle {
public:
    explicit LocaleNumbers(NumberSymbols symbols, int decimals = defaultDecimals)
        : m_symbols(std::move(symbols))
        , m_decimals(decimals) {}

    std::optional<double> parse(std::string_view text) const override;
    void append(std::string& out, double value) const override;
    bool writesPlainText() const override { return false; }

private:
    NumberSymbols m_symbols;
    int m_decimals;
};

} // namespace tarnwick
