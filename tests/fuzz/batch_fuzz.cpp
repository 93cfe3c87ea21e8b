// SPDX-License-Identifier: MIT
// libFuzzer target for the converter's batch mode: any bytes as a file, with
// the options picked by the first byte. Besides crashes and sanitizer
// reports, it fails when an input record does not come out as exactly one
// output record with the same fields and one more, and when a --shortest
// result does not read back as the engine's double for its row.
#include "cli/converterapp.h"
#include "core/conversion.h"
#include "core/csv/reader.h"
#include "core/numbers/plainnumber.h"
#include "core/unitnames.h"
#include "engine/effluxscales.h"
#include "engine/engine.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using tarnwick::FileSource;
using tarnwick::NumberSymbols;
using tarnwick::Record;
using tarnwick::RecordReader;

// Memory streams: no files, so that runs are quick.
std::FILE* reading(const std::string& bytes) {
    // fmemopen refuses an empty buffer.
    if (bytes.empty())
        return std::fopen("/dev/null", "rb");
    return fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
}

struct Writing {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&data, &size);

    std::string close() {
        std::fclose(file);
        std::string text(data, size);
        std::free(data);
        return text;
    }
};

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "batch_fuzz: %s\n", what);
        std::abort();
    }
}

// The engine's result for a row of plain numbers and listed units, with the
// run's --from cP --to cSt and the default density for the fields it lacks.
std::optional<double> engineResult(const std::vector<std::string>& fields) {
    const auto field = [&](std::size_t i, const char* otherwise) {
        return i < fields.size() ? std::string_view(fields[i]) : std::string_view(otherwise);
    };
    const auto value = tarnwick::plainNumber::parse(field(0, ""));
    const auto density = tarnwick::plainNumber::parse(field(3, "50"));
    const std::string_view from = field(1, "cP");
    const std::string_view to = field(2, "cSt");
    const std::string_view densityUnit = field(4, "lb/ft^3");
    // The efflux scales are viscosity units of the converter too, read at
    // their own temperatures when no --at is given.
    const tarnwick::Unit fromUnit = tarnwick::viscosityUnit(from);
    const tarnwick::Unit toUnit = tarnwick::viscosityUnit(to);
    const tarnwick::Unit densityUnitFound = tarnwick::Unit::density(densityUnit);
    if (!value || !density || !fromUnit.known() || !toUnit.known() || !densityUnitFound.known())
        return std::nullopt;
    try {
        return tarnwick::convertViscosity(*value, fromUnit, toUnit, *density, densityUnitFound,
                                          std::nullopt);
    } catch (const tarnwick::ConversionError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool tsv = flags & 1;
    const bool header = flags & 2;
    std::vector<std::string> arguments{"--batch", "--from", "cP", "--to", "cSt"};
    if (tsv)
        arguments.push_back("--tsv");
    if (header)
        arguments.push_back("--header");
    if (flags & 4)
        arguments.push_back("--shortest");
    if (flags & 8)
        arguments.insert(arguments.end(), {"--value-column", "2"});
    // A separator of the user's choice, and results under German settings,
    // whose decimal comma must then be quoted in comma-separated text.
    const bool semicolons = !tsv && (flags & 16);
    if (semicolons)
        arguments.insert(arguments.end(), {"--delimiter", ";"});
    if (flags & 32 && !(flags & 4))
        arguments.push_back("--locale");
    const auto german = [] { return NumberSymbols{",", ".", 3, 3, 1, U'0', "-", "+", "E"}; };

    std::FILE* in = reading(input);
    Writing out;
    Writing err;
    const int status = tarnwick::cli::runConverter(arguments, in, out.file, err.file, german);
    check(status == 0 || status == 1, "a readable file gave a usage error");
    std::fclose(in);
    const std::string output = out.close();
    err.close();

    // Read both back, record by record.
    const char separator = tsv ? '\t' : semicolons ? ';' : ',';
    std::FILE* inputAgain = reading(input);
    std::FILE* outputAgain = reading(output);
    FileSource inputBytes(inputAgain);
    FileSource outputBytes(outputAgain);
    RecordReader source(inputBytes, separator);
    RecordReader result(outputBytes, separator);
    Record a;
    Record b;
    const bool shortestPlain = (flags & 4) && !(flags & 8);
    bool headerDue = header;
    for (;;) {
        const bool more = source.next(a);
        std::vector<std::string> fields(a.fields.begin(), a.fields.end());
        const bool blank = a.blank;
        const bool tooLong = a.problem == Record::Problem::tooLong;
        check(result.next(b) == more, "the output has another count of records");
        if (!more)
            break;
        if (blank) {
            check(b.blank, "a blank line did not stay blank");
            continue;
        }
        // Like the converter, the first line that is not blank is the
        // header, even an overlong one.
        const bool isHeader = std::exchange(headerDue, false);
        if (tooLong) {
            check(b.fields.size() == 2, "an overlong record was not written as two fields");
            continue;
        }
        check(b.fields.size() == fields.size() + 1, "a record lost or gained fields");
        for (std::size_t i = 0; i < fields.size(); ++i)
            check(b.fields[i] == fields[i], "a field changed on its way through");
        const std::string_view written = b.fields.back();
        if (!shortestPlain || isHeader || written.empty())
            continue;
        const auto expected = engineResult(fields);
        check(expected.has_value(), "a row the engine refuses has a result");
        double read = 0;
        const auto [end, error] =
            std::from_chars(written.data(), written.data() + written.size(), read);
        check(error == std::errc() && end == written.data() + written.size() && read == *expected,
              "a --shortest result does not read back as the engine's double");
    }
    check(source.hadByteOrderMark() == result.hadByteOrderMark(), "the byte-order mark changed");
    std::fclose(inputAgain);
    std::fclose(outputAgain);
    return 0;
}
