// SPDX-License-Identifier: MIT
// What a lubricant's data sheet leads to beyond units: the viscosity at
// another temperature (ASTM D341), the viscosity index (ASTM D2270, ISO 2909),
// the ISO 3448 viscosity grade, and blends of two oils (Refutas). All
// viscosities are kinematic, in cSt (mm^2/s).
//
// Inputs outside what a formula defines are refused with ConversionError,
// condition OutOfRange, whose text says what is wrong; a NaN or infinite
// input, or a result beyond the doubles, is an invalid operation or an
// overflow as everywhere in the engine.
#pragma once

#include "engine/temperature.h"

#include <optional>

namespace tarnwick {

// ASTM D341 (Walther): log10 log10 Z = A - B log10 T, T in kelvin, through
// two known points, with Z = v + 0.7 + exp(-1.47 - 1.84 v - 0.51 v^2) and
// back v = (Z - 0.7) - exp(-0.7487 - 3.295 (Z - 0.7) + 0.6119 (Z - 0.7)^2
// - 0.3193 (Z - 0.7)^3). Meant for the liquid range, between cloud point and
// initial boiling point; a result outside it is still given.
//
// Refused: equal temperatures, a viscosity at or below zero, a viscosity that
// rises with temperature, a temperature at or below absolute zero, and a
// viscosity so low (about 0.115 cSt) that log10 log10 Z is not defined.
// Two equal viscosities (a flat line) give that viscosity at every
// temperature.
double viscosityAt(Temperature t1, double v1, Temperature t2, double v2, Temperature t);

// The temperature at which the line through the two points has viscosity v,
// in t1's scale. Refused as viscosityAt is, and for a flat line, which has
// either every temperature or none.
Temperature temperatureReaching(double v, Temperature t1, double v1, Temperature t2, double v2);

// The viscosity index of an oil with v40 cSt at 40 C and v100 cSt at 100 C,
// unrounded: procedure A where v40 is at least H, B otherwise, with L and H
// from the standard's table (2 to 70 cSt at 100 C, interpolated linearly
// between its rows) or above 70 cSt from L = 0.8353 Y^2 + 14.67 Y - 216,
// H = 0.1684 Y^2 + 11.85 Y - 97. Refused below 2 cSt at 100 C, where the
// standard defines no index.
double viscosityIndex(double v40, double v100);

// The index as the standard reports it: a whole number, exact halves to even.
double roundedViscosityIndex(double index);

// The ISO 3448 grade of an oil with v40 cSt at 40 C. Each grade holds 10 %
// either side of its midpoint, limits included as written (VG 68 holds 61.2
// to 74.8 cSt); VG 2200 and 3200 are ASTM D2422's.
struct IsoGrade {
    std::optional<int> grade; // the grade that holds v40
    std::optional<int> below; // otherwise the nearest grade under v40, if any
    std::optional<int> above; // and the nearest grade over it, if any
};
IsoGrade isoGrade(double v40);

// Refutas blends: the viscosity blending number VBN = 14.534 ln(ln(v + 0.8))
// + 10.975 mixes linearly by mass fraction, both oils at one temperature.
// Defined above 0.2 cSt.
//
// The viscosity of a blend holding the mass fraction `fraction` (0 to 1) of
// the second oil. A fraction of 0 or 1 gives that oil's viscosity exactly.
double blend(double v1, double v2, double fraction);
// The mass fraction of the second oil that gives the viscosity target, which
// must lie between v1 and v2 (and the two must differ).
double blendFraction(double v1, double v2, double target);

} // namespace tarnwick
