// SPDX-License-Identifier: MIT
// Times tarnwick-convert --batch on a CSV of random rows against the floor
// program, side by side in one run, and reports their peak memory; a second
// file four times as large shows whether the converter's memory grows with
// the file. Run from a release build:
//   build/release/bench/tarnwick_batch_bench [ROWS] [RUNS]
#include "engine/engine.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// value,from,to,density,density_unit with listed names and realistic values.
void writeRows(const std::string& path, long rows) {
    struct DensityRange {
        const char* unit;
        double low, high;
    };
    const DensityRange densities[] = {
        {"lb/ft^3", 30, 70},  {"g/cm^3", 0.6, 1.2}, {"kg/m^3", 600, 1200},
        {"deg API", 10, 60},  {"lb/US gal", 5, 10}, {"SG (rel. Water)", 0.6, 1.2},
        {"deg Baume", 0, 60},
    };
    std::vector<std::string_view> units;
    for (auto unit : tarnwick::viscosityUnits)
        if (!unit.empty())
            units.push_back(unit);
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> unit01(0, 1);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (long i = 0; i < rows; ++i) {
        const auto& d = densities[random() % std::size(densities)];
        const double value = std::pow(10.0, unit01(random) * 6 - 2); // 0.01 to 10000
        std::fprintf(file, "%.6g,%s,%s,%.4g,%s\n", value, units[random() % units.size()].data(),
                     units[random() % units.size()].data(),
                     d.low + (d.high - d.low) * unit01(random), d.unit);
    }
    std::fclose(file);
}

struct Measurement {
    double seconds;
    long peakKib;
};

Measurement run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const auto& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::perror(argv[0]);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto stop = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s failed\n", argv[0]);
        std::exit(2);
    }
    return {std::chrono::duration<double>(stop - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double fastest(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char* argv[]) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    const std::string here = [&] {
        std::string self = argv[0];
        return self.substr(0, self.rfind('/') + 1);
    }();
    const std::string converter = here + "../cli/tarnwick-convert";
    const std::string floor = here + "tarnwick_batch_floor";
    const char* tmp = std::getenv("TMPDIR");
    const std::string small = std::string(tmp ? tmp : "/tmp") + "/tarnwick-bench-rows.csv";
    const std::string large = std::string(tmp ? tmp : "/tmp") + "/tarnwick-bench-rows-4x.csv";
    writeRows(small, rows);
    writeRows(large, 4 * rows);

    std::vector<double> floorTimes, converterTimes;
    long floorPeak = 0, converterPeak = 0;
    run({converter, "--batch", small}); // warm the page cache
    for (int i = 0; i < runs; ++i) {
        const Measurement f = run({floor, small});
        const Measurement c = run({converter, "--batch", small});
        floorTimes.push_back(f.seconds);
        converterTimes.push_back(c.seconds);
        floorPeak = std::max(floorPeak, f.peakKib);
        converterPeak = std::max(converterPeak, c.peakKib);
    }
    const Measurement largeRun = run({converter, "--batch", large});
    // The machine may be shared: the fastest run of each is the one least
    // disturbed, the median the typical one.
    const double f = median(floorTimes);
    const double c = median(converterTimes);
    const double fMin = fastest(floorTimes);
    const double cMin = fastest(converterTimes);
    std::printf("rows: %ld, runs: %d, alternating\n", rows, runs);
    std::printf("floor:     median %.3f s, fastest %.3f s, peak %ld KiB\n", f, fMin, floorPeak);
    std::printf("converter: median %.3f s, fastest %.3f s, peak %ld KiB\n", c, cMin, converterPeak);
    std::printf("ratio converter/floor: median %.2f, fastest %.2f\n", c / f, cMin / fMin);
    std::printf("converter on %ld rows: %.3f s, peak %ld KiB\n", 4 * rows, largeRun.seconds,
                largeRun.peakKib);
    if (!std::getenv("TARNWICK_BENCH_KEEP"))
        std::remove(small.c_str());
    std::remove(large.c_str());
    return 0;
}
