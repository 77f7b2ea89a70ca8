#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "app/program.h"
#include "bench_catalogue.h"
#include "catalogue/catalogue.h"
#include "catalogue/picture_cache.h"
#include "figure/generator.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"

namespace {

using bench_support::catalogue;

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void decode_three() {
    for (const std::vector<QString>& kind : catalogue().parts()) {
        QImage image = QImageReader(kind.front()).read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// One new figure (mode 0) against the bare decoding of the three pictures it showed, in the same
// run. "first": the picture cache is emptied before each figure, so every picture is decoded as
// on its first showing; "repeated": every picture of the catalogue has been shown before. The
// time reported is the generator's; "ratio" is generator over decoding.
void generate_against_decoding(benchmark::State& state, bool first_showing) {
    catalogue();
    const std::unique_ptr<Vrendis2001> opened = app::open_main_window();
    Vrendis2001& window = *opened;
    for (const std::vector<QString>& kind : catalogue().parts())
        for (const QString& file : kind) catalogue::load_part(file);
    double generating = 0;
    double decoding = 0;
    for (auto _ : state) {
        if (first_showing) {
            state.PauseTiming();
            catalogue::picture_cache().clear();
            state.ResumeTiming();
        }
        auto start = std::chrono::steady_clock::now();
        functions::generate_figure(window, functions::NEW_FIGURE);
        const double generate_time = seconds_since(start);
        // The very files the generator just showed.
        const QString parts[] = {window.image_head->picture_path(),
                                 window.image_chest->picture_path(),
                                 window.image_legs->picture_path()};
        start = std::chrono::steady_clock::now();
        for (const QString& part : parts) {
            QImage image = QImageReader(part).read();
            benchmark::DoNotOptimize(image.constBits());
        }
        decoding += seconds_since(start);
        generating += generate_time;
        state.SetIterationTime(generate_time);
    }
    state.counters["ratio"] = decoding > 0 ? generating / decoding : 0;
}
void BM_GenerateFigure(benchmark::State& state, bool first_showing) {
    generate_against_decoding(state, first_showing);
}
BENCHMARK_CAPTURE(BM_GenerateFigure, first, true)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GenerateFigure, repeated, false)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_DecodeThreeParts(benchmark::State& state) {
    catalogue();
    for (auto _ : state) decode_three();
}
BENCHMARK(BM_DecodeThreeParts)->Unit(benchmark::kMicrosecond);

// Building the main window and showing it until its first figure is painted.
void BM_ConstructAndShowMainWindow(benchmark::State& state) {
    catalogue();
    for (auto _ : state) {
        auto window = app::open_main_window();
        window->show();
        window->repaint();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructAndShowMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
