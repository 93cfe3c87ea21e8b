// SPDX-License-Identifier: MIT
#include "core/csv/reader.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {
namespace {

constexpr std::size_t chunkBytes = 1 << 15;

} // namespace

RecordReader::RecordReader(ByteSource& input, char separator, std::size_t maxRecordBytes)
    : m_input(input)
    , m_separator(separator)
    , m_quoting(quotesFields(separator))
    , m_maxRecordBytes(maxRecordBytes)
    , m_buffer(2 * chunkBytes + 8) {
    for (const char c : {m_separator, '\n', '\r'})
        m_special[static_cast<unsigned char>(c)] = true;
    // A quote inside an unquoted field is kept as it is, but the field then
    // needs quotes when it is written.
    if (m_quoting)
        m_special['"'] = true;
}

bool RecordReader::refill(std::size_t count) {
    while (m_end - m_pos < count && !m_eof) {
        if (m_pos > 0) {
            std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
            m_end -= m_pos;
            m_pos = 0;
        }
        const std::size_t got = m_input.read(m_buffer.data() + m_end, chunkBytes);
        m_end += got;
        m_nextCarriageReturn.searched = m_nextQuote.searched = false;
        if (got == 0) {
            m_readError = m_input.error();
            m_eof = true;
        }
    }
    return m_end - m_pos >= count;
}

std::size_t RecordReader::nextOf(NextByte& next) {
    if (!next.searched || next.at < m_pos) {
        const char* from = m_buffer.data() + m_pos;
        const auto* found = static_cast<const char*>(std::memchr(from, next.c, m_end - m_pos));
        next.at = found ? static_cast<std::size_t>(found - m_buffer.data()) : m_end;
        next.searched = true;
    }
    return next.at;
}

int RecordReader::peek(std::size_t offset) {
    if (!ensure(offset + 1))
        return endOfInput;
    return static_cast<unsigned char>(m_buffer[m_pos + offset]);
}

void RecordReader::append(const char* data, std::size_t size) {
    m_recordBytes += size;
    if (m_recordBytes > m_maxRecordBytes)
        m_problem = Record::Problem::tooLong;
    if (m_problem != Record::Problem::tooLong)
        m_data.append(data, size);
}

// After an opening quote: up to and including the closing quote.
void RecordReader::quotedPart() {
    for (;;) {
        if (!ensure(1)) {
            m_problem =
                m_problem == Record::Problem::tooLong ? m_problem : Record::Problem::unclosedQuote;
            return;
        }
        const char* start = m_buffer.data() + m_pos;
        const std::size_t available = m_end - m_pos;
        const auto* quote = static_cast<const char*>(std::memchr(start, '"', available));
        const std::size_t run = quote ? static_cast<std::size_t>(quote - start) : available;
        m_line += static_cast<std::size_t>(std::count(start, start + run, '\n'));
        append(start, run);
        m_pos += run;
        if (!quote)
            continue;
        ++m_pos; // the quote
        if (peek() != '"')
            return;
        append("\"", 1);
        ++m_pos;
    }
}

// Whether the next bytes end the field: a separator, a line end or the end
// of the input.
bool RecordReader::closesField() {
    const int c = peek();
    if (c == endOfInput || c == m_separator || c == '\n')
        return true;
    return c == '\r' && peek(1) == '\n';
}

// Unquoted text up to the end of the field; returns the separator, '\n' for
// a line end (setting the terminator), or endOfInput.
int RecordReader::unquotedPart(Record& record) {
    for (;;) {
        if (!ensure(1))
            return endOfInput;
        const char* data = m_buffer.data();
        std::size_t i = m_pos;
        while (i < m_end && !m_special[static_cast<unsigned char>(data[i])])
            ++i;
        append(data + m_pos, i - m_pos);
        m_pos = i;
        if (m_pos == m_end)
            continue;
        const char c = data[m_pos]; // a copy: peek() may move the buffer
        if (c == m_separator) {
            ++m_pos;
            m_recordBytes += 1;
            return c;
        }
        if (c == '\n') {
            ++m_pos;
            ++m_line;
            record.terminator = "\n";
            return '\n';
        }
        // A carriage return ends the record only before a line feed.
        if (c == '\r' && peek(1) == '\n') {
            m_pos += 2;
            ++m_line;
            record.terminator = "\r\n";
            return '\n';
        }
        append(&c, 1);
        ++m_pos;
        m_plain = false;
    }
}

