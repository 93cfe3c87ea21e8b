// SPDX-License-Identifier: MIT
// Reading UTF-8 one code point at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace tarnwick {

struct CodePoint {
    char32_t value = 0;
    std::size_t length = 0; // bytes; 0 when text does not start with a well-formed sequence
};

// The code point that text starts with. Overlong forms, surrogates and
// values beyond U+10FFFF are not well formed.
constexpr CodePoint firstCodePoint(std::string_view text) {
    if (text.empty())
        return {};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length)
        return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        code = code << 6 | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < lowest || code > 0x10FFFF || surrogate)
        return {};
    return {code, length};
}

} // namespace tarnwick
