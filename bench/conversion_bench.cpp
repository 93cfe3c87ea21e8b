// SPDX-License-Identifier: MIT
// Times the conversion engine and the calculate command. Run from a release build:
//   cmake --preset release && cmake --build --preset release
//   build/release/bench/tarnwick_bench
#include "engine/engine.h"
#include "presenter/convmodule.h"

#include <QLocale>
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

namespace {

// The main window's five inputs and its result box, without widgets.
class BenchView : public tarnwick::ConvView {
public:
    QString text(tarnwick::Control control) const override {
        return m_texts[static_cast<int>(control)];
    }
    void setText(tarnwick::Control control, const QString& text) override {
        m_texts[static_cast<int>(control)] = text;
    }
    void setFocus(tarnwick::Control) override {}
    void showError(const QString&) override {}

private:
    QString m_texts[6] = {"1", "50.0", "cP", "lb/ft^3", "cSt", ""};
};

// The whole "Calculate" path: validation, reading, conversion and formatting.
void BM_Calculate(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    BenchView view;
    tarnwick::ConvModule module(view);
    for (auto _ : state) {
        module.calculate();
        benchmark::DoNotOptimize(view.text(tarnwick::Control::txtResult));
    }
}
BENCHMARK(BM_Calculate);

} // namespace
