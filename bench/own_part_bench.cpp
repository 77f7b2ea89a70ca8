// A person's 4000 x 3000 JPEG photo made into a part: read, cut out, fitted to the legs and
// encoded, in this process. "convert_ms" is ImageMagick's `convert photo.jpg -resize 285x195
// out.jpg` of the same file, a whole process, and "ratio" the fitting over it; both are
// missing when convert is not installed.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdint>

#include "catalogue/own_part.h"

namespace {

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The photo, written once for the program run: smooth light across the frame with a little
// grain, so that it compresses as a camera's picture does and its corners differ.
const QTemporaryDir& photo_directory() {
    static QTemporaryDir directory;
    static const bool written = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        std::uint32_t seed = 12345;
        for (int y = 0; y < photo.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                const int grain = static_cast<int>(seed >> 28) - 8;
                line[x] = qRgb(std::clamp(40 + x / 20 + grain, 0, 255),
                               std::clamp(60 + y / 15 + grain, 0, 255),
                               std::clamp(200 - x / 40 - y / 30 + grain, 0, 255));
            }
        }
        QImageWriter writer(directory.filePath("photo.jpg"), "jpeg");
        writer.setQuality(90);
        return writer.write(photo);
    }();
    (void)written;
    return directory;
}

void BM_OwnPartFromPhoto(benchmark::State& state) {
    const QTemporaryDir& directory = photo_directory();
    const QString photo = directory.filePath("photo.jpg");
    double fitting = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const catalogue::Cutout cutout = catalogue::cut_out(photo);
        if (cutout.image.isNull()) {
            state.SkipWithError(cutout.problem.toStdString().c_str());
            return;
        }
        const QByteArray part =
            catalogue::part_jpeg(catalogue::fit(cutout.image, catalogue::Part::legs));
        benchmark::DoNotOptimize(part.data());
        fitting += seconds_since(start);
    }
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty())
        return;
    const auto start = std::chrono::steady_clock::now();
    const int status =
        QProcess::execute(convert, {photo, QStringLiteral("-resize"), QStringLiteral("285x195"),
                                    directory.filePath("convert.jpg")});
    const double converting = seconds_since(start);
    if (status != 0)
        return;
    state.counters["convert_ms"] = converting * 1000;
    state.counters["ratio"] = fitting / static_cast<double>(state.iterations()) / converting;
}
BENCHMARK(BM_OwnPartFromPhoto)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
