// SPDX-License-Identifier: MIT
// Numbers as the user types and reads them, under the user's regional settings.
//
// One reader serves both the numeric test and the reading, so a text that
// passes the test always reads as the same finite double.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace tarnwick::numberText {

// The number in text, or nothing when text is not a number in locale.
// Accepted, after trimming blanks: an optional sign; digits, optionally
// grouped as the locale groups them; an optional decimal separator with a
// fraction; an optional exponent (e or E, optional sign,
// digits). Rejected: empty texts, NaN and infinity, hexadecimal, misplaced
// group separators, and numbers beyond the double range. Numbers too small
// for a double read as 0.
std::optional<double> parse(const QString& text, const QLocale& locale = QLocale());

// The numeric test: true when parse() gives a number.
bool isNumeric(const QString& text, const QLocale& locale = QLocale());

// The reading of a text as a double; 0 for a text that is not numeric.
double read(const QString& text, const QLocale& locale = QLocale());

// value with exactly eight decimals and the locale's separators, grouping and
// sign; never in exponent form.
QString formatResult(double value, const QLocale& locale = QLocale());

// value with `decimals` digits after the decimal separator, as formatResult.
QString formatNumber(double value, int decimals, const QLocale& locale = QLocale());

} // namespace tarnwick::numberText
