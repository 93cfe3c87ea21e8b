// SPDX-License-Identifier: MIT
#include "cli/localemodule.h"

#include "presenter/qtsymbols.h"

// Qt reads LC_ALL, LC_NUMERIC and LANG as the window does, so that --locale
// gives the window's very digits.
extern "C" bool tarnwickUserNumberSymbols(tarnwick::NumberSymbols* symbols) {
    *symbols = tarnwick::symbolsOf(QLocale());
    return true;
}
