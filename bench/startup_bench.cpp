// Cold start: from launching the real program to its first figure on screen, against a bare Qt
// program that shows one empty window of the same size. Both report their first paint on
// standard output; the clock runs from just before the launch until that line arrives.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <optional>

namespace {

// The baseline, run as a child of this very program.
constexpr const char* bare_window_variable = "VRENDIS_BENCH_BARE_WINDOW";

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

int run_bare_window(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(643, 580);
    PaintReporter reporter;
    window.installEventFilter(&reporter);
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

// A copy of the built program directory whose profile asks for a figure at start.
const QString& program_copy() {
    static QTemporaryDir directory;
    static const bool ready = [] {
        const QString copy = directory.path() + "/program";
        if (!copy_tree(QStringLiteral(VRENDIS_PROGRAM_DIR), copy))
            return false;
        QFile profile(copy + "/vrendisar.ini");
        if (!profile.open(QIODevice::ReadWrite))
            return false;
        QByteArray text = profile.readAll();
        text.replace("Visa_splash=1", "Visa_splash=0");
        profile.resize(0);
        profile.write(text);
        return true;
    }();
    static const QString path = ready ? directory.path() + "/program/vrendomaten" : QString();
    return path;
}

// Seconds from launch to the child's first line, or nothing when it never came.
std::optional<double> time_to_first_paint(const QString& program, const char* variable) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(variable), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.setStandardErrorFile(QProcess::nullDevice());
    const auto start = std::chrono::steady_clock::now();
    child.start(program, {});
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(20000))
            return std::nullopt;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    child.kill();
    child.waitForFinished();
    return elapsed.count();
}

void BM_ColdStartToFirstFigure(benchmark::State& state) {
    const QString& program = program_copy();
    if (program.isEmpty()) {
        state.SkipWithError("cannot copy the program directory");
        return;
    }
    for (auto _ : state) {
        const auto bare =
            time_to_first_paint(QCoreApplication::applicationFilePath(), bare_window_variable);
        const auto ours = time_to_first_paint(program, "VRENDIS_REPORT_FIRST_FIGURE");
        if (!bare || !ours) {
            state.SkipWithError("a child reported no first paint");
            return;
        }
        state.SetIterationTime(*ours);
        state.counters["bare_qt_ms"] = *bare * 1000;
        state.counters["ratio"] = *ours / *bare;
    }
}
// One launch of each per repetition; the median of ten is the figure to read.
BENCHMARK(BM_ColdStartToFirstFigure)
    ->Iterations(1)
    ->Repetitions(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty(bare_window_variable))
        return run_bare_window(argc, argv);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
