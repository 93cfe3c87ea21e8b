// SPDX-License-Identifier: MIT
// How the converter reads and writes numbers: plain by default, or under the
// user's regional settings when asked.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::cli {

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
    explicit PlainNumbers(int decimals = 8, bool shortest = false)
        : m_decimals(decimals)
        , m_shortest(shortest) {}

    std::optional<double> parse(std::string_view text) const override;
    void append(std::string& out, double value) const override;
    bool writesPlainText() const override { return true; }

private:
    int m_decimals;
    bool m_shortest;
};

} // namespace tarnwick::cli
