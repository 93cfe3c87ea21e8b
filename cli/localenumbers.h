// SPDX-License-Identifier: MIT
// Numbers read and written as the main window does, under the user's
// regional settings (decimal comma, grouping).
#pragma once

#include "numberstyle.h"

#include <QLocale>

namespace tarnwick::cli {

class LocaleNumbers final : public NumberStyle {
public:
    // The default locale is the user's, unless the program set another.
    explicit LocaleNumbers(int decimals = 8, const QLocale& locale = QLocale())
        : m_decimals(decimals)
        , m_locale(locale) {}

    std::optional<double> parse(std::string_view text) const override;
    void append(std::string& out, double value) const override;
    bool writesPlainText() const override { return false; }

private:
    int m_decimals;
    QLocale m_locale;
};

} // namespace tarnwick::cli
