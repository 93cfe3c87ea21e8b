// SPDX-License-Identifier: MIT
#include "core/csv/writer.h"

#include <algorithm>

namespace tarnwick {
namespace {

constexpr std::size_t chunkBytes = 1 << 15;

} // namespace

RecordWriter::RecordWriter(ByteSink& output, char separator)
    : m_output(output)
    , m_separator(separator)
    , m_quoting(quotesFields(separator)) {
    m_buffer.reserve(2 * chunkBytes);
}

RecordWriter::~RecordWriter() {
    flush();
}

void RecordWriter::separate() {
    if (!m_firstField)
        m_buffer += m_separator;
    m_firstField = false;
}

void RecordWriter::field(std::string_view text) {
    separate();
    const char separator = m_separator;
    // A field that would put a byte-order mark at the start of the output
    // is quoted too, or it would be read back as one.
    const bool quote =
        m_quoting && (std::any_of(text.begin(), text.end(),
                                  [separator](char c) {
                                      return c == separator || c == '"' || c == '\n' || c == '\r';
                                  }) ||
                      (m_buffer.empty() && !m_flushed && text.starts_with(byteOrderMark)));
    if (!quote) {
        m_buffer.append(text);
        return;
    }
    m_buffer += '"';
    for (const char c : text) {
        if (c == '"')
            m_buffer += '"';
        m_buffer += c;
    }
    m_buffer += '"';
}

void RecordWriter::joinedFields(std::string_view text) {
    separate();
    m_buffer.append(text);
}

void RecordWriter::endRecord(std::string_view terminator) {
    m_buffer.append(terminator);
    m_firstField = true;
    spill();
}

void RecordWriter::raw(std::string_view bytes) {
    m_buffer.append(bytes);
    spill();
}

void RecordWriter::spill() {
    if (m_buffer.size() >= chunkBytes)
        flush();
}

bool RecordWriter::flush() {
    if (!m_buffer.empty() && !m_failed) {
        m_failed = !m_output.write(m_buffer);
        m_flushed = true;
    }
    m_buffer.clear();
    if (!m_failed)
        m_failed = !m_output.flush();
    return !m_failed;
}

} // namespace tarnwick
