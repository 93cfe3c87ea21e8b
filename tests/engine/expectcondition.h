// SPDX-License-Identifier: MIT
// Checks that a conversion throws FloatingPointError with the given condition.
#pragma once

#include "engine.h"

#include <gtest/gtest.h>

namespace tarnwick::testing {

template <typename Conversion>
void expectCondition(const char* name, Conversion conversion,
                     FloatingPointError::Condition expected) {
    try {
        const double result = conversion();
        ADD_FAILURE() << name << ": returned " << result;
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(e.condition(), expected) << name << ": " << e.what();
    }
}

} // namespace tarnwick::testing
