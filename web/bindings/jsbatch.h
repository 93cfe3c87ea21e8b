// SPDX-License-Identifier: MIT
// The page's Batch: a file's rows through the converter's reader, row
// conversion and writer, read and written through JS functions.
#pragma once

#include "core/batch.h"

#include <emscripten/val.h>
#include <optional>
#include <string>

namespace tarnwick::web {

using emscripten::val;

class JsBatch {
public:
    // The options object of the contract; what cannot be used is reported
    // by run().
    explicit JsBatch(const val& options);

    // read(maxBytes) -> Uint8Array (empty at the end), write(Uint8Array),
    // report(line, message); returns {status, rows, failed} and, when a row
    // used the density no one gave, note.
    val run(val read, val write, val report);

private:
    BatchOptions m_options;
    std::optional<NumberSymbols> m_symbols; // nothing: plain numbers
    std::string m_problem;                  // with the options themselves
};

} // namespace tarnwick::web
