// Start-up: from launching the real program to its first figure on screen, against two bare Qt
// programs launched in the same run:
//   bare window  one empty 643 x 580 window;
//   floor        the same window with one line of text and one decoded JPEG, the least any
//                program that shows text and a picture must do.
// The program is the benchmark build's, whose first-paint probe (a build option absent from the
// shipped program) writes one line to standard output at its first figure and another once the
// window answers again after the work queued behind that paint (the bookmark restore); the
// baselines write theirs at their first paint. The clock runs from just before the launch until
// the line arrives. The same program is launched once more over a bookmark file of 100,000
// bookmarks, timed until its window answers with the list filled, and the resident size of both
// is read once each has sat idle.
//
// Each round launches all four, in an order that rotates from round to round, and the figures
// are the medians of the per-round ratios with their interquartile ranges: a machine that slows
// down during the run slows both sides of a round alike. VRENDIS_BENCH_ROUNDS sets the number of
// rounds (30). The files come from the page cache (a warm start); BM_ColdStart drops the cache
// before every launch, as root and only when VRENDIS_BENCH_COLD=1 asks for it, since that slows
// down everything else on the machine.
//
// BM_AccessibleStart launches the program on a display of its own with the accessibility bridge
// on and off (QT_LINUX_ACCESSIBILITY_ALWAYS_ON), and compares the two.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <unistd.h>

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
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
    double first = 0;    // launch to the first line
    double answers = 0;  // launch to the window answering; the first line for the baselines
    int listed = 0;      // bookmarks listed when the window answered
    long rss_kb = 0;     // after sitting idle, when asked for
};

bool read_line(QProcess& child, QByteArray& line) {
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(60000))
            return false;
    }
    line = child.readLine();
    return true;
}

// The page cache dropped, so that the next launch reads every file from the disk.
bool drop_page_cache() {
    ::sync();
    QFile control(QStringLiteral("/proc/sys/vm/drop_caches"));
    return control.open(QIODevice::WriteOnly) && control.write("3\n") == 2;
}

// Launches the program and waits for its lines; nothing when one never came. `settings` are
// environment variables set for the child.
std::optional<Start> start(const QString& program, const QStringList& arguments,
                           const char* baseline, bool measure_memory,
                           const std::vector<std::pair<QString, QString>>& settings = {}) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (baseline)
        environment.insert(QString::fromLatin1(baseline_variable), QString::fromLatin1(baseline));
    for (const auto& [name, value] : settings) environment.insert(name, value);
    child.setProcessEnvironment(environment);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.setWorkingDirectory(QFileInfo(program).path());
    const auto started = std::chrono::steady_clock::now();
    const auto seconds = [&started] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    };
    child.start(program, arguments);
    Start result;
    QByteArray line;
    bool ok = read_line(child, line);
    result.first = result.answers = seconds();
    if (ok && !baseline) {
        // "window answers, N bookmarks listed"
        ok = read_line(child, line);
        result.answers = seconds();
        result.listed = line.split(',').value(1).trimmed().split(' ').value(0).toInt();
    }
    if (ok && measure_memory) {
        QThread::msleep(idle_ms);
        result.rss_kb = resident_kb(child.processId());
    }
    child.kill();
    child.waitForFinished();
    return ok ? std::optional(result) : std::nullopt;
}

int rounds() {
    const int asked = qEnvironmentVariableIntValue("VRENDIS_BENCH_ROUNDS");
    return asked > 0 ? asked : 30;
}

// The median and the quartiles of the values, by linear interpolation.
struct Spread {
    double q1 = 0, median = 0, q3 = 0;
};
Spread spread(std::vector<double> values) {
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) {
        const double place = q * double(values.size() - 1);
        const std::size_t below = static_cast<std::size_t>(place);
        const std::size_t above = std::min(below + 1, values.size() - 1);
        return values[below] + (place - double(below)) * (values[above] - values[below]);
    };
    return {at(0.25), at(0.5), at(0.75)};
}

// name: the median; name_iqr: the third quartile less the first.
void report(benchmark::State& state, const std::string& name, const std::vector<double>& values) {
    const Spread s = spread(values);
    state.counters[name] = s.median;
    state.counters[name + "_iqr"] = s.q3 - s.q1;
}

// The launches of a round.
enum Launch { bare_window, floor_window, ours, ours_marked, launches };

