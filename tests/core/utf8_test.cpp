// SPDX-License-Identifier: MIT
#include "core/utf8.h"

#include <gtest/gtest.h>
#include <string_view>

namespace tarnwick {
namespace {

using namespace std::literals;

// The edges of each sequence length, and what is not well formed.
TEST(FirstCodePoint, ReadsWellFormedSequencesOnly) {
    const struct {
        std::string_view bytes;
        char32_t value;
        std::size_t length;
    } rows[] = {
        {"A", U'A', 1},
        {"\x7F", 0x7F, 1},
        {"\xC2\x80", 0x80, 2},
        {"\xDF\xBF", 0x7FF, 2},
        {"\xE0\xA0\x80", 0x800, 3},
        {"\xEF\xBF\xBF", 0xFFFF, 3},
        {"\xF0\x90\x80\x80", 0x10000, 4},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"\xC3\xA9x", 0xE9, 2},
        {"", 0, 0},
        {"\x80", 0, 0},             // a continuation byte alone
        {"\xC1\xBF", 0, 0},         // overlong
        {"\xE0\x9F\xBF", 0, 0},     // overlong
        {"\xED\xA0\x80", 0, 0},     // a surrogate
        {"\xF4\x90\x80\x80", 0, 0}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", 0, 0},
        {"\xC3", 0, 0},      // cut short
        {"\xE2\x82x", 0, 0}, // not a continuation byte
    };
    for (const auto& row : rows) {
        const CodePoint c = firstCodePoint(row.bytes);
        EXPECT_EQ(c.length, row.length) << testing::PrintToString(row.bytes);
        if (row.length > 0) {
            EXPECT_EQ(c.value, row.value) << testing::PrintToString(row.bytes);
        }
    }
}

} // namespace
} // namespace tarnwick
