#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <chrono>
#include <memory>

#include "figure/generator.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"

namespace {

// The catalogue: the built program's demo catalogue when it has one, otherwise one picture of
// each part at the layout's sizes in a temporary program directory.
class Catalogue {
public:
    Catalogue() {
        if (QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/vrendisar.ini")) &&
            QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/data/huvuden/h1.jpg"))) {
            directory_ = QStringLiteral(VRENDIS_PROGRAM_DIR);
        } else {
            directory_ = temporary_.path();
            write_part("huvuden/h1.jpg", 87);
            write_part("broest/c1.jpg", 123);
            write_part("ben/l1.jpg", 195);
            QFile profile(directory_ + "/vrendisar.ini");
            if (profile.open(QIODevice::WriteOnly)) {
                profile.write(
                    "[Vrendomaten]\r\nAntal_Huvuden=1\r\nAntal_Broest=1\r\nAntal_Ben=1\r\n"
                    "Huvuden=\\data\\huvuden\\\r\nBroest=\\data\\broest\\\r\n"
                    "Ben=\\data\\ben\\\r\nAntal_vrendisar=1\r\nVisa_splash=0\r\n");
            }
        }
        platform::set_program_directory(directory_);
    }

    // The three pictures the baseline decodes.
    QString part(const char* name) const { return directory_ + "/data/" + name; }

private:
    void write_part(const QString& name, int height) {
        QDir().mkpath(QFileInfo(directory_ + "/data/" + name).absolutePath());
        QImage image(285, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < 285; ++x) image.setPixel(x, y, qRgb(x % 256, (x * y) % 256, y));
        }
        image.save(directory_ + "/data/" + name, "JPG");
    }

    QTemporaryDir temporary_;
    QString directory_;
};

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void decode_three() {
    for (const char* name : {"huvuden/h1.jpg", "broest/c1.jpg", "ben/l1.jpg"}) {
        QImage image = QImageReader(catalogue().part(name)).read();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// One new figure against the bare decoding of the three pictures it showed, in the same run. The
// time reported is the generator's; "ratio" is generator over decoding.
void BM_GenerateFigureAgainstDecoding(benchmark::State& state) {
    catalogue();
    Vrendis2001 window;
    double generating = 0;
    double decoding = 0;
    for (auto _ : state) {
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
BENCHMARK(BM_GenerateFigureAgainstDecoding)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_DecodeThreeParts(benchmark::State& state) {
    catalogue();
    for (auto _ : state) decode_three();
}
BENCHMARK(BM_DecodeThreeParts)->Unit(benchmark::kMicrosecond);

// Building the main window and showing it until its first figure is painted.
void BM_ConstructAndShowMainWindow(benchmark::State& state) {
    catalogue();
    for (auto _ : state) {
        auto window = std::make_unique<Vrendis2001>();
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

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
