#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <chrono>
#include <memory>

#include "app/program.h"
#include "bench_catalogue.h"
#include "bookmarks/bookmark_panel.h"
#include "bookmarks/bookmark_preview.h"
#include "catalogue/picture_cache.h"
#include "layouts/event_hook.h"
#include "layouts/list_rows.h"
#include "layouts/vrendis2001.h"

namespace {

using bench_support::catalogue;

constexpr int bookmarks_listed = 100'000;

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The pointer moved over the list to a point of its rows, as the window system reports it.
void move_to(QWidget* rows, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, rows->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(rows, &move);
}

// The pointer resting on a row of 100,000 bookmarks, scrolled to the middle: from the pause (the
// rest timer firing) until the preview is painted. Each rest is on another row than the last.
// "first": the picture cache is emptied before each rest, so the row's pictures are decoded as
// on a first look; "repeated": every picture has been shown before. "move_us" is one movement of
// the pointer onto another row, its hover artwork included: all that a movement costs.
void BM_BookmarkPreview(benchmark::State& state, bool first_look) {
    const auto& parts = catalogue().parts();
    const std::unique_ptr<Vrendis2001> opened = app::open_main_window();
    Vrendis2001& window = *opened;
    layouts::ListRows rows;
    for (int i = 0; i < bookmarks_listed; ++i) {
        const auto number = [&](std::size_t kind, int step) {
            return QString::number(i * step % int(parts[kind].size()) + 1);
        };
        rows.append(QStringView(u'h' + number(0, 1) + u'c' + number(1, 7) + u'l' + number(2, 11)),
                    i + 1);
    }
    layouts::ListBox* list = window.bokmarken_list;
    // Opened first: the panel restores the list from the file before it opens.
    window.show();
    bookmarks::bookmarks_Click(window);
    list->set_rows(std::move(rows));
    list->scrollTo(list->model()->index(bookmarks_listed / 2, 0), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    for (const std::vector<QString>& kind : parts)
        for (const QString& file : kind) catalogue::load_part(file);

    bookmarks::BookmarkPreview& preview = *bookmarks::BookmarkPreview::of(window);
    QWidget* viewport = list->viewport();
    const int first_row = list->row_at(QPoint(10, 1));
    const int visible_rows = list->row_at(QPoint(10, viewport->height() - 1)) - first_row;
    if (first_row < 0 || visible_rows < 2) {
        state.SkipWithError("the list shows no rows");
        return;
    }
    const auto rest = [&] {
        preview.rest_timer().stop();
        QMetaObject::invokeMethod(&preview.rest_timer(), "timeout");
        // The preview shown and painted.
        QCoreApplication::processEvents();
    };
    // One rest before, which makes the preview's window, so that its paints can be counted.
    move_to(viewport, list->row_rect(first_row + visible_rows - 1).center());
    rest();
    if (!preview.shown()) {
        state.SkipWithError("a rest showed no preview");
        return;
    }
    long paints = 0;
    layouts::EventHook painted(preview.shown(), [&paints](QEvent* event) {
        if (event->type() == QEvent::Paint)
            ++paints;
    });
    double moving = 0;
    long moves = 0;
    int step = 0;
    for (auto _ : state) {
        const QRect row = list->row_rect(first_row + step++ % visible_rows);
        auto start = std::chrono::steady_clock::now();
        move_to(viewport, row.center());
        moving += seconds_since(start);
        ++moves;
        if (first_look) {
            catalogue::picture_cache().clear();
            // Only the row's pictures: the hover artwork of the next movement stays decoded.
            catalogue::load_part(window.Image22->picture_path());
        }

        start = std::chrono::steady_clock::now();
        rest();
        state.SetIterationTime(seconds_since(start));
    }
    if (paints < long(state.iterations()))
        state.SkipWithError("a rest painted no preview");
    state.counters["move_us"] = moves > 0 ? 1e6 * moving / double(moves) : 0;
}
BENCHMARK_CAPTURE(BM_BookmarkPreview, first, true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BookmarkPreview, repeated, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
