// SPDX-License-Identifier: MIT
// ISO 3448 viscosity grades, with ASTM D2422's VG 2200 and VG 3200.
#include "engine/detail/refusal.h"
#include "engine/oils.h"

namespace tarnwick {
namespace {

// Each grade's limits, 10 % either side of its midpoint, written as the
// decimals a user types, so that a limit is exactly in its grade (74.8 is in
// VG 68). The midpoints are the grade numbers but for the first four: 2.2,
// 3.2, 4.6 and 6.8.
struct GradeLimits {
    int grade;
    double lowest;
    double highest;
};

constexpr GradeLimits grades[] = {
    {2, 1.98, 2.42},  {3, 2.88, 3.52},   {5, 4.14, 5.06},    {7, 6.12, 7.48},    {10, 9.0, 11.0},
    {15, 13.5, 16.5}, {22, 19.8, 24.2},  {32, 28.8, 35.2},   {46, 41.4, 50.6},   {68, 61.2, 74.8},
    {100, 90, 110},   {150, 135, 165},   {220, 198, 242},    {320, 288, 352},    {460, 414, 506},
    {680, 612, 748},  {1000, 900, 1100}, {1500, 1350, 1650}, {2200, 1980, 2420}, {3200, 2880, 3520},
};

} // namespace

IsoGrade isoGrade(double v40) {
    detail::positiveViscosity(v40);
    std::optional<int> below;
    for (const GradeLimits& g : grades) {
        if (v40 < g.lowest)
            return {{}, below, g.grade};
        if (v40 <= g.highest)
            return {g.grade, {}, {}};
        below = g.grade;
    }
    return {{}, below, {}};
}

} // namespace tarnwick
