#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "bookmarks/bookmark_file.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "settings/profile_file.h"

namespace {

// A program directory with a bookmark file of `count` bookmarks, in two versions that differ
// in a trailing comment, so that every restore finds a changed file and parses it afresh.
class BookmarkFiles {
public:
    explicit BookmarkFiles(int count) {
        platform::set_program_directory(directory_.path());
        QFile profile(directory_.filePath("vrendisar.ini"));
        if (profile.open(QIODevice::WriteOnly))
            profile.write("[Vrendomaten]\r\nVisa_splash=1\r\n");
        body_ = "[Bookmarks]\r\nCounter=" + QByteArray::number(count) + "\r\n";
        body_.reserve(count * 26 + 64);
        for (int i = 1; i <= count; ++i) {
            body_ += "bookmark_" + QByteArray::number(i) + "=h" + QByteArray::number(i % 97 + 1) +
                     'c' + QByteArray::number(i % 89 + 1) + 'l' + QByteArray::number(i % 83 + 1) +
                     "\r\n";
        }
    }
    ~BookmarkFiles() { platform::set_program_directory(QString()); }

    // Writes the other version of the file.
    void change() {
        flip_ = !flip_;
        QFile out(path());
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(body_ + (flip_ ? "; a\r\n" : "; bb\r\n"));
    }
    QString path() const { return directory_.filePath("bookmark.dat"); }

private:
    QTemporaryDir directory_;
    QByteArray body_;
    bool flip_ = false;
};

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Reading the file and parsing it once, as the profile store does before its first answer.
void read_and_parse(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return;
    const settings::ProfileFile file(in.readAll());
    benchmark::DoNotOptimize(file.value(QStringLiteral("Bookmarks"), QStringLiteral("Counter")));
}

// Restoring the list as the window's load step does, from a file just changed. The time
// reported is the restore's; "ratio" is restore over reading and parsing the same file once,
// measured alternately in the same run.
void BM_RestoreBookmarkList(benchmark::State& state) {
    BookmarkFiles files(static_cast<int>(state.range(0)));
    Vrendis2001 window;
    double restoring = 0;
    double parsing = 0;
    for (auto _ : state) {
        window.bokmarken_list->clear();
        files.change();
        auto start = std::chrono::steady_clock::now();
        bookmarks::restore_bookmark_list(window);
        const double restore_time = seconds_since(start);
        start = std::chrono::steady_clock::now();
        read_and_parse(files.path());
        parsing += seconds_since(start);
        restoring += restore_time;
        state.SetIterationTime(restore_time);
    }
    state.counters["rows"] = window.bokmarken_list->count();
    state.counters["ratio"] = parsing > 0 ? restoring / parsing : 0;
}
BENCHMARK(BM_RestoreBookmarkList)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
