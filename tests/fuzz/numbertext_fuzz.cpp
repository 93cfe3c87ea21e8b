// SPDX-License-Identifier: MIT
// libFuzzer target for the number boxes' reading, under several locales, and
// for plain numbers: any text either is refused or reads as a finite double,
// and plain reading agrees with the English (United States) reading of the
// same text when it has no group separator.
#include "core/numbers/plainnumber.h"
#include "presenter/numbertext.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    static const QLocale locales[] = {QLocale("en_US"), QLocale("de_DE"), QLocale("hi_IN"),
                                      QLocale("fr_CH"), QLocale("ar_EG")};
    for (const QLocale& locale : locales) {
        const auto value = tarnwick::numberText::parse(text, locale);
        if (value && !std::isfinite(*value))
            std::abort();
        if (value && tarnwick::numberText::read(text, locale) != *value)
            std::abort();
    }
    const auto plain = tarnwick::plainNumber::parse(bytes);
    if (plain && !std::isfinite(*plain))
        std::abort();
    const bool ascii = bytes.find_first_not_of("0123456789+-.eE \t\n\v\f\r") == std::string::npos;
    if (ascii && plain != tarnwick::numberText::parse(text, locales[0]))
        std::abort();
    if (plain) {
        // What is written reads back as the same double.
        std::string written;
        tarnwick::plainNumber::appendShortest(written, *plain);
        if (tarnwick::plainNumber::parse(written) != plain)
            std::abort();
    }
    return 0;
}
