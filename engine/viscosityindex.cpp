// SPDX-License-Identifier: MIT
// The viscosity index, ASTM D2270 / ISO 2909.
#include "engine/checkedmath.h"
#include "engine/detail/refusal.h"
#include "engine/oils.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tarnwick {
namespace {

using detail::CheckedMath;

// L and H, the viscosities at 40 C of the oils of index 0 and 100 that have
// the same viscosity at 100 C as the oil in question.
struct BasicValues {
    double v100;
    double l;
    double h;
};

// The standard's Table 1, stated once in data/viscosity-index-table.csv and
// turned into these rows by CMake (data/csvrows.cmake) when the engine is built.
constexpr BasicValues basicValuesTable[] = {
#include "viscosity-index-rows.inc"
};
static_assert(std::is_sorted(std::begin(basicValuesTable), std::end(basicValuesTable),
                             [](const BasicValues& a, const BasicValues& b) {
                                 return a.v100 < b.v100;
                             }));
static_assert(std::begin(basicValuesTable)->v100 == 2 && std::rbegin(basicValuesTable)->v100 == 70);

BasicValues basicValues(CheckedMath& m, double y) {
    if (y > 70)
        return {y, m.sub(m.add(m.mul(0.8353, m.mul(y, y)), m.mul(14.67, y)), 216),
                m.sub(m.add(m.mul(0.1684, m.mul(y, y)), m.mul(11.85, y)), 97)};
    // The last row at or below y; at a row (70 has no next one), its own values.
    const auto* row =
        std::upper_bound(std::begin(basicValuesTable), std::end(basicValuesTable), y,
                         [](double v100, const BasicValues& r) { return v100 < r.v100; }) -
        1;
    if (row->v100 == y)
        return *row;
    const BasicValues& next = row[1];
    const double share = m.div(m.sub(y, row->v100), m.sub(next.v100, row->v100));
    return {y, m.add(row->l, m.mul(m.sub(next.l, row->l), share)),
            m.add(row->h, m.mul(m.sub(next.h, row->h), share))};
}

} // namespace

double viscosityIndex(double v40, double v100) {
    if (detail::finiteInput(v100) < 2)
        detail::refuse("the viscosity index is not defined below 2 cSt at 100 C");
    const double u = detail::positiveViscosity(v40);
    CheckedMath m;
    const BasicValues basic = basicValues(m, v100);
    // Procedure A: VI = (L - U) / (L - H) × 100.
    if (u >= basic.h)
        return m.check(m.mul(m.div(m.sub(basic.l, u), m.sub(basic.l, basic.h)), 100));
    // Procedure B: N = (log10 H - log10 U) / log10 Y; VI = (10^N - 1) / 0.00715 + 100.
    const double n = m.div(m.sub(std::log10(m.check(basic.h)), std::log10(u)), std::log10(v100));
    return m.check(m.add(m.div(m.sub(std::pow(10.0, m.check(n)), 1), 0.00715), 100));
}

double roundedViscosityIndex(double index) {
    const double nearest = std::round(index); // halves away from zero
    if (std::fabs(index - std::trunc(index)) == 0.5)
        return 2 * std::round(index / 2);
    return nearest;
}

} // namespace tarnwick
