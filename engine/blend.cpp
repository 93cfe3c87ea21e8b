// SPDX-License-Identifier: MIT
// Blends of two oils by the Refutas equation.
#include "engine/checkedmath.h"
#include "engine/detail/refusal.h"
#include "engine/oils.h"

#include <algorithm>
#include <cmath>

namespace tarnwick {
namespace {

using detail::CheckedMath;
using detail::refuse;

// VBN = 14.534 ln(ln(v + 0.8)) + 10.975, where ln(v + 0.8) is above zero.
double blendingNumber(double v) {
    CheckedMath m;
    const double shifted = m.add(detail::finiteInput(v), 0.8);
    if (!(shifted > 1))
        refuse("the Refutas blending number is not defined at or below 0.2 cSt");
    return m.check(m.add(m.mul(14.534, std::log(std::log(shifted))), 10.975));
}

// v = exp(exp((VBN - 10.975) / 14.534)) - 0.8
double viscosityOf(double number) {
    CheckedMath m;
    const double inner = std::exp(m.div(m.sub(number, 10.975), 14.534));
    return m.check(m.sub(std::exp(m.check(inner)), 0.8));
}

} // namespace

double blend(double v1, double v2, double fraction) {
    const double n1 = blendingNumber(v1);
    const double n2 = blendingNumber(v2);
    if (!(detail::finiteInput(fraction) >= 0 && fraction <= 1))
        refuse("the mass fraction must lie between 0 and 1");
    // The two oils themselves, not their viscosities read back from their
    // blending numbers, which may differ in the last digits.
    if (fraction == 0)
        return v1;
    if (fraction == 1)
        return v2;
    CheckedMath m;
    return viscosityOf(m.check(m.add(m.mul(m.sub(1, fraction), n1), m.mul(fraction, n2))));
}

double blendFraction(double v1, double v2, double target) {
    const double n1 = blendingNumber(v1);
    const double n2 = blendingNumber(v2);
    const double n = blendingNumber(target);
    if (!(std::min(v1, v2) <= target && target <= std::max(v1, v2)))
        refuse("the target viscosity must lie between the two oils' viscosities");
    if (n1 == n2)
        refuse("the two oils have the same viscosity, so any fraction gives the target");
    CheckedMath m;
    // Kept within 0 to 1 against a logarithm that is not monotonic in the
    // last bit on some platform.
    return std::clamp(m.check(m.div(m.sub(n, n1), m.sub(n2, n1))), 0.0, 1.0);
}

} // namespace tarnwick
