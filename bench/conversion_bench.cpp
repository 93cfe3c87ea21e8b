// Times the conversion engine. Run from a release build:
//   cmake --preset release && cmake --build --preset release
//   build/release/bench/tarnwick_bench
#include "engine.h"

#include <benchmark/benchmark.h>

namespace {

// One iteration converts every ordered pair of the 25 viscosity names at
// 50 lb/ft^3; the counter reports the time of one conversion.
void BM_ConvertViscosityEveryPair(benchmark::State& state) {
    for (auto _ : state) {
        for (auto from : tarnwick::viscosityUnits)
            for (auto to : tarnwick::viscosityUnits)
                benchmark::DoNotOptimize(tarnwick::convertViscosity(1.5, from, to, 50, "lb/ft^3"));
    }
    const auto pairs = tarnwick::viscosityUnits.size() * tarnwick::viscosityUnits.size();
    state.counters["per_conversion"] =
        benchmark::Counter(static_cast<double>(state.iterations() * pairs),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ConvertViscosityEveryPair);

} // namespace
