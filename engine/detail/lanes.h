// SPDX-License-Identifier: MIT
// Arithmetic on many elements at once, for conversions that share their
// units: the unit table is walked once for a block of elements, and each
// step of a formula is one loop over the block, which the compiler turns
// into vector instructions giving the same doubles as one at a time.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace tarnwick::detail {

inline constexpr std::size_t laneCount = 128;

// One double for each element of a block.
struct Lanes {
    std::array<double, laneCount> x{};

    Lanes() = default;
    // The same number in every lane: a constant of a formula.
    Lanes(double value) { x.fill(value); }
};

inline double lane(double value, std::size_t) {
    return value;
}
inline double lane(const Lanes& value, std::size_t i) {
    return value.x[i];
}

// CheckedMath's steps without its status, lane by lane: a step that gives
// an infinity or a NaN gives NaN, which every later step carries on to the
// result. So a finite result is the one CheckedMath gives, from the same
// steps in the same order, without a condition; where a result is NaN,
// CheckedMath, repeating that element alone, says why.
class LaneMath {
public:
    template <typename A, typename B>
    Lanes mul(const A& a, const B& b) const {
        return each(a, b, [](double p, double q) { return p * q; });
    }
    template <typename A, typename B>
    Lanes div(const A& a, const B& b) const {
        return each(a, b, [](double p, double q) { return p / q; });
    }
    template <typename A, typename B>
    Lanes add(const A& a, const B& b) const {
        return each(a, b, [](double p, double q) { return p + q; });
    }
    template <typename A, typename B>
    Lanes sub(const A& a, const B& b) const {
        return each(a, b, [](double p, double q) { return p - q; });
    }
    // Every step is tested as it is taken.
    const Lanes& check(const Lanes& result) const { return result; }

private:
    template <typename A, typename B, typename Step>
    static Lanes each(const A& a, const B& b, Step step) {
        Lanes r;
        for (std::size_t i = 0; i < laneCount; ++i) {
            const double value = step(lane(a, i), lane(b, i));
            r.x[i] = std::isfinite(value) ? value : std::numeric_limits<double>::quiet_NaN();
        }
        return r;
    }
};

} // namespace tarnwick::detail
