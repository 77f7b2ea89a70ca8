#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

#include "app/program.h"
#include "bench_catalogue.h"
#include "catalogue/decode.h"
#include "catalogue/picture_cache.h"
#include "layouts/event_hook.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "resident.h"

namespace {

using bench_support::resident_kb;

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
            QImage image = catalogue::decode_picture(file);
            benchmark::DoNotOptimize(image.constBits());
        }
        ++figures;
    }
    return {figures / (clock.nsecsElapsed() / 1e9), figures / (cpu_seconds() - cpu_start)};
}

// A shown main window whose slideshow is set to 1 ms, counting its ticks and the figures that
// reached the screen: a tick whose figure the next one replaces before it is painted shows
// nothing.
class RunningWindow {
public:
    RunningWindow() {
        window.show();
        window.Text1->setText(QStringLiteral("1"));
        QObject::connect(window.Slideshow_Clock, &layouts::Timer::tick, &window,
                         [this] { ++ticks; });
    }
    void start() { window.mnustartslideshow->trigger(); }
    void stop() { window.mnustartslideshow->trigger(); }

    const std::unique_ptr<Vrendis2001> opened = app::open_main_window();
    Vrendis2001& window = *opened;
    long ticks = 0;
    long figures = 0;  // painted, each with another ID than the one painted before

private:
    QString painted_id_;
    layouts::EventHook painted_{window.image_legs, [this](QEvent* event) {
                                    if (event->type() != QEvent::Paint)
                                        return;
                                    const QString id = window.Text2->text() + window.Text3->text() +
                                                       window.Text4->text();
                                    if (id != painted_id_)
                                        ++figures;
                                    painted_id_ = id;
                                }};
};

// Ticks a second of an empty 1 ms timer, the rate no 1 ms slideshow can pass.
double empty_timer_rate(double seconds) {
    QTimer timer;
    timer.setInterval(1);
    long ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    timer.start();
    loop.exec();
    return ticks / (clock.nsecsElapsed() / 1e9);
}

// The slideshow at 1 ms for five seconds of the event loop, painting included, against an empty
// 1 ms timer and the bare decoding of the same pictures, in the same run. "ratio" is figures
// painted over the empty timer's ticks: 1 when the figures cost nothing the timer would notice.
void BM_SlideshowAgainstTimer(benchmark::State& state) {
    catalogue();
    for (auto _ : state) {
        RunningWindow running;
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        const long decoded_before = catalogue::picture_cache().decodes();
        running.start();
        loop.exec();
        running.stop();
        const double seconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        const double timer = empty_timer_rate(2.0);
        const Rate decoding = decoding_rate(2.0);
        state.counters["figures_per_s"] = running.figures / seconds;
        state.counters["ticks_per_s"] = running.ticks / seconds;
        state.counters["timer_per_s"] = timer;
        state.counters["decoded_per_s"] = decoding.per_second;
        state.counters["ratio"] = running.figures / seconds / timer;
        // At most one decoding per picture of the catalogue, however many figures were shown.
        state.counters["decodes"] =
            static_cast<double>(catalogue::picture_cache().decodes() - decoded_before);
    }
}
BENCHMARK(BM_SlideshowAgainstTimer)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

// Clicks on the head lock's label during a 1 ms slideshow, each posted to the event queue as
// input arrives, timed until the lock mark is painted. 200 locking clicks, each followed by an
// untimed unlocking one; the figures are the 50th and 99th percentiles in milliseconds.
void BM_HeadLockDuringSlideshow(benchmark::State& state) {
    catalogue();
    for (auto _ : state) {
        RunningWindow running;
        layouts::Image* mark = running.window.bock1;
        QElapsedTimer clock;
        std::vector<double> latencies;
        QEventLoop loop;
        bool timing = false;
        layouts::EventHook painted(mark, [&](QEvent* event) {
            if (event->type() != QEvent::Paint || !timing)
                return;
            timing = false;
            latencies.push_back(clock.nsecsElapsed() / 1e6);
            loop.quit();
        });
        const auto click = [&running] {
            layouts::Label* label = running.window.Label4;
            const QPointF inside(label->width() / 2.0, label->height() / 2.0);
            const QPointF global = label->mapToGlobal(inside);
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QCoreApplication::postEvent(
                    label, new QMouseEvent(
                               type, inside, inside, global, Qt::LeftButton,
                               type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                               Qt::NoModifier));
            }
        };
        std::mt19937 engine(7);
        running.start();
        while (latencies.size() < 200) {
            // At a random moment of the slideshow.
            QEventLoop wait;
            QTimer::singleShot(std::uniform_int_distribution<int>(5, 25)(engine), &wait,
                               &QEventLoop::quit);
            wait.exec();
            timing = true;
            clock.start();
            click();
            QTimer deadline;  // this click's own, so no earlier one can end its wait
            deadline.setSingleShot(true);
            QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
            deadline.start(1000);
            loop.exec();
            if (timing) {
                state.SkipWithError("the lock mark was not painted within a second");
                break;
            }
            click();  // unlocks again, untimed
        }
        running.stop();
        if (latencies.size() < 200)
            break;
        std::sort(latencies.begin(), latencies.end());
        state.SetIterationTime(latencies[latencies.size() / 2] / 1000);
        state.counters["p50_ms"] = latencies[latencies.size() / 2];
        state.counters["p99_ms"] = latencies[latencies.size() * 99 / 100 - 1];
        state.counters["max_ms"] = latencies.back();
        state.counters["figures"] = static_cast<double>(running.figures);
    }
}
BENCHMARK(BM_HeadLockDuringSlideshow)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The resident size after 10,000 figures of the slideshow and after more: 20,000 by default,
// as many as VRENDIS_SOAK_FIGURES asks for (scripts/soak: 1,000,000). The ticks are driven one
// after another without waiting out the interval, each followed by the event loop's work
// (painting included), so that a million figures take minutes, not a quarter of an hour.
void BM_SlideshowResidentSize(benchmark::State& state) {
    catalogue();
    const long total = std::max(20'000L, qEnvironmentVariableIntValue("VRENDIS_SOAK_FIGURES") * 1L);
    for (auto _ : state) {
        RunningWindow running;
        running.window.Text1->setText(QStringLiteral("60000"));
        running.start();
        long after_10000 = 0;
        while (running.ticks < total) {
            emit running.window.Slideshow_Clock->tick();
            QCoreApplication::processEvents();
            if (running.ticks == 10'000)
                after_10000 = resident_kb();
        }
        QCoreApplication::processEvents();
        const long after_all = resident_kb();
        running.stop();
        state.counters["figures"] = static_cast<double>(total);
        state.counters["painted"] = static_cast<double>(running.figures);
        state.counters["rss_10000_MB"] = after_10000 / 1024.0;
        state.counters["rss_end_MB"] = after_all / 1024.0;
        state.counters["growth_MB"] = (after_all - after_10000) / 1024.0;
    }
}
BENCHMARK(BM_SlideshowResidentSize)->Iterations(1)->Repetitions(1)->Unit(benchmark::kSecond);

}  // namespace
