#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "bookmarks/bookmark_list.h"
#include "bookmarks/bookmark_panel.h"
#include "layouts/vrendis2001.h"
#include "platform/paths.h"
#include "settings/profile_file.h"
#include "settings/profile_store.h"
#include "window/verbs.h"

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
    // A copy of the file's current version under another name.
    QString copy(const QString& name) const {
        const QString to = directory_.filePath(name);
        QFile::remove(to);
        QFile::copy(path(), to);
        return to;
    }

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

// Opening the panel with the list just restored, as a click on the tab does, and the repaint
// that shows it: the list lays out its rows then. Real time in milliseconds.
void BM_OpenBookmarkPanel(benchmark::State& state) {
    BookmarkFiles files(static_cast<int>(state.range(0)));
    files.change();
    Vrendis2001 window;
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        main_window::close_bookmark_panel(window);
        bookmarks::restore_bookmark_list(window);
        window.repaint();
        const auto start = std::chrono::steady_clock::now();
        bookmarks::bookmarks_Click(window);
        window.repaint();
        state.SetIterationTime(seconds_since(start));
    }
    state.counters["rows"] = window.bokmarken_list->count();
}
BENCHMARK(BM_OpenBookmarkPanel)->Arg(100'000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Adding a bookmark of the shown figure to a list and file of `count`. "ratio" is the add over
// one write of a new key into a file of as many keys, measured alternately in the same run.
void BM_AddBookmark(benchmark::State& state) {
    BookmarkFiles files(static_cast<int>(state.range(0)));
    files.change();
    const std::string other = files.copy("other.dat").toStdString();
    Vrendis2001 window;
    bookmarks::restore_bookmark_list(window);
    window.Text2->setText("h12");
    window.Text3->setText("c3");
    window.Text4->setText("l7");
    double adding = 0;
    double writing = 0;
    std::int64_t written = state.range(0);
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        bookmarks::add_current_figure(window);
        const double add_time = seconds_since(start);
        settings::set_profile_file(other);
        settings::set_profile_section("Bookmarks");
        settings::set_profile_key("bookmark_" + std::to_string(++written));
        start = std::chrono::steady_clock::now();
        settings::write_profile("h12c3l7");
        writing += seconds_since(start);
        adding += add_time;
        state.SetIterationTime(add_time);
    }
    state.counters["rows"] = window.bokmarken_list->count();
    state.counters["ratio"] = writing > 0 ? adding / writing : 0;
}
BENCHMARK(BM_AddBookmark)->Arg(100'000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
