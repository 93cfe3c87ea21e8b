// SPDX-License-Identifier: MIT
// Solving an increasing equation for its argument, to the last bit and with
// the same result on every platform.
#pragma once

namespace tarnwick::detail {

// The arithmetic of CheckedMath without its status: an equation evaluated
// while it is being solved may pass through an infinity on the way to a
// finite or infinite value, which only orders the trial point correctly.
struct PlainMath {
    double mul(double a, double b) const { return a * b; }
    double div(double a, double b) const { return a / b; }
    double add(double a, double b) const { return a + b; }
    double sub(double a, double b) const { return a - b; }
};

// The double x in [0, upper] at which the increasing function f comes nearest
// to target, given f(0) < target <= f(upper): the interval is halved until
// its ends are neighbouring doubles, and the end whose value is nearer wins
// (the upper one on a tie). Bisection rather than Newton steps with a
// tolerance: it needs only + - * / and comparisons, so it gives the same
// double everywhere, and it cannot stop early or run away.
template <typename F>
double solveIncreasing(F f, double target, double upper) {
    double lo = 0;
    double hi = upper;
    for (;;) {
        const double mid = lo + (hi - lo) / 2;
        if (mid == lo || mid == hi)
            break;
        if (f(mid) < target)
            lo = mid;
        else
            hi = mid;
    }
    return target - f(lo) < f(hi) - target ? lo : hi;
}

} // namespace tarnwick::detail
