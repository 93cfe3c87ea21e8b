// SPDX-License-Identifier: MIT
// A reading on one efflux scale told on all of them: in cSt and on each
// other scale, as the converter converts "700 SUS cSt" and "700 SUS SFS".
#pragma once

#include "core/numbers/numberstyle.h"
#include "core/orfailure.h"

#include <string_view>
#include <vector>

namespace tarnwick {

struct ScaleReadingTexts {
    std::string_view reading;
    std::string_view scale; // an efflux scale ("SUS"), or any viscosity unit
    std::string_view at;    // "210F"; blank: each scale at its own reference
};

// The same reading on another scale, or why that scale has none (a reading
// below its limit, SFS at a temperature it is not defined at).
struct OtherScaleReading {
    std::string_view scale;
    OrFailure<double> reading;
};

struct ScaleReadings {
    double centistokes;
    std::vector<OtherScaleReading> others; // every other scale, in effluxScales' order
};

// Fails as the converter does when the reading cannot be turned into cSt:
// not a number, not above zero, an unknown scale, below the scale's limit;
// and for an at that is not a temperature, named as the page labels it:
// "At takes a temperature such as 40C, 210F or 372.04K, not '210'".
OrFailure<ScaleReadings> readingOnEveryScale(const ScaleReadingTexts& texts,
                                             const NumberStyle& numbers);

} // namespace tarnwick
