// SPDX-License-Identifier: MIT
// ASTM D341: the viscosity-temperature line through two points.
#include "engine/checkedmath.h"
#include "engine/detail/refusal.h"
#include "engine/oils.h"

#include <cmath>

namespace tarnwick {
namespace {

using detail::CheckedMath;
using detail::refuse;

// log10 log10 Z of a viscosity, Z = v + 0.7 + exp(-1.47 - 1.84 v - 0.51 v^2).
double ordinate(double v) {
    CheckedMath m;
    const double e = std::exp(m.sub(m.sub(-1.47, m.mul(1.84, v)), m.mul(0.51, m.mul(v, v))));
    const double z = m.check(m.add(m.add(v, 0.7), e));
    // Z reaches 1, where log10 log10 Z ends, at 0.1153 cSt.
    if (!(z > 1))
        refuse("ASTM D341 is not defined for kinematic viscosities this low");
    return std::log10(std::log10(z));
}

// v = (Z - 0.7) - exp(-0.7487 - 3.295 (Z - 0.7) + 0.6119 (Z - 0.7)^2 - 0.3193 (Z - 0.7)^3)
// for the ordinate w = log10 log10 Z.
double viscosityOf(double w) {
    CheckedMath m;
    const double z = m.check(std::pow(10.0, std::pow(10.0, w)));
    const double y = m.sub(z, 0.7);
    const double y2 = m.mul(y, y);
    const double y3 = m.mul(y2, y);
    const double power =
        m.sub(m.add(m.sub(-0.7487, m.mul(3.295, y)), m.mul(0.6119, y2)), m.mul(0.3193, y3));
    return m.check(m.sub(y, std::exp(power)));
}

// The line log10 log10 Z = a - b log10 T through two points.
struct Line {
    double a;
    double b;
};

Line lineThrough(Temperature t1, double v1, Temperature t2, double v2) {
    const double k1 = kelvin(t1);
    const double k2 = kelvin(t2);
    detail::positiveViscosity(v1);
    detail::positiveViscosity(v2);
    if (k1 == k2)
        refuse("the two temperatures must differ");
    if ((k2 > k1 && v2 > v1) || (k2 < k1 && v2 < v1))
        refuse("the viscosity must not rise with temperature");
    const double w1 = ordinate(v1);
    const double w2 = ordinate(v2);
    const double x1 = std::log10(k1);
    CheckedMath m;
    const double b = m.div(m.sub(w1, w2), m.sub(std::log10(k2), x1));
    return {m.check(m.add(w1, m.mul(b, x1))), m.check(b)};
}

} // namespace

double viscosityAt(Temperature t1, double v1, Temperature t2, double v2, Temperature t) {
    const Line line = lineThrough(t1, v1, t2, v2);
    const double x = std::log10(kelvin(t));
    CheckedMath m;
    return viscosityOf(m.check(m.sub(line.a, m.mul(line.b, x))));
}

Temperature temperatureReaching(double v, Temperature t1, double v1, Temperature t2, double v2) {
    const Line line = lineThrough(t1, v1, t2, v2);
    detail::positiveViscosity(v);
    if (line.b == 0)
        refuse("the two viscosities must differ to find a temperature");
    const double w = ordinate(v);
    CheckedMath m;
    const double k = std::pow(10.0, m.check(m.div(m.sub(line.a, w), line.b)));
    return fromKelvin(m.check(k), t1.scale);
}

} // namespace tarnwick
