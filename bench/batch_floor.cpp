// SPDX-License-Identifier: MIT
// The floor for the batch benchmark: what any converter of such a file has to
// do at the least. Reads the file line by line, reads the first and fourth
// fields with std::from_chars and writes each line back with one 8-decimal
// number appended; no units, no checks, no conversion.
//   usage: tarnwick_batch_floor FILE > OUT
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* nextComma(const char* from, const char* end) {
    const void* comma = std::memchr(from, ',', static_cast<std::size_t>(end - from));
    return comma ? static_cast<const char*>(comma) : end;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    std::FILE* input = std::fopen(argv[1], "rb");
    if (!input)
        return 2;
    char* line = nullptr;
    std::size_t capacity = 0;
    std::string out;
    char number[64];
    ssize_t read;
    while ((read = getline(&line, &capacity, input)) > 0) {
        const char* end = line + read;
        if (end[-1] == '\n')
            --end;
        double value = 0;
        double density = 0;
        const char* field = line;
        const char* fieldEnd = nextComma(field, end);
        std::from_chars(field, fieldEnd, value);
        for (int i = 0; i < 3 && fieldEnd != end; ++i) {
            field = fieldEnd + 1;
            fieldEnd = nextComma(field, end);
        }
        std::from_chars(field, fieldEnd, density);
        const auto printed = std::to_chars(number, number + sizeof number, value * density,
                                           std::chars_format::fixed, 8);
        out.append(line, static_cast<std::size_t>(end - line));
        out += ',';
        out.append(number, printed.ptr);
        out += '\n';
        if (out.size() >= 1 << 16) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::free(line);
    std::fclose(input);
    return 0;
}
