// SPDX-License-Identifier: MIT
// The module that reads the user's number symbols through QtCore. The
// converter loads it only for --locale, so that no other run waits for Qt
// and its libraries to load.
#pragma once

#include "core/numbers/numbersymbols.h"

// Fills symbols from the user's regional settings; false where it cannot.
extern "C" bool tarnwickUserNumberSymbols(tarnwick::NumberSymbols* symbols);

namespace tarnwick::cli {

inline constexpr const char* userNumberSymbolsEntry = "tarnwickUserNumberSymbols";

} // namespace tarnwick::cli
