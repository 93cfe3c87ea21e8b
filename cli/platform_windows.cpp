// SPDX-License-Identifier: MIT
#include "cli/platform.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace tarnwick::cli {
namespace {

std::string utf8(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

// Nothing for text that is not UTF-8: such a name cannot be a file's.
std::optional<std::wstring> wide(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        out.data(), size);
    return out;
}

// One of the user's locale settings; empty where Windows has none.
std::wstring setting(LCTYPE type) {
    wchar_t buffer[LOCALE_NAME_MAX_LENGTH + 80] = {};
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer,
                                     static_cast<int>(sizeof buffer / sizeof buffer[0]));
    return size > 0 ? std::wstring(buffer, static_cast<std::size_t>(size - 1)) : std::wstring();
}

// "3;0" groups by three, "3;2;0" three and then two (India), "0" not at all.
void readGrouping(const std::wstring& grouping, NumberSymbols& symbols) {
    int sizes[2] = {0, 0};
    int count = 0;
    for (std::size_t i = 0; i < grouping.size() && count < 2; ++i) {
        if (grouping[i] >= L'1' && grouping[i] <= L'9')
            sizes[count++] = grouping[i] - L'0';
        else if (grouping[i] == L'0')
            break;
    }
    if (count == 0) {
        symbols.group.clear();
        return;
    }
    symbols.groupFirst = sizes[0];
    symbols.groupHigher = count > 1 ? sizes[1] : sizes[0];
}

// The zero of the native digits when the user has Windows substitute them
// everywhere (2); ASCII digits under "never" (1) and "by context" (0), as
// console programs cannot know a context.
char32_t zeroDigit() {
    if (setting(LOCALE_IDIGITSUBSTITUTION) != L"2")
        return U'0';
    const std::wstring digits = setting(LOCALE_SNATIVEDIGITS);
    std::u32string points;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        char32_t point = digits[i];
        if (IS_HIGH_SURROGATE(digits[i]) && i + 1 < digits.size() &&
            IS_LOW_SURROGATE(digits[i + 1])) {
            point = 0x10000 + ((point - 0xD800) << 10) + (digits[i + 1] - 0xDC00);
            ++i;
        }
        points += point;
    }
    // The number code reads the ten digits as one run from the zero.
    if (points.size() != 10)
        return U'0';
    for (char32_t i = 0; i < 10; ++i)
        if (points[i] != points[0] + i)
            return U'0';
    return points[0];
}

} // namespace

std::optional<NumberSymbols> userNumberSymbols() {
    NumberSymbols symbols;
    if (const std::string decimal = utf8(setting(LOCALE_SDECIMAL)); !decimal.empty())
        symbols.decimal = decimal;
    symbols.group = utf8(setting(LOCALE_STHOUSAND));
    readGrouping(setting(LOCALE_SGROUPING), symbols);
    if (const std::string minus = utf8(setting(LOCALE_SNEGATIVESIGN)); !minus.empty())
        symbols.minus = minus;
    if (const std::string plus = utf8(setting(LOCALE_SPOSITIVESIGN)); !plus.empty())
        symbols.plus = plus;
    symbols.zero = zeroDigit();
    return symbols;
}

std::FILE* openFile(const std::string& path) {
    const std::optional<std::wstring> name = wide(path);
    if (!name) {
        errno = ENOENT;
        return nullptr;
    }
    return _wfopen(name->c_str(), L"rb");
}

std::vector<std::string> utf8Arguments(int argc, wchar_t* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(utf8(argv[i]));
    return arguments;
}

void useBinaryStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

} // namespace tarnwick::cli
