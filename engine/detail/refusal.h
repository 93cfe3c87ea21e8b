// SPDX-License-Identifier: MIT
// How the oil formulas refuse an input outside what they define, and the
// refusals that several of them share.
#pragma once

namespace tarnwick::detail {

// Throws ConversionError with the condition OutOfRange and message as its text.
[[noreturn]] void refuse(const char* message);

// x itself when it is finite; a NaN is an invalid operation and an infinity
// an overflow, as everywhere in the engine.
double finiteInput(double x);

// x itself when it is above zero (and finite), else refused.
double positiveViscosity(double x);

inline constexpr char belowAbsoluteZero[] =
    "temperatures at or below absolute zero are not defined";

} // namespace tarnwick::detail
