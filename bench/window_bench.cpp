#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <chrono>
#include <memory>

#include "app/program.h"
#include "bench_catalogue.h"
#include "catalogue/catalogue.h"
#include "catalogue/decode.h"
#include "catalogue/picture_cache.h"
#include "figure/generator.h"
#include "layouts/event_hook.h"
#include "layouts/vrendis2001.h"

namespace {

using bench_support::catalogue;

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The bare work of getting a picture's pixels: reading its file and decoding it with the
// program's own decoder, without the cache, the generator or painting.
void decode_bare(const QString& path) {
    QImage image = catalogue::decode_picture(path);
    benchmark::DoNotOptimize(image.constBits());
}

// Counts the paints of a control.
struct PaintCount {
    explicit PaintCount(QObject* watched)
        : hook(new layouts::EventHook(watched, [this](QEvent* event) {
              if (event->type() == QEvent::Paint)
                  ++paints;
          })) {}
    ~PaintCount() { hook->remove(); }
    layouts::EventHook* hook;
    long paints = 0;
};

// One new figure (mode 0) until it is painted, against the bare decoding of the three pictures
// it showed, in the same run. "first": the picture cache is emptied before each figure, so
// every picture is decoded as on its first showing; "repeated": every picture of the catalogue
// has been shown before. The time reported is the figure's, painting included; "ratio" is that
// over the decoding.
void generate_against_decoding(benchmark::State& state, bool first_showing) {
    catalogue();
    const std::unique_ptr<Vrendis2001> opened = app::open_main_window();
    Vrendis2001& window = *opened;
    window.show();
    QCoreApplication::processEvents();
    for (const std::vector<QString>& kind : catalogue().parts())
        for (const QString& file : kind) catalogue::load_part(file);
    PaintCount painted(window.image_legs);
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
        // The update requests the figure posted: its pictures, ID and status text painted.
        QCoreApplication::processEvents();
        const double generate_time = seconds_since(start);
        // The very files the generator just showed.
        const QString parts[] = {window.image_head->picture_path(),
                                 window.image_chest->picture_path(),
                                 window.image_legs->picture_path()};
        start = std::chrono::steady_clock::now();
        for (const QString& part : parts) decode_bare(part);
        decoding += seconds_since(start);
        generating += generate_time;
        state.SetIterationTime(generate_time);
    }
    if (painted.paints < static_cast<long>(state.iterations()))
        state.SkipWithError("a figure was not painted");
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
    for (auto _ : state) {
        for (const std::vector<QString>& kind : catalogue().parts()) decode_bare(kind.front());
    }
}
BENCHMARK(BM_DecodeThreeParts)->Unit(benchmark::kMicrosecond);

// Building the main window and showing it until its first figure is painted, its pictures
// decoded afresh as at a start.
void BM_ConstructAndShowMainWindow(benchmark::State& state) {
    catalogue();
    bool figures = true;
    for (auto _ : state) {
        state.PauseTiming();
        catalogue::picture_cache().clear();
        state.ResumeTiming();
        auto window = app::open_main_window();
        window->show();
        window->repaint();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        figures = figures && window->image_head->has_picture();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    if (!figures)
        state.SkipWithError("the window showed the splash, not a figure");
}
BENCHMARK(BM_ConstructAndShowMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace
