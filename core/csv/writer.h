// SPDX-License-Identifier: MIT
// Writing delimited text one record at a time, quoting a field only where
// its separator needs it (see dialect.h); the counterpart of reader.h.
#pragma once

#include "core/bytestream.h"
#include "core/csv/dialect.h"

#include <string>
#include <string_view>

namespace tarnwick {

class RecordWriter {
public:
    RecordWriter(ByteSink& output, char separator);
    ~RecordWriter();
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    // Appends a field to the record being written, quoted where it must be.
    void field(std::string_view text);
    // Fields already joined by the separator and needing no quotes.
    void joinedFields(std::string_view text);
    void endRecord(std::string_view terminator);
    // Bytes written as they are, such as a byte-order mark or a blank line.
    void raw(std::string_view bytes);

    // Writes out what is buffered; false when the output failed.
    bool flush();

private:
    void separate();
    void spill();

    ByteSink& m_output;
    char m_separator;
    bool m_quoting;
    bool m_firstField = true;
    bool m_failed = false;
    bool m_flushed = false; // something has been written out
    std::string m_buffer;
};

} // namespace tarnwick
