// SPDX-License-Identifier: MIT
// Times bringing up the main window offscreen, beside an empty QWidget of the
// same size shown in the same run, so the program's own share shows. Run from
// a release build: build/release/bench/tarnwick_window_bench
#include "ui/appearance.h"
#include "ui/visconvertform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

template <typename MakeWindow>
void showAndDestroy(MakeWindow makeWindow) {
    auto window = makeWindow();
    window->show();
    QCoreApplication::processEvents(); // let it be laid out and painted
    benchmark::DoNotOptimize(window.get());
}

void BM_EmptyWidget(benchmark::State& state) {
    for (auto _ : state)
        showAndDestroy([] {
            auto widget = std::make_unique<QWidget>();
            widget->setFixedSize(368, 252);
            return widget;
        });
}
BENCHMARK(BM_EmptyWidget)->Unit(benchmark::kMicrosecond);

void BM_MainWindow(benchmark::State& state) {
    for (auto _ : state)
        showAndDestroy([] { return std::make_unique<tarnwick::ui::VisConvertForm>(); });
}
BENCHMARK(BM_MainWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // One-off costs of a start-up, for comparison: the toolkit's own, the
    // program's set-up (bundled fonts, icon), and the first window, which
    // also decodes the pictures and renders the first glyphs.
    auto milliseconds = [](const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; };
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    std::printf("QApplication: %.2f ms\n", milliseconds(timer));
    timer.restart();
    tarnwick::ui::initialiseApplication();
    std::printf("initialiseApplication: %.2f ms\n", milliseconds(timer));
    timer.restart();
    showAndDestroy([] { return std::make_unique<tarnwick::ui::VisConvertForm>(); });
    std::printf("first main window: %.2f ms\n", milliseconds(timer));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