// The common case, read without copying: a whole line in the buffer with
// nothing to unquote. False, having read nothing, for anything else.
bool RecordReader::wholeLine(Record& record) {
    const char* begin = m_buffer.data() + m_pos;
    const auto* lineFeed = static_cast<const char*>(std::memchr(begin, '\n', m_end - m_pos));
    if (!lineFeed)
        return false;
    const char* end = lineFeed;
    record.terminator = "\n";
    if (end > begin && end[-1] == '\r') {
        --end;
        record.terminator = "\r\n";
    }
    const auto length = static_cast<std::size_t>(end - begin);
    // A quote, or a carriage return inside the line, needs the full reader.
    const std::size_t stop = m_pos + length;
    if (length > m_maxRecordBytes || nextOf(m_nextCarriageReturn) < stop ||
        (m_quoting && nextOf(m_nextQuote) < stop))
        return false;
    record.blank = length == 0;
    for (const char* field = begin; !record.blank;) {
        const auto* separator = static_cast<const char*>(
            std::memchr(field, m_separator, static_cast<std::size_t>(end - field)));
        const char* fieldEnd = separator ? separator : end;
        record.fields.emplace_back(field, static_cast<std::size_t>(fieldEnd - field));
        if (!separator)
            break;
        field = separator + 1;
    }
    record.plain = !record.blank;
    record.plainText = std::string_view(begin, length);
    m_pos = static_cast<std::size_t>(lineFeed + 1 - m_buffer.data());
    ++m_line;
    return true;
}

bool RecordReader::next(Record& record) {
    if (!m_started) {
        m_started = true;
        if (ensure(byteOrderMark.size()) &&
            std::string_view(m_buffer.data() + m_pos, byteOrderMark.size()) == byteOrderMark) {
            m_pos += byteOrderMark.size();
            m_byteOrderMark = true;
        }
    }
    record.fields.clear();
    record.line = m_line;
    record.terminator = {};
    record.blank = false;
    record.plain = false;
    record.plainText = {};
    record.problem = Record::Problem::none;
    if (!ensure(1))
        return false;
    if (wholeLine(record))
        return true;
    record.terminator = {};

    m_data.clear();
    m_ends.clear();
    m_recordBytes = 0;
    m_problem = Record::Problem::none;
    m_plain = true;
    bool anyQuote = false;
    for (bool first = true;; first = false) {
        if (!first && m_problem != Record::Problem::tooLong)
            m_data += m_separator;
        if (m_quoting && peek() == '"') {
            anyQuote = true;
            m_plain = false;
            ++m_pos;
            m_recordBytes += 2;
            quotedPart();
            if (!closesField() && m_problem == Record::Problem::none)
                m_problem = Record::Problem::textAfterQuote;
        }
        const int end = unquotedPart(record);
        if (m_problem != Record::Problem::tooLong)
            m_ends.push_back(m_data.size());
        if (end != m_separator)
            break;
    }

    if (m_problem == Record::Problem::tooLong) {
        m_data.clear();
        m_ends.clear();
    }
    record.problem = m_problem;
    record.blank = m_recordBytes == 0 && !anyQuote && m_problem == Record::Problem::none;
    if (record.blank)
        return true;
    std::size_t start = 0;
    for (const std::size_t end : m_ends) {
        record.fields.emplace_back(m_data.data() + start, end - start);
        start = end + 1;
    }
    record.plain = m_plain && m_problem == Record::Problem::none;
    record.plainText = record.plain ? std::string_view(m_data) : std::string_view();
    return true;
}

} // namespace tarnwick
