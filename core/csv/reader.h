// SPDX-License-Identifier: MIT
// Reading delimited text one record at a time, so that a file of
// any size streams through in the same small memory.
//
// Comma-separated (RFC 4180), or separated by another character such as ";":
// fields may be quoted, a doubled quote inside quotes stands for one, quoted
// fields may hold separators and line breaks, and records end with LF or
// CRLF. A UTF-8 byte-order mark at the start is skipped. Tab-separated: no
// quoting; a field cannot hold a tab or a line break.
#pragma once

#include "core/bytestream.h"
#include "core/csv/dialect.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct Record {
    enum class Problem {
        none,
        unclosedQuote,  // the input ended inside a quoted field
        textAfterQuote, // a closing quote was followed by more text in its field
        tooLong,        // longer than the reader keeps; fields is empty
    };

    std::vector<std::string_view> fields; // valid until the next read
    // The fields joined by the separator, when that is also how they are
    // written back (nothing in them needs quotes); empty otherwise.
    std::string_view plainText;
    bool plain = false;
    std::size_t line = 0;        // the line it starts on, from 1
    std::string_view terminator; // "\n", "\r\n", or "" at the end of the input
    bool blank = false;          // an empty line: no field at all
    Problem problem = Problem::none;
};

class RecordReader {
public:
    static constexpr std::size_t defaultMaxRecordBytes = 1 << 20;

    RecordReader(ByteSource& input, char separator,
                 std::size_t maxRecordBytes = defaultMaxRecordBytes);

    // Reads the next record; false at the end of the input or on a read
    // error (see readError()).
    bool next(Record& record);

    bool hadByteOrderMark() const { return m_byteOrderMark; }
    // The errno of a failed read, or 0.
    int readError() const { return m_readError; }

private:
    enum : int { endOfInput = -1 };

    // At least count bytes buffered, unless the input ends first.
    bool ensure(std::size_t count) { return m_end - m_pos >= count || refill(count); }
    bool refill(std::size_t count);
    int peek(std::size_t offset = 0);
    void append(const char* data, std::size_t size);
    bool wholeLine(Record& record);
    void quotedPart();
    int unquotedPart(Record& record);
    bool closesField();

    // Where the next byte c is at or after m_pos in what is buffered (m_end
    // when nowhere). The buffer is searched once until it moves or grows,
    // not once for every line that asks.
    struct NextByte {
        char c;
        std::size_t at = 0;
        bool searched = false; // since the buffer last changed
    };
    std::size_t nextOf(NextByte& next);

    ByteSource& m_input;
    char m_separator;
    bool m_quoting;
    std::size_t m_maxRecordBytes;
    std::array<bool, 256> m_special{};

    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    bool m_started = false;
    bool m_byteOrderMark = false;
    int m_readError = 0;
    std::size_t m_line = 1;
    NextByte m_nextCarriageReturn{'\r'};
    NextByte m_nextQuote{'"'};

    std::string m_data;              // the record's field contents, end to end
    std::vector<std::size_t> m_ends; // where each field ends in m_data
    std::size_t m_recordBytes = 0;   // bytes of the record read so far
    Record::Problem m_problem = Record::Problem::none;
    bool m_plain = true;
};

} // namespace tarnwick
