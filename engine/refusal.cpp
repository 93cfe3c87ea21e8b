// SPDX-License-Identifier: MIT
#include "engine/detail/refusal.h"

#include "engine/checkedmath.h"

namespace tarnwick::detail {

void refuse(const char* message) {
    throw ConversionError(ConversionError::Condition::OutOfRange, message);
}

double finiteInput(double x) {
    return CheckedMath().check(x);
}

double positiveViscosity(double x) {
    if (!(finiteInput(x) > 0))
        refuse("kinematic viscosities at or below zero are not defined");
    return x;
}

} // namespace tarnwick::detail
