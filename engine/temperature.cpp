// SPDX-License-Identifier: MIT
#include "engine/temperature.h"

#include "engine/checkedmath.h"
#include "engine/detail/refusal.h"

namespace tarnwick {

using detail::CheckedMath;

double kelvin(Temperature t) {
    CheckedMath m;
    double k = t.value;
    switch (t.scale) {
    case TemperatureScale::Celsius:
        k = m.add(t.value, 273.15);
        break;
    case TemperatureScale::Fahrenheit:
        k = m.div(m.mul(m.add(t.value, 459.67), 5), 9);
        break;
    case TemperatureScale::Kelvin:
        break;
    }
    if (!(m.check(k) > 0))
        detail::refuse(detail::belowAbsoluteZero);
    return k;
}

double fahrenheit(Temperature t) {
    const double k = kelvin(t);
    CheckedMath m;
    switch (t.scale) {
    case TemperatureScale::Celsius:
        return m.check(m.add(m.div(m.mul(t.value, 9), 5), 32));
    case TemperatureScale::Fahrenheit:
        return t.value;
    case TemperatureScale::Kelvin:
        break;
    }
    return m.check(m.sub(m.div(m.mul(k, 9), 5), 459.67));
}

Temperature fromKelvin(double kelvin, TemperatureScale scale) {
    CheckedMath m;
    if (!(m.check(kelvin) > 0))
        detail::refuse(detail::belowAbsoluteZero);
    switch (scale) {
    case TemperatureScale::Celsius:
        return {m.check(m.sub(kelvin, 273.15)), scale};
    case TemperatureScale::Fahrenheit:
        return {m.check(m.sub(m.div(m.mul(kelvin, 9), 5), 459.67)), scale};
    case TemperatureScale::Kelvin:
        break;
    }
    return {kelvin, scale};
}

} // namespace tarnwick
