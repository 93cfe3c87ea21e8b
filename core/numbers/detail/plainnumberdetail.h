// SPDX-License-Identifier: MIT
// The two ways appendFixed writes a number, for the test that compares them.
#pragma once

#include <string>

namespace tarnwick::plainNumber::detail {

// The reference: {fmt}, with exact ties rounded away from zero.
void appendFixedExactly(std::string& out, double value, int decimals);

// The quick way for the usual results; false, having written nothing, for
// the others.
bool appendFixedQuickly(std::string& out, double value, int decimals);

} // namespace tarnwick::plainNumber::detail
