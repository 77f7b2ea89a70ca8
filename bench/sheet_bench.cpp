#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <chrono>
#include <vector>

#include "bench_catalogue.h"
#include "catalogue/catalogue.h"
#include "catalogue/picture_cache.h"
#include "catalogue/sheet.h"

namespace {

using catalogue::Part;

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// 500 bookmarks over 1,500 distinct pictures: copies of the benchmark catalogue's pictures as
// parts 1 to 500 of each kind, so that no two bookmarks share a file, and the IDs h1c1l1 to
// h500c500l500.
class SheetCatalogue {
public:
    static constexpr int bookmarks = 500;

    SheetCatalogue() {
        const auto& sources = bench_support::catalogue().parts();
        for (Part part : catalogue::parts) {
            const std::size_t kind = catalogue::index(part);
            const QString directory = directory_.filePath(catalogue::letter(part)) + '/';
            QDir().mkpath(directory);
            read_.directory[kind] = directory;
            read_.count[kind] = QString::number(bookmarks);
            for (int n = 1; n <= bookmarks; ++n) {
                const QString file = read_.picture_path(part, std::int16_t(n));
                QFile::copy(sources[kind][std::size_t(n - 1) % sources[kind].size()], file);
                files_.push_back(file);
            }
        }
        for (int n = 1; n <= bookmarks; ++n) ids_.push_back(QStringLiteral("h%1c%1l%1").arg(n));
    }

    const catalogue::Catalogue& read() const { return read_; }
    const std::vector<QString>& ids() const { return ids_; }
    const std::vector<QString>& files() const { return files_; }

private:
    QTemporaryDir directory_;
    catalogue::Catalogue read_;
    std::vector<QString> ids_;
    std::vector<QString> files_;
};

// One contact sheet of 500 bookmarks, every picture decoded anew (the picture cache emptied
// first), against decoding the same 1,500 pictures once, measured alternately in the same run.
// The time reported is the sheet's; "ratio" is sheet over decoding. "encode_ms" is writing the
// sheet as PNG, which is not part of either.
void BM_ContactSheet(benchmark::State& state) {
    const SheetCatalogue sheet_catalogue;
    double composing = 0;
    double decoding = 0;
    double encoding = 0;
    for (auto _ : state) {
        state.PauseTiming();
        catalogue::picture_cache().clear();
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        const catalogue::Sheet sheet =
            catalogue::compose_sheet(sheet_catalogue.read(), sheet_catalogue.ids(), 6);
        const double compose_time = seconds_since(start);
        benchmark::DoNotOptimize(sheet.picture.constBits());

        start = std::chrono::steady_clock::now();
        for (const QString& file : sheet_catalogue.files()) {
            QImage image = QImageReader(file).read();
            benchmark::DoNotOptimize(image.constBits());
        }
        decoding += seconds_since(start);

        start = std::chrono::steady_clock::now();
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QImageWriter(&png, "png").write(sheet.picture);
        encoding += seconds_since(start);

        composing += compose_time;
        state.SetIterationTime(compose_time);
    }
    state.counters["ratio"] = decoding > 0 ? composing / decoding : 0;
    state.counters["decode_ms"] = 1e3 * decoding / double(state.iterations());
    state.counters["encode_ms"] = 1e3 * encoding / double(state.iterations());
}
BENCHMARK(BM_ContactSheet)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
