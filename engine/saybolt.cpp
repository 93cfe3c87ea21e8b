// SPDX-License-Identifier: MIT
// Saybolt Universal and Saybolt Furol seconds, with ASTM D2161's equations.
// Each equation gives the reading from the kinematic viscosity; the other way
// it is solved for the viscosity, as it increases with it.
#include "engine/checkedmath.h"
#include "engine/detail/refusal.h"
#include "engine/detail/solve.h"
#include "engine/effluxscales.h"

#include <cmath>

namespace tarnwick {
namespace {

using detail::CheckedMath;
using detail::PlainMath;
using detail::refuse;

constexpr double universalLowest = 32;
constexpr char universalBelowLowest[] = "Saybolt Universal seconds below 32 are not defined";
constexpr double furolLowest = 25;
constexpr char furolBelowLowest[] = "Saybolt Furol seconds below 25 are not defined";

// At 100 F: 4.6324 v + (1.0 + 0.03264 v) / ((3930.2 + 262.7 v + 23.97 v^2 + 1.646 v^3) × 10^-5).
template <typename Math>
double universalAt100F(Math& m, double v) {
    const double v2 = m.mul(v, v);
    const double v3 = m.mul(v2, v);
    const double cubic =
        m.add(m.add(m.add(3930.2, m.mul(262.7, v)), m.mul(23.97, v2)), m.mul(1.646, v3));
    return m.add(m.mul(4.6324, v), m.div(m.add(1.0, m.mul(0.03264, v)), m.mul(cubic, 1e-5)));
}

// The reading at t F is the one at 100 F times 1 + 0.000061 (t - 100).
double universalFactor(std::optional<Temperature> at) {
    if (!at)
        return 1;
    CheckedMath m;
    return m.check(m.add(1, m.mul(0.000061, m.sub(fahrenheit(*at), 100))));
}

// At 122 F: 0.4717 v + 13924 / (v^2 - 72.59 v + 6816);
// at 210 F: 0.4792 v + 5610 / (v^2 + 2130).
template <typename Math>
double furol(Math& m, double v, bool at210F) {
    if (at210F)
        return m.add(m.mul(0.4792, v), m.div(5610, m.add(m.mul(v, v), 2130)));
    return m.add(m.mul(0.4717, v), m.div(13924, m.add(m.sub(m.mul(v, v), m.mul(72.59, v)), 6816)));
}

// The two temperatures the Furol equations are defined at, each matched
// within 0.1 F: that takes a value rounded to a tenth of a degree in any of
// the three scales (98.9C and 372.04K are both 210 F).
bool furolAt210F(std::optional<Temperature> at) {
    if (!at)
        return false;
    const double t = fahrenheit(*at);
    if (std::fabs(t - 122) <= 0.1)
        return false;
    if (std::fabs(t - 210) <= 0.1)
        return true;
    refuse("Saybolt Furol seconds are defined at 122 F and 210 F only");
}

} // namespace

double centistokesToSayboltUniversal(double centistokes, std::optional<Temperature> at) {
    const double v = detail::positiveViscosity(centistokes);
    const double factor = universalFactor(at);
    CheckedMath m;
    const double seconds = m.check(m.mul(universalAt100F(m, v), factor));
    if (seconds < universalLowest)
        refuse(universalBelowLowest);
    return seconds;
}

double sayboltUniversalToCentistokes(double seconds, std::optional<Temperature> at) {
    if (detail::finiteInput(seconds) < universalLowest)
        refuse(universalBelowLowest);
    const double factor = universalFactor(at);
    const auto reading = [factor](double v) {
        PlainMath m;
        return m.mul(universalAt100F(m, v), factor);
    };
    // Only far above any liquid's temperature (about 4300 F) does the factor
    // lift even a vanishing viscosity above 32 s.
    if (!(reading(0) < seconds))
        refuse("Saybolt Universal seconds this low are not defined at this temperature");
    // The reading is more than 4.4 times the viscosity at any temperature
    // above absolute zero, so the solution lies below the reading itself.
    const double v = detail::solveIncreasing(reading, seconds, seconds);
    // A viscosity whose own reading overflows on the way is refused both ways.
    CheckedMath m;
    m.check(m.mul(universalAt100F(m, v), factor));
    return v;
}

double centistokesToSayboltFurol(double centistokes, std::optional<Temperature> at) {
    const double v = detail::positiveViscosity(centistokes);
    const bool at210F = furolAt210F(at);
    CheckedMath m;
    const double seconds = m.check(furol(m, v, at210F));
    if (seconds < furolLowest)
        refuse(furolBelowLowest);
    return seconds;
}

double sayboltFurolToCentistokes(double seconds, std::optional<Temperature> at) {
    if (detail::finiteInput(seconds) < furolLowest)
        refuse(furolBelowLowest);
    const bool at210F = furolAt210F(at);
    const auto reading = [at210F](double v) {
        PlainMath m;
        return furol(m, v, at210F);
    };
    // Both equations give under 3 s at zero viscosity and more than 0.47 s
    // per cSt, so the solution lies between zero and three times the reading.
    CheckedMath bound;
    const double upper = bound.check(bound.mul(seconds, 3));
    const double v = detail::solveIncreasing(reading, seconds, upper);
    CheckedMath m;
    m.check(furol(m, v, at210F));
    return v;
}

} // namespace tarnwick
