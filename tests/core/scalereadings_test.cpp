// SPDX-License-Identifier: MIT
// A reading on every efflux scale. Expected values worked by hand (Python:
// the Saybolt equation solved by bisection, the others solved for the
// reading); the messages are the converter's.
#include "core/scalereadings.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

struct ScaleReadingsCase {
    const char* name;
    ScaleReadingTexts texts;
    const char* expected; // "cSt 151.08914752; SFS ...", or the whole answer's message
};

void PrintTo(const ScaleReadingsCase& c, std::ostream* os) {
    *os << c.name;
}

// The answer as one line: each scale and its reading, or its refusal.
std::string told(const OrFailure<ScaleReadings>& answer, const NumberStyle& numbers) {
    if (!answer)
        return answer.failure().message;
    std::string out = "cSt ";
    numbers.append(out, answer->centistokes);
    for (const OtherScaleReading& other : answer->others) {
        out.append("; ").append(other.scale).append(" ");
        if (other.reading)
            numbers.append(out, *other.reading);
        else
            out += other.reading.failure().message;
    }
    return out;
}

class ScaleReadingsOnEveryScale : public ::testing::TestWithParam<ScaleReadingsCase> {};

TEST_P(ScaleReadingsOnEveryScale, AreTheConvertersConversions) {
    const PlainNumbers numbers;
    EXPECT_EQ(told(readingOnEveryScale(GetParam().texts, numbers), numbers), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Core, ScaleReadingsOnEveryScale,
    ::testing::Values(
        ScaleReadingsCase{"SayboltSecondsAtTheirReference",
                          {"700", "SUS", ""},
                          "cSt 151.08914752; SFS 72.01429193; Redwood 1 612.02770511; "
                          "Redwood 2 62.12321067; deg Engler 20.71050940"},
        ScaleReadingsCase{"ScalesBelowTheirLimitsSaySo",
                          {"1.1", "deg Engler", " "},
                          "cSt 2.30463636; SUS 33.63569943; SFS Saybolt Furol seconds below 25 "
                          "are not defined; Redwood 1 Redwood No. 1 seconds below 34 are not "
                          "defined; Redwood 2 Redwood No. 2 seconds below 32.5 are not defined"},
        ScaleReadingsCase{"FurolSecondsOnlyAtTheirTwoTemperatures",
                          {"50", "Redwood 1", "150F"},
                          "cSt 9.42000000; SUS 57.00699994; SFS Saybolt Furol seconds are defined "
                          "at 122 F and 210 F only; Redwood 2 Redwood No. 2 seconds below 32.5 are "
                          "not defined; deg Engler 1.77496559"},
        ScaleReadingsCase{"AReadingBelowItsLimit",
                          {"31", "SUS", ""},
                          "Saybolt Universal seconds below 32 are not defined"},
        ScaleReadingsCase{"AFurolReadingAtAnotherTemperature",
                          {"100", "SFS", "150F"},
                          "Saybolt Furol seconds are defined at 122 F and 210 F only"},
        ScaleReadingsCase{"ATemperatureWithoutItsScale",
                          {"100", "SUS", "210"},
                          "At takes a temperature such as 40C, 210F or 372.04K, not '210'"},
        ScaleReadingsCase{
            "AReadingThatIsNoNumber", {"abc", "SUS", ""}, "Viscosity input value is invalid"},
        ScaleReadingsCase{"AScaleInTheWrongCase",
                          {"100", "sus", ""},
                          "unknown viscosity unit \"sus\" (did you mean \"SUS\"?)"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarnwick
