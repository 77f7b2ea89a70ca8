#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <random>

#include "app/program.h"
#include "bench_catalogue.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"

namespace {

using bench_support::catalogue;

// CPU seconds of this thread: the machine may be busy with other work, and both sides of the
// ratio run on this one thread.
double cpu_seconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Rate {
    double per_second;      // wall clock
    double per_cpu_second;  // this thread's CPU time
};

// Figures a second of the bare decoding of three random parts of the catalogue.
Rate decoding_rate(double seconds) {
    std::mt19937 engine(1);
    QElapsedTimer clock;
    clock.start();
    const double cpu_start = cpu_seconds();
    long figures = 0;
    while (clock.nsecsElapsed() < static_cast<qint64>(seconds * 1e9)) {
        for (const std::vector<QString>& kind : catalogue().parts()) {
            const QString& file =
                kind[std::uniform_int_distribution<std::size_t>(0, kind.size() - 1)(engine)];
            QImage image = QImageReader(file).read();
            benchmark::DoNotOptimize(image.constBits());
        }
        ++figures;
    }
    return {figures / (clock.nsecsElapsed() / 1e9), figures / (cpu_seconds() - cpu_start)};
}

// A shown main window whose slideshow is set to 1 ms, counting its figures.
class RunningWindow {
public:
    RunningWindow() {
        window.show();
        window.Text1->setText(QStringLiteral("1"));
        QObject::connect(window.Slideshow_Clock, &layouts::Timer::tick, &window,
                         [this] { ++figures; });
    }
    void start() { window.mnustartslideshow->trigger(); }
    void stop() { window.mnustartslideshow->trigger(); }

    const std::unique_ptr<Vrendis2001> opened = app::open_main_window();
    Vrendis2001& window = *opened;
    long figures = 0;
};

// The slideshow at 1 ms for five seconds of the event loop, painting included, against the
// bare decoding of the same pictures in the same run. "ratio" is slideshow over decoding, by the
// wall clock; "cpu_ratio" the same by this thread's CPU time, which other work on the machine
// does not skew.
void BM_SlideshowAgainstDecoding(benchmark::State& state) {
    catalogue();
    for (auto _ : state) {
        RunningWindow running;
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        const double cpu_start = cpu_seconds();
        running.start();
        loop.exec();
        running.stop();
        const double seconds = clock.nsecsElapsed() / 1e9;
        const double cpu = cpu_seconds() - cpu_start;
        state.SetIterationTime(seconds);
        const Rate slideshow{running.figures / seconds, running.figures / cpu};
        const Rate decoding = decoding_rate(2.0);
        state.counters["figures_per_s"] = slideshow.per_second;
        state.counters["decoded_per_s"] = decoding.per_second;
        state.counters["ratio"] = slideshow.per_second / decoding.per_second;
        state.counters["cpu_ratio"] = slideshow.per_cpu_second / decoding.per_cpu_second;
        // A 1 ms interval itself allows no more than 1000 figures a second; on a fast machine
        // that, not the decoding, is the bound.
        const double bound = std::min(decoding.per_second, 1000.0);
        state.counters["ratio_to_bound"] = slideshow.per_second / bound;
    }
}
BENCHMARK(BM_SlideshowAgainstDecoding)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Resident size in kB, as the kernel counts it.
long resident_kb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return 0;
}

// The resident size after 100 and after 10,000 figures of a 1 ms slideshow: a leak per figure
// shows as growth.
void BM_SlideshowResidentSize(benchmark::State& state) {
    catalogue();
    for (auto _ : state) {
        RunningWindow running;
        long after_100 = 0;
        long after_10000 = 0;
        QEventLoop loop;
        QObject::connect(running.window.Slideshow_Clock, &layouts::Timer::tick, &loop, [&] {
            if (running.figures == 100)
                after_100 = resident_kb();
            if (running.figures == 10000) {
                after_10000 = resident_kb();
                loop.quit();
            }
        });
        running.start();
        loop.exec();
        running.stop();
        state.counters["rss_100_kB"] = static_cast<double>(after_100);
        state.counters["rss_10000_kB"] = static_cast<double>(after_10000);
        state.counters["growth_kB"] = static_cast<double>(after_10000 - after_100);
    }
}
BENCHMARK(BM_SlideshowResidentSize)->Iterations(1)->Repetitions(1)->Unit(benchmark::kSecond);

}  // namespace
