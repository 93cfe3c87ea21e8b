// SPDX-License-Identifier: MIT
// What the reader and the writer agree on about a separator.
#pragma once

#include <string_view>

namespace tarnwick {

// A UTF-8 byte-order mark: skipped at the start of the input, and written
// back at the start of the output.
inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Tab-separated text is never quoted; text with any other separator is.
inline bool quotesFields(char separator) {
    return separator != '\t';
}

} // namespace tarnwick
