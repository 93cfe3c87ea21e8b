// SPDX-License-Identifier: MIT
// What the reader and the writer agree on about a separator.
#pragma once

namespace tarnwick {

// Tab-separated text is never quoted; text with any other separator is.
inline bool quotesFields(char separator) {
    return separator != '\t';
}

} // namespace tarnwick
