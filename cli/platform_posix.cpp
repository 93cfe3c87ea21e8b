// SPDX-License-Identifier: MIT
#include "cli/platform.h"

#ifdef TARNWICK_WITH_QT
#include "presenter/qtsymbols.h"
#endif

namespace tarnwick::cli {

std::optional<NumberSymbols> userNumberSymbols() {
#ifdef TARNWICK_WITH_QT
    // Qt reads LC_ALL, LC_NUMERIC and LANG as the window does, so that
    // --locale gives the window's very digits.
    return symbolsOf(QLocale());
#else
    return std::nullopt;
#endif
}

std::FILE* openFile(const std::string& path) {
    return std::fopen(path.c_str(), "rb");
}

} // namespace tarnwick::cli
