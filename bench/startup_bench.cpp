// Cold start: from launching the real program to its first figure on screen, against two bare Qt
// programs launched in the same run:
//   bare window  one empty 643 x 580 window;
//   floor        the same window with one line of text and one decoded JPEG, the least any
//                program that shows text and a picture must do.
// The program is the benchmark build's, whose first-paint probe (a build option absent from the
// shipped program) writes one line to standard output at its first figure; the baselines write
// theirs at their first paint. The clock runs from just before the launch until the line arrives.
// The same program is launched once more over a bookmark file of 100,000 bookmarks, and the
// resident size of both is read once each has sat idle after its first figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <optional>

#include "resident.h"

namespace {

using bench_support::resident_kb;

// The baselines, run as children of this very program: the variable names which one.
constexpr const char* baseline_variable = "VRENDIS_BENCH_BASELINE";
constexpr int bookmarks = 100'000;
// How long a started program sits before its resident size is read.
constexpr int idle_ms = 500;

class PaintReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
            });
        }
        return false;
    }
};

// "bare": the empty window. "floor": text and the picture file named by the second argument,
// decoded at start; the line comes when the picture is painted.
int run_baseline(int argc, char** argv) {
    const QByteArray kind = qgetenv(baseline_variable);
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(643, 580);
    PaintReporter reporter;
    QLabel* text = nullptr;
    QLabel* picture = nullptr;
    if (kind == "floor" && argc > 1) {
        text = new QLabel(QStringLiteral("kan generera upp till 13824 vrendisar"), &window);
        text->move(10, 540);
        picture = new QLabel(&window);
        picture->setPixmap(
            QPixmap::fromImage(QImageReader(QString::fromLocal8Bit(argv[1])).read()));
        picture->move(180, 60);
        picture->installEventFilter(&reporter);
    } else {
        window.installEventFilter(&reporter);
    }
    window.show();
    return app.exec();
}

bool copy_tree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    QFile::setPermissions(to + "/vrendomaten", QFile::permissions(from + "/vrendomaten"));
    return true;
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A copy of the built program directory whose profile asks for a figure at start, and one more
// that also holds a bookmark file of 100,000 bookmarks.
struct ProgramCopies {
    QTemporaryDir directory;
    QString plain;
    QString with_bookmarks;
    QString picture;  // the floor's JPEG
};

const ProgramCopies& program_copies() {
    static ProgramCopies copies;
    static const bool ready = [] {
        const QString source = QStringLiteral(VRENDIS_PROGRAM_DIR);
        for (const char* name : {"/plain", "/bookmarks"}) {
            const QString copy = copies.directory.path() + name;
            if (!copy_tree(source, copy))
                return false;
            QFile profile(copy + "/vrendisar.ini");
            if (!profile.open(QIODevice::ReadOnly))
                return false;
            QByteArray text = profile.readAll();
            profile.close();
            text.replace("Visa_splash=1", "Visa_splash=0");
            if (!write_file(copy + "/vrendisar.ini", text))
                return false;
        }
        QByteArray file = "[Bookmarks]\r\nCounter=" + QByteArray::number(bookmarks) + "\r\n";
        for (int i = 1; i <= bookmarks; ++i) {
            file += "bookmark_" + QByteArray::number(i) + "=h" + QByteArray::number(i % 24 + 1) +
                    'c' + QByteArray::number(i % 23 + 1) + 'l' + QByteArray::number(i % 22 + 1) +
                    "\r\n";
        }
        if (!write_file(copies.directory.path() + "/bookmarks/bookmark.dat", file))
            return false;
        copies.plain = copies.directory.path() + "/plain/vrendomaten";
        copies.with_bookmarks = copies.directory.path() + "/bookmarks/vrendomaten";
        copies.picture = copies.directory.path() + "/plain/data/huvuden/h1.jpg";
        return QFile::exists(copies.picture);
    }();
    static const ProgramCopies none;
    return ready ? copies : none;
}

struct Start {
    double seconds = 0;  // launch to the first line
    long rss_kb = 0;     // after sitting idle, when asked for
};

// Launches the program and waits for its first line; nothing when it never came.
std::optional<Start> start(const QString& program, const QStringList& arguments,
                           const char* baseline, bool measure_memory) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (baseline)
        environment.insert(QString::fromLatin1(baseline_variable), QString::fromLatin1(baseline));
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.setWorkingDirectory(QFileInfo(program).path());
    const auto started = std::chrono::steady_clock::now();
    child.start(program, arguments);
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(20000))
            return std::nullopt;
    }
    Start result;
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (measure_memory) {
        QThread::msleep(idle_ms);
        result.rss_kb = resident_kb(child.processId());
    }
    child.kill();
    child.waitForFinished();
    return result;
}

void BM_ColdStartToFirstFigure(benchmark::State& state) {
    const ProgramCopies& copies = program_copies();
    if (copies.plain.isEmpty()) {
        state.SkipWithError("cannot copy the program directory");
        return;
    }
    const QString self = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        const auto bare = start(self, {}, "bare", false);
        const auto floor = start(self, {copies.picture}, "floor", false);
        const auto ours = start(copies.plain, {}, nullptr, true);
        const auto marked = start(copies.with_bookmarks, {}, nullptr, true);
        if (!bare || !floor || !ours || !marked) {
            state.SkipWithError("a child reported no first paint");
            return;
        }
        state.SetIterationTime(ours->seconds);
        state.counters["bare_ms"] = bare->seconds * 1000;
        state.counters["floor_ms"] = floor->seconds * 1000;
        state.counters["ratio_bare"] = ours->seconds / bare->seconds;
        state.counters["ratio_floor"] = ours->seconds / floor->seconds;
        state.counters["bookmarks_ms"] = marked->seconds * 1000;
        state.counters["bookmarks_ratio"] = marked->seconds / ours->seconds;
        state.counters["rss_MB"] = ours->rss_kb / 1024.0;
        state.counters["bookmarks_rss_MB"] = marked->rss_kb / 1024.0;
        state.counters["bookmarks_extra_MB"] = (marked->rss_kb - ours->rss_kb) / 1024.0;
    }
}
// One launch of each per repetition; the medians of ten are the figures to read.
BENCHMARK(BM_ColdStartToFirstFigure)
    ->Iterations(1)
    ->Repetitions(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty(baseline_variable))
        return run_baseline(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
