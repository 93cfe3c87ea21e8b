// SPDX-License-Identifier: MIT
// Where a batch of rows comes from and goes to: a file, a pipe, or the
// browser's file reader.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace tarnwick {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes into buffer; 0 at the end of the input or on
    // a read error (see error()).
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    // The errno of a failed read, or 0.
    virtual int error() const { return 0; }

protected:
    ByteSource() = default;
    ByteSource(const ByteSource&) = default;
    ByteSource& operator=(const ByteSource&) = default;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all of bytes; false when the output failed.
    virtual bool write(std::string_view bytes) = 0;
    // Passes on what the sink itself holds back; false when that failed.
    virtual bool flush() { return true; }

protected:
    ByteSink() = default;
    ByteSink(const ByteSink&) = default;
    ByteSink& operator=(const ByteSink&) = default;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file)
        : m_file(file) {}
    std::size_t read(char* buffer, std::size_t size) override;
    int error() const override { return m_error; }

private:
    std::FILE* m_file;
    int m_error = 0;
};

class FileSink final : public ByteSink {
public:
    explicit FileSink(std::FILE* file)
        : m_file(file) {}
    bool write(std::string_view bytes) override;
    bool flush() override;

private:
    std::FILE* m_file;
};

} // namespace tarnwick
