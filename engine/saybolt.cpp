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

// Each scale's lowest reading, and what is said below it.
struct Limit {
    double lowest;
    const char* belowLowest;
};
constexpr Limit universalLimit{32, "Saybolt Universal seconds below 32 are not defined"};
constexpr Limit furolLimit{25, "Saybolt Furol seconds below 25 are not defined"};

// At 100 F: 4.6324 v + (1.0 + 0.03264 v) / ((3930.2 + 262.7 v + 23.97 v^2 + 1.646 v^3) × 10^-5).
template <typename Math>
double universalAt100F(Math& m, double v) {
    const double v2 = m.mul(v, v);
    const double v3 = m.mul(v2, v);
    const double cubic =
        m.add(m.add(m.add(3930.2, m.mul(262.7, v)), m.mul(23.97, v2)), m.mul(1.646, v3));
    return m.add(m.mul(4.6324, v), m.div(m.add(1.0, m.mul(0.03264, v)), m.mul(cubic, 1e-5)));
}

// The equation at a temperature, as equation(arithmetic, viscosity): at t F
// the reading at 100 F times 1 + 0.000061 (t - 100).
auto universalEquation(std::optional<Temperature> at) {
    double factor = 1;
    if (at) {
        CheckedMath m;
        factor = m.check(m.add(1, m.mul(0.000061, m.sub(fahrenheit(*at), 100))));
    }
    return [factor](auto& m, double v) { return m.mul(universalAt100F(m, v), factor); };
}

// At 122 F: 0.4717 v + 13924 / (v^2 - 72.59 v + 6816);
// at 210 F: 0.4792 v + 5610 / (v^2 + 2130).
// The temperature is matched to one of the two within 0.1 F: that takes a
// value rounded to a tenth of a degree in any of the three scales (98.9C and
// 372.04K are both 210 F).
auto furolEquation(std::optional<Temperature> at) {
    bool at210F = false;
    if (at) {
        const double t = fahrenheit(*at);
        at210F = std::fabs(t - 210) <= 0.1;
        if (!at210F && !(std::fabs(t - 122) <= 0.1))
            refuse("Saybolt Furol seconds are defined at 122 F and 210 F only");
    }
    return [at210F](auto& m, double v) {
        if (at210F)
            return m.add(m.mul(0.4792, v), m.div(5610, m.add(m.mul(v, v), 2130)));
        return m.add(m.mul(0.4717, v),
                     m.div(13924, m.add(m.sub(m.mul(v, v), m.mul(72.59, v)), 6816)));
    };
}

template <typename Equation>
double readingOf(const Limit& limit, double centistokes, Equation equation) {
    const double v = detail::positiveViscosity(centistokes);
    CheckedMath m;
    const double seconds = m.check(equation(m, v));
    if (seconds < limit.lowest)
        refuse(limit.belowLowest);
    return seconds;
}

void checkReading(const Limit& limit, double seconds) {
    if (detail::finiteInput(seconds) < limit.lowest)
        refuse(limit.belowLowest);
}

// The viscosity with the given reading, the equation solved between zero and
// upper. A viscosity whose own reading overflows on the way is refused both
// ways.
template <typename Equation>
double viscosityOf(double seconds, double upper, Equation equation) {
    PlainMath plain;
    const double v =
        detail::solveIncreasing([&](double x) { return equation(plain, x); }, seconds, upper);
    CheckedMath m;
    m.check(equation(m, v));
    return v;
}

} // namespace

double centistokesToSayboltUniversal(double centistokes, std::optional<Temperature> at) {
    return readingOf(universalLimit, centistokes, universalEquation(at));
}

double sayboltUniversalToCentistokes(double seconds, std::optional<Temperature> at) {
    checkReading(universalLimit, seconds);
    const auto equation = universalEquation(at);
    // Only far above any liquid's temperature (about 4300 F) does the factor
    // lift even a vanishing viscosity above 32 s.
    PlainMath plain;
    if (!(equation(plain, 0) < seconds))
        refuse("Saybolt Universal seconds this low are not defined at this temperature");
    // The reading is more than 4.4 times the viscosity at any temperature
    // above absolute zero, so the solution lies below the reading itself.
    return viscosityOf(seconds, seconds, equation);
}

double centistokesToSayboltFurol(double centistokes, std::optional<Temperature> at) {
    return readingOf(furolLimit, centistokes, furolEquation(at));
}

double sayboltFurolToCentistokes(double seconds, std::optional<Temperature> at) {
    checkReading(furolLimit, seconds);
    const auto equation = furolEquation(at);
    // Both equations give under 3 s at zero viscosity and more than 0.47 s
    // per cSt, so the solution lies between zero and three times the reading.
    CheckedMath m;
    const double upper = m.check(m.mul(seconds, 3));
    return viscosityOf(seconds, upper, equation);
}

} // namespace tarnwick
