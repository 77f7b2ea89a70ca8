// A person's 4000 x 3000 JPEG photo made into a part by the real program,
// `vrendomaten --import photo.jpg --as ben --dir <a writable copy of the catalogue>`, against
// ImageMagick's `convert photo.jpg -resize 285x195 out.jpg` of the same file: both whole
// processes, launched by turns in each round, the order swapped from round to round. The
// figures are the median of the per-round ratios (import over convert) with its interquartile
// range, the medians of both times, and the import's peak resident size as the kernel counts it
// (ru_maxrss). VRENDIS_BENCH_ROUNDS sets the number of rounds (15). Skipped when convert is not
// installed.
//
// Each process is started and timed by a launcher, this program run afresh with "--launch": the
// kernel counts into a process's peak the memory of the one that forked it, which for the
// launcher is a few pages and for this program, with Qt and the photo, tens of megabytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

// The photo, written once for the program run: smooth light across the frame with a little
// grain, so that it compresses as a camera's picture does and its corners differ.
bool write_photo(const QString& path) {
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
    QImageWriter writer(path, "jpeg");
    writer.setQuality(90);
    return writer.write(photo);
}

// A copy of the built program directory, whose catalogue the imports add to.
bool copy_program(const QString& from, const QString& to) {
    const QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() ? !copy_program(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

struct Ran {
    double seconds = 0;
    long peak_kb = 0;
};

// The launcher: runs the command to its end, its output thrown away, and writes its exit status,
// wall time and peak resident size.
int launch(char** command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        execv(command[0], command);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return 1;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d %.9f %ld\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128, seconds,
                usage.ru_maxrss);
    return 0;
}

// The command run through the launcher, or nothing when it failed.
std::optional<Ran> run(const QStringList& command) {
    QProcess launcher;
    launcher.start(QCoreApplication::applicationFilePath(), QStringList{"--launch"} + command);
    if (!launcher.waitForFinished(120'000))
        return std::nullopt;
    const QStringList figures = QString::fromLatin1(launcher.readAllStandardOutput()).split(' ');
    if (figures.size() != 3 || figures[0] != QLatin1String("0"))
        return std::nullopt;
    return Ran{figures[1].toDouble(), figures[2].trimmed().toLong()};
}

int rounds() {
    const int asked = qEnvironmentVariableIntValue("VRENDIS_BENCH_ROUNDS");
    return asked > 0 ? asked : 15;
}

double median(std::vector<double> values, double quantile = 0.5) {
    std::sort(values.begin(), values.end());
    const double place = quantile * double(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(place);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (place - double(below)) * (values[above] - values[below]);
}

void BM_ImportPhoto(benchmark::State& state) {
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert"));
    if (convert.isEmpty()) {
        state.SkipWithError("convert is not installed");
        return;
    }
    const QTemporaryDir scratch;
    const QString photo = scratch.filePath(QStringLiteral("photo.jpg"));
    const QString program = scratch.filePath(QStringLiteral("program"));
    if (!write_photo(photo) || !copy_program(QStringLiteral(VRENDIS_PROGRAM_DIR), program)) {
        state.SkipWithError("cannot write the photo or copy the program");
        return;
    }
    const QStringList import = {QDir(program).filePath(QStringLiteral("vrendomaten")),
                                "--import",
                                photo,
                                "--as",
                                "ben",
                                "--dir",
                                program};
    const QStringList resize = {convert, photo, "-resize", "285x195", scratch.filePath("out.jpg")};
    for (auto _ : state) {
        std::vector<double> ratio, import_ms, convert_ms, peak_mb;
        for (int round = 0; round < rounds(); ++round) {
            std::optional<Ran> ours, theirs;
            if (round % 2 == 0) {
                ours = run(import);
                theirs = run(resize);
            } else {
                theirs = run(resize);
                ours = run(import);
            }
            if (!ours || !theirs) {
                state.SkipWithError("an import or a convert failed");
                return;
            }
            ratio.push_back(ours->seconds / theirs->seconds);
            import_ms.push_back(ours->seconds * 1000);
            convert_ms.push_back(theirs->seconds * 1000);
            peak_mb.push_back(ours->peak_kb / 1024.0);
        }
        state.SetIterationTime(median(import_ms) / 1000);
        state.counters["rounds"] = rounds();
        state.counters["ratio"] = median(ratio);
        state.counters["ratio_iqr"] = median(ratio, 0.75) - median(ratio, 0.25);
        state.counters["import_ms"] = median(import_ms);
        state.counters["convert_ms"] = median(convert_ms);
        state.counters["peak_MB"] = *std::max_element(peak_mb.begin(), peak_mb.end());
    }
}
BENCHMARK(BM_ImportPhoto)
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--launch") == 0)
        return launch(argv + 2);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
