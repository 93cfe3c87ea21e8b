// SPDX-License-Identifier: MIT
#include "engine/detail/refusal.h"

#include "engine/checkedmath.h"

#include <stdexcept>

namespace tarnwick::detail {

void refuse(const char* message) {
    throw std::domain_error(message);
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
