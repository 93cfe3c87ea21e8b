// SPDX-License-Identifier: MIT
// Arithmetic with the floating-point status kept in software.
//
// The hardware status flags are not reliable across optimising compilers (they
// may move, merge or drop operations around fetestexcept), so each operation
// notes the condition it would have raised, from its operands and result, and
// check() throws at the points where the status is tested. Only the first
// condition is kept: it is the one that caused the rest.
#pragma once

#include "engine/engine.h"

#include <cfloat>
#include <cmath>
#include <optional>

// Each result must be the double that one rounding per operation gives, on
// every processor. Where double arithmetic is carried out in wider registers
// (the x87 unit, FLT_EVAL_METHOD 2), a result would depend on when the
// compiler stores an intermediate, and the overflow checks below would miss
// values that only overflow once stored.
static_assert(FLT_EVAL_METHOD == 0,
              "Tarnwick's engine needs double arithmetic rounded to double at each step "
              "(FLT_EVAL_METHOD 0); on 32-bit x86 compile with -msse2 -mfpmath=sse, "
              "which Tarnwick's CMake adds, instead of the x87 unit");

namespace tarnwick::detail {

class CheckedMath {
public:
    using Condition = ConversionError::Condition;

    double mul(double a, double b) { return note(a * b, a, b, false); }
    double div(double a, double b) { return note(a / b, a, b, b == 0.0); }
    double add(double a, double b) { return note(a + b, a, b, false); }
    double sub(double a, double b) { return note(a - b, a, b, false); }

    // The status test. A non-finite result whose operands carried it in (a NaN
    // or infinite input) fails too, so a tested result is always finite.
    double check(double result) const {
        if (m_first)
            throw ConversionError(*m_first);
        if (std::isnan(result))
            throw ConversionError(Condition::InvalidOperation);
        if (std::isinf(result))
            throw ConversionError(Condition::Overflow);
        return result;
    }

private:
    double note(double r, double a, double b, bool byZero) {
        if (m_first || std::isnan(a) || std::isnan(b))
            return r; // a quiet NaN operand raises nothing of its own
        if (std::isnan(r))
            m_first = Condition::InvalidOperation;
        else if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
            m_first = byZero ? Condition::DivisionByZero : Condition::Overflow;
        return r;
    }

    std::optional<Condition> m_first;
};

} // namespace tarnwick::detail
