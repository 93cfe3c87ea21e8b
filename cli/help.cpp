// SPDX-License-Identifier: MIT
#include "cli/optiontable.h"
#include "core/batch.h"
#include "core/conversion.h"

#include <algorithm>
#include <array>

namespace tarnwick::cli {
namespace {

constexpr std::string_view helpNotes = R"(
Units are the exact names that --list-units shows, for example "cP", "Pa.s",
"lbf.s/ft^2", "cSt", "ft^2/h", "SUS" or "deg API"; quote names with blanks.
Without --locale, numbers are read and written with "." as decimal mark and
no grouping (1.5, 2.5e3), and results show {decimalsInWords} decimals.

A batch row is VALUE[,FROM[,TO[,DENSITY[,DENSITY_UNIT]]]]; fields missing at
the end of a row come from the options. Every row is written out, in order,
with one more field, the result; a row that fails gets an empty result and a
message "line N: ..." on standard error, and the run goes on.

SUS, SFS, "Redwood 1", "Redwood 2" and "deg Engler" are efflux scale readings,
converted through cSt at the temperature of --at: Saybolt Universal and Furol
seconds by ASTM D2161's equations, Redwood No. 1 and No. 2 seconds and Engler
degrees by the classic empirical formulas, which are good to a few per cent.

With --batch, --viscosity-index, --grade and --temperature (with T) read rows
of their operands (V40,V100; V40; T1,V1,T2,V2,T) and append the answer.

When a conversion needs the density and none is given, {density} {densityUnit} is used and
standard error says so once. A density to convert with --densities must be
above zero, except in "deg API" and "deg Baume".

Exit status: {allConverted} if every conversion succeeded, {someFailed} if any failed, {cannotRun} for a usage
error or input that cannot be read.

Examples:
  tarnwick-convert 1 cP cSt
  tarnwick-convert 10 cSt cP --density 0.85 --density-unit g/cm^3
  tarnwick-convert --all 1 Pa.s -d 30 -u "deg API"
  tarnwick-convert --densities 30 "deg API" kg/m^3
  tarnwick-convert --batch samples.csv --header --to cP > samples-cP.csv
  tarnwick-convert --locale --delimiter ';' --batch werte.csv
  tarnwick-convert --at 210F 100 SUS cSt
  tarnwick-convert --temperature 40C 32 100C 5.4 60C
  tarnwick-convert --viscosity-index --batch --header lab.csv
)";

// The defaults in the help's words, from where they are defined.
std::string withDefaults(std::string_view text) {
    constexpr std::array<std::string_view, 18> words{
        "no",     "one",      "two",      "three",   "four",    "five",
        "six",    "seven",    "eight",    "nine",    "ten",     "eleven",
        "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen"};
    const std::pair<std::string_view, std::string> values[] = {
        {"{density}", std::string(defaultDensityText())},
        {"{densityUnit}", std::string(defaultDensityUnitName())},
        {"{decimalsInWords}", std::string(words[defaultDecimals])},
        {"{decimals}", std::to_string(defaultDecimals)},
        {"{resultName}", std::string(defaultResultName)},
        {"{allConverted}", std::to_string(ExitStatus::allConverted)},
        {"{someFailed}", std::to_string(ExitStatus::someFailed)},
        {"{cannotRun}", std::to_string(ExitStatus::cannotRun)},
    };
    std::string out(text);
    for (const auto& [name, value] : values)
        for (std::size_t at; (at = out.find(name)) != std::string::npos;)
            out.replace(at, name.size(), value);
    return out;
}

} // namespace

std::string helpText() {
    std::string text = R"(Usage: tarnwick-convert [OPTION]... VALUE FROM TO
  or:  tarnwick-convert [OPTION]... --all VALUE FROM
  or:  tarnwick-convert [OPTION]... --batch [FILE]
  or:  tarnwick-convert [OPTION]... --temperature T1 V1 T2 V2 T
  or:  tarnwick-convert [OPTION]... --temperature T1 V1 T2 V2 --reaching V
  or:  tarnwick-convert [OPTION]... --viscosity-index V40 V100
  or:  tarnwick-convert [OPTION]... --grade V40
  or:  tarnwick-convert [OPTION]... --blend V1 V2 F
  or:  tarnwick-convert [OPTION]... --blend V1 V2 --target V
  or:  tarnwick-convert --list-units
Convert a viscosity VALUE from unit FROM to unit TO at a fluid density, with
the same rules, checks and messages as the Tarnwick window; or, with
--densities, a density from one density unit to another; or answer a question
about an oil from its kinematic viscosities in cSt.
)";
    std::string_view group = "-";
    for (const OptionInfo& option : optionTable) {
        if (option.group != group) {
            group = option.group;
            text += "\n";
            if (!group.empty())
                text.append(group).append(":\n");
        }
        std::string line = option.letter ? std::string("  -") + option.letter + ", --" : "      --";
        line.append(option.name);
        if (!option.argument.empty())
            line.append("=").append(option.argument);
        line.resize(std::max<std::size_t>(line.size() + 2, 27), ' ');
        std::string_view help = option.help;
        for (std::size_t end; (end = help.find('\n')) != std::string_view::npos;) {
            text.append(line).append(help.substr(0, end)).append("\n");
            line.assign(27, ' ');
            help.remove_prefix(end + 1);
        }
        text.append(line).append(help).append("\n");
    }
    text += helpNotes;
    return withDefaults(text);
}

} // namespace tarnwick::cli
