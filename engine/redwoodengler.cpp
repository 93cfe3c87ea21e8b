// SPDX-License-Identifier: MIT
// Redwood No. 1 and No. 2 seconds and Engler degrees: the classic empirical
// formulas, each piece of the form v = a t - b / t for the reading t.
#include "engine/checkedmath.h"
#include "engine/detail/refusal.h"
#include "engine/effluxscales.h"

#include <cmath>
#include <span>

namespace tarnwick {
namespace {

using detail::CheckedMath;

// v = a t - b / t for readings from `from` up to the next piece's `from`.
struct Piece {
    double from;
    double a;
    double b;
};

struct PiecewiseScale {
    std::span<const Piece> pieces; // in increasing order of their readings
    const char* belowLowest;
};

constexpr Piece redwood1Pieces[] = {{34, 0.260, 179}, {100, 0.247, 50}};
constexpr Piece redwood2Pieces[] = {{32.5, 2.458, 100}, {90, 2.447, 0}};
constexpr Piece englerPieces[] = {{1, 7.31, 6.31}};

constexpr PiecewiseScale redwood1{redwood1Pieces, "Redwood No. 1 seconds below 34 are not defined"};
constexpr PiecewiseScale redwood2{redwood2Pieces,
                                  "Redwood No. 2 seconds below 32.5 are not defined"};
constexpr PiecewiseScale engler{englerPieces, "Engler degrees below 1 are not defined"};

double viscosity(CheckedMath& m, const Piece& piece, double t) {
    return m.sub(m.mul(piece.a, t), m.div(piece.b, t));
}

// The positive root of a t^2 - v t - b = 0: t = (v + sqrt(v^2 + 4 a b)) / (2 a),
// or v / a where b is 0.
double reading(CheckedMath& m, const Piece& piece, double v) {
    if (piece.b == 0)
        return m.div(v, piece.a);
    const double root = std::sqrt(m.add(m.mul(v, v), m.mul(m.mul(4, piece.a), piece.b)));
    return m.div(m.add(v, root), m.mul(2, piece.a));
}

double toCentistokes(const PiecewiseScale& scale, double t, std::optional<Temperature> at) {
    if (at)
        kelvin(*at);
    if (detail::finiteInput(t) < scale.pieces.front().from)
        detail::refuse(scale.belowLowest);
    const Piece* piece = &scale.pieces.front();
    for (const Piece& next : scale.pieces)
        if (t >= next.from)
            piece = &next;
    CheckedMath m;
    return m.check(viscosity(m, *piece, t));
}

// The pieces need not meet: Redwood 1's overlap (24.2 to 24.21 cSt come from
// readings just under 100 s and again just over it) and Redwood 2's leave a
// gap (220.109... to 220.23 cSt come from no reading). So each viscosity gets
// one reading: from the highest piece that reaches it, and in a gap the
// reading where the gap is, the nearest one defined. Rounding never carries a
// reading out of its piece.
double fromCentistokes(const PiecewiseScale& scale, double centistokes,
                       std::optional<Temperature> at) {
    if (at)
        kelvin(*at);
    const double v = detail::positiveViscosity(centistokes);
    CheckedMath m;
    for (std::size_t k = scale.pieces.size(); k-- > 0;) {
        const Piece& piece = scale.pieces[k];
        if (v >= m.check(viscosity(m, piece, piece.from))) {
            const double t = std::fmax(m.check(reading(m, piece, v)), piece.from);
            if (k + 1 == scale.pieces.size())
                return t;
            return std::fmin(t, std::nextafter(scale.pieces[k + 1].from, 0.0));
        }
        if (k > 0 && v >= m.check(viscosity(m, scale.pieces[k - 1], piece.from)))
            return piece.from;
    }
    detail::refuse(scale.belowLowest);
}

} // namespace

double redwood1ToCentistokes(double seconds, std::optional<Temperature> at) {
    return toCentistokes(redwood1, seconds, at);
}

double centistokesToRedwood1(double centistokes, std::optional<Temperature> at) {
    return fromCentistokes(redwood1, centistokes, at);
}

double redwood2ToCentistokes(double seconds, std::optional<Temperature> at) {
    return toCentistokes(redwood2, seconds, at);
}

double centistokesToRedwood2(double centistokes, std::optional<Temperature> at) {
    return fromCentistokes(redwood2, centistokes, at);
}

double englerToCentistokes(double degrees, std::optional<Temperature> at) {
    return toCentistokes(engler, degrees, at);
}

double centistokesToEngler(double centistokes, std::optional<Temperature> at) {
    return fromCentistokes(engler, centistokes, at);
}

} // namespace tarnwick
