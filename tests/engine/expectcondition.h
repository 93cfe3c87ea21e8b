// SPDX-License-Identifier: MIT
// Checks that a conversion throws ConversionError with the given condition.
#pragma once

#include "engine/engine.h"

#include <gtest/gtest.h>

namespace tarnwick::testing {

template <typename Conversion>
void expectCondition(const char* name, Conversion conversion, ConversionError::Condition expected) {
    try {
        const double result = conversion();
        ADD_FAILURE() << name << ": returned " << result;
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.condition(), expected) << name << ": " << e.what();
    }
}

} // namespace tarnwick::testing