void start_up(benchmark::State& state, bool cold) {
    const ProgramCopies& copies = program_copies();
    if (copies.plain.isEmpty()) {
        state.SkipWithError("cannot copy the program directory");
        return;
    }
    if (cold && (qgetenv("VRENDIS_BENCH_COLD") != "1" || !drop_page_cache())) {
        state.SkipWithError("measured only as root with VRENDIS_BENCH_COLD=1");
        return;
    }
    const QString self = QCoreApplication::applicationFilePath();
    for (auto _ : state) {
        std::vector<double> first, ratio_floor, ratio_bare, bookmarks_ratio, bare_ms, floor_ms,
            bookmarks_ms, rss, bookmarks_rss, bookmarks_extra;
        for (int round = 0; round < rounds(); ++round) {
            std::optional<Start> got[launches];
            for (int step = 0; step < launches; ++step) {
                const int launch = (round + step) % launches;
                if (cold)
                    drop_page_cache();
                if (launch == bare_window)
                    got[launch] = start(self, {}, "bare", false);
                else if (launch == floor_window)
                    got[launch] = start(self, {copies.picture}, "floor", false);
                else
                    got[launch] = start(launch == ours ? copies.plain : copies.with_bookmarks, {},
                                        nullptr, !cold);
                if (!got[launch]) {
                    state.SkipWithError("a child reported no first paint");
                    return;
                }
            }
            if (got[ours_marked]->listed != bookmarks || got[ours]->listed != 0) {
                state.SkipWithError("the window answered before its bookmarks were listed");
                return;
            }
            first.push_back(got[ours]->first);
            ratio_floor.push_back(got[ours]->first / got[floor_window]->first);
            ratio_bare.push_back(got[ours]->first / got[bare_window]->first);
            bookmarks_ratio.push_back(got[ours_marked]->answers / got[ours]->answers);
            bare_ms.push_back(got[bare_window]->first * 1000);
            floor_ms.push_back(got[floor_window]->first * 1000);
            bookmarks_ms.push_back(got[ours_marked]->answers * 1000);
            rss.push_back(got[ours]->rss_kb / 1024.0);
            bookmarks_rss.push_back(got[ours_marked]->rss_kb / 1024.0);
            bookmarks_extra.push_back((got[ours_marked]->rss_kb - got[ours]->rss_kb) / 1024.0);
        }
        state.SetIterationTime(spread(first).median);
        state.counters["rounds"] = rounds();
        report(state, "ratio_floor", ratio_floor);
        report(state, "ratio_bare", ratio_bare);
        report(state, "bare_ms", bare_ms);
        report(state, "floor_ms", floor_ms);
        if (cold)
            continue;
        report(state, "bookmarks_ratio", bookmarks_ratio);
        report(state, "bookmarks_ms", bookmarks_ms);
        report(state, "rss_MB", rss);
        report(state, "bookmarks_rss_MB", bookmarks_rss);
        report(state, "bookmarks_extra_MB", bookmarks_extra);
    }
}

// The program's files read from the page cache, as at every start but the first after boot.
void BM_WarmStart(benchmark::State& state) {
    start_up(state, false);
}
BENCHMARK(BM_WarmStart)
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Every file read from the disk, as at the first start after boot; no memory figures.
void BM_ColdStart(benchmark::State& state) {
    start_up(state, true);
}
BENCHMARK(BM_ColdStart)
    ->Iterations(1)
    ->Repetitions(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A display and a session bus of the benchmark's own, for the launches that need the platform's
// accessibility bridge: the offscreen platform has none. Both end with the benchmark.
class Desktop {
public:
    Desktop() {
        xvfb_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("1024x768x24"),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray line;
        if (!xvfb_.waitForStarted() || !read_line(xvfb_, line))
            return;
        display_ = QStringLiteral(":") + QString::fromLatin1(line.trimmed());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        bus_.setProcessEnvironment(environment);
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
        if (bus_.waitForStarted() && read_line(bus_, line))
            address_ = QString::fromLatin1(line.trimmed());
    }
    ~Desktop() {
        for (QProcess* process : {&bus_, &xvfb_}) {
            process->kill();
            process->waitForFinished();
        }
        // What the bus started for the program (the accessibility bus and its registry) ends
        // with it too.
        if (address_.isEmpty())
            return;
        const QByteArray entry = "DBUS_SESSION_BUS_ADDRESS=" + address_.toLatin1();
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile environment(QStringLiteral("/proc/%1/environ").arg(pid));
            if (pid.toInt() > 0 && environment.open(QIODevice::ReadOnly) &&
                environment.readAll().split('\0').contains(entry))
                ::kill(pid.toInt(), SIGTERM);
        }
    }
    bool ready() const { return !display_.isEmpty() && !address_.isEmpty(); }
    std::vector<std::pair<QString, QString>> settings(bool accessible) const {
        std::vector<std::pair<QString, QString>> result{
            {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
            {QStringLiteral("DISPLAY"), display_},
            {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_}};
        if (accessible)
            result.emplace_back(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"),
                                QStringLiteral("1"));
        return result;
    }

private:
    QProcess xvfb_;
    QProcess bus_;
    QString display_;
    QString address_;
};

// The program on a desktop with its accessibility bridge on, as a screen reader running makes
// it, against the same desktop without: each round launches both, in turns. With no assistive
// technology asking, the window's accessibility objects are never made, so the two should start
// alike. The first launch with the bridge on starts the accessibility bus and is not counted.
void BM_AccessibleStart(benchmark::State& state) {
    const ProgramCopies& copies = program_copies();
    if (copies.plain.isEmpty()) {
        state.SkipWithError("cannot copy the program directory");
        return;
    }
    Desktop desktop;
    if (!desktop.ready()) {
        state.SkipWithError("needs Xvfb and dbus-daemon");
        return;
    }
    if (!start(copies.plain, {}, nullptr, false, desktop.settings(true))) {
        state.SkipWithError("the program reported no first paint on the display");
        return;
    }
    for (auto _ : state) {
        std::vector<double> on_ms, off_ms, time_ratio, rss_ratio;
        for (int round = 0; round < rounds(); ++round) {
            std::optional<Start> got[2];
            for (int step = 0; step < 2; ++step) {
                const bool accessible = (round + step) % 2 == 1;
                got[accessible] =
                    start(copies.plain, {}, nullptr, true, desktop.settings(accessible));
                if (!got[accessible]) {
                    state.SkipWithError("a child reported no first paint");
                    return;
                }
            }
            on_ms.push_back(got[1]->first * 1000);
            off_ms.push_back(got[0]->first * 1000);
            time_ratio.push_back(got[1]->first / got[0]->first);
            rss_ratio.push_back(double(got[1]->rss_kb) / double(got[0]->rss_kb));
        }
        state.SetIterationTime(spread(on_ms).median / 1000);
        state.counters["rounds"] = rounds();
        report(state, "on_ms", on_ms);
        report(state, "off_ms", off_ms);
        report(state, "time_ratio", time_ratio);
        report(state, "rss_ratio", rss_ratio);
    }
}
BENCHMARK(BM_AccessibleStart)
    ->Iterations(1)
    ->Repetitions(1)
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
