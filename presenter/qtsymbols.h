// SPDX-License-Identifier: MIT
// A Qt locale's number symbols, for the shared number reading and writing.
#pragma once

#include "core/numbers/numbersymbols.h"

#include <QLocale>

namespace tarnwick {

// The symbols with which locale writes numbers, read off its own formatting
// so that what it writes reads back. The C locale and a locale told to omit
// group separators do not group.
NumberSymbols symbolsOf(const QLocale& locale);

} // namespace tarnwick
