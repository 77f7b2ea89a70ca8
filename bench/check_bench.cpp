// "vrendomaten --check" on the largest catalogue there can be: 32,767 pictures of each kind.
// The pictures are header-only JPEGs (everything up to the scan), which is all a check by
// header reads; the figure to read is the median wall time.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include "catalogue/check.h"
#include "platform/paths.h"

namespace {

constexpr int count = 32767;

// A JPEG of the size, cut after its scan header.
QByteArray header_only(int height) {
    QImage image(285, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    const QByteArray bytes = buffer.data();
    const qsizetype scan = bytes.indexOf("\xFF\xDA");
    const int length = (static_cast<unsigned char>(bytes[scan + 2]) << 8) |
                       static_cast<unsigned char>(bytes[scan + 3]);
    return bytes.left(scan + 2 + length);
}

// The catalogue, written once for the program run.
const QTemporaryDir& largest_catalogue() {
    static QTemporaryDir directory;
    static const bool written = [] {
        QFile profile(directory.filePath("vrendisar.ini"));
        if (!profile.open(QIODevice::WriteOnly))
            return false;
        profile.write(QStringLiteral("[Vrendomaten]\r\nAntal_Huvuden=%1\r\nAntal_Broest=%1\r\n"
                                     "Antal_Ben=%1\r\nHuvuden=\\huvuden\\\r\nBroest=\\broest\\\r\n"
                                     "Ben=\\ben\\\r\nAntal_vrendisar=%1\r\n")
                          .arg(count)
                          .toUtf8());
        const std::pair<const char*, int> kinds[] = {
            {"huvuden/h", 87}, {"broest/c", 123}, {"ben/l", 195}};
        for (const auto& [name, height] : kinds) {
            const QByteArray bytes = header_only(height);
            QDir().mkpath(QFileInfo(directory.filePath(name)).path());
            for (int n = 1; n <= count; ++n) {
                QFile picture(directory.filePath(name + QString::number(n) + ".jpg"));
                if (!picture.open(QIODevice::WriteOnly) || picture.write(bytes) != bytes.size())
                    return false;
            }
        }
        return true;
    }();
    // A catalogue that could not be written shows as problems of the check.
    (void)written;
    return directory;
}

void BM_CheckLargestCatalogueByHeader(benchmark::State& state) {
    platform::set_program_directory(largest_catalogue().path());
    for (auto _ : state) {
        const catalogue::Findings findings = catalogue::check_catalogue(false);
        if (!findings.problems.empty() || findings.pictures_checked != 3 * count) {
            state.SkipWithError(findings.problems.empty()
                                    ? "not every picture was checked"
                                    : findings.problems.front().toStdString().c_str());
            break;
        }
    }
    platform::set_program_directory(QString());
    state.counters["pictures"] = 3 * count;
}
BENCHMARK(BM_CheckLargestCatalogueByHeader)
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The check every start makes (profile and folders, no picture), on the demo catalogue: its
// share of the start-up time.
void BM_StartUpCheckOfTheDemoCatalogue(benchmark::State& state) {
    platform::set_program_directory(QStringLiteral(VRENDIS_PROGRAM_DIR));
    for (auto _ : state) benchmark::DoNotOptimize(catalogue::unusable_reasons());
    platform::set_program_directory(QString());
}
BENCHMARK(BM_StartUpCheckOfTheDemoCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace
