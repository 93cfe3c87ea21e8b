// SPDX-License-Identifier: MIT
#include "csv.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace tarnwick::cli {
namespace {

constexpr std::size_t chunkBytes = 1 << 15;
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Word-at-a-time scanning, eight bytes a step. spread(t) has t in
// every byte; zeroBytes(x) has the high bit set in exactly the bytes of x
// that are zero, so zeroBytes(word ^ spread(t)) marks the bytes equal to t.
constexpr std::uint64_t spread(char t) {
    return 0x0101010101010101 * static_cast<unsigned char>(t);
}
constexpr std::uint64_t zeroBytes(std::uint64_t x) {
    constexpr std::uint64_t lows = 0x7F7F7F7F7F7F7F7F;
    return ~(((x & lows) + lows) | x | lows);
}

} // namespace

RecordReader::RecordReader(std::FILE* input, Separator separator, std::size_t maxRecordBytes)
    : m_input(input)
    , m_separator(static_cast<char>(separator))
    , m_quoting(separator == Separator::comma)
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
        const std::size_t got = std::fread(m_buffer.data() + m_end, 1, chunkBytes, m_input);
        m_end += got;
        if (got < chunkBytes) {
            if (std::ferror(m_input))
                m_readError = errno != 0 ? errno : EIO;
            m_eof = std::feof(m_input) || std::ferror(m_input);
        }
    }
    return m_end - m_pos >= count;
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
    if (static_cast<std::size_t>(end - begin) > m_maxRecordBytes)
        return false;
    // In comma-separated text a quote or a carriage return inside the line
    // needs the full reader; in tab-separated text a carriage return does.
    // The line is read eight bytes a step; a step may read up to seven bytes
    // past the line: they lie within the buffer and are masked off.
    static_assert(std::endian::native == std::endian::little);
    const std::uint64_t separators = spread(m_separator);
    const std::uint64_t quotes = spread(m_quoting ? '"' : '\r');
    const std::uint64_t returns = spread('\r');
    const char* fieldStart = begin;
    for (const char* p = begin; p < end; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const auto left = static_cast<std::size_t>(end - p);
        const std::uint64_t inLine =
            left >= 8 ? ~std::uint64_t(0) : (std::uint64_t(1) << (8 * left)) - 1;
        if (((zeroBytes(word ^ quotes) | zeroBytes(word ^ returns)) & inLine) != 0) {
            record.fields.clear();
            return false;
        }
        for (std::uint64_t hits = zeroBytes(word ^ separators) & inLine; hits != 0;
             hits &= hits - 1) {
            const char* separator = p + std::countr_zero(hits) / 8;
            record.fields.emplace_back(fieldStart,
                                       static_cast<std::size_t>(separator - fieldStart));
            fieldStart = separator + 1;
        }
    }
    record.blank = end == begin;
    if (!record.blank)
        record.fields.emplace_back(fieldStart, static_cast<std::size_t>(end - fieldStart));
    record.plain = !record.blank;
    record.plainText = std::string_view(begin, static_cast<std::size_t>(end - begin));
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

RecordWriter::RecordWriter(std::FILE* output, Separator separator)
    : m_output(output)
    , m_separator(static_cast<char>(separator))
    , m_quoting(separator == Separator::comma) {
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
        m_failed = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_output) != m_buffer.size();
        m_flushed = true;
    }
    m_buffer.clear();
    if (!m_failed)
        m_failed = std::fflush(m_output) != 0;
    return !m_failed;
}

} // namespace tarnwick::cli
