#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "catalogue/catalogue.h"

// A contact sheet of bookmarks: every figure at half size in a grid on black, its ID under it,
// in list order. A long list fills a series of sheets, each written to its own file.
namespace catalogue {

inline constexpr int sheet_columns = 6;
inline constexpr int sheet_most_columns = 12;
inline constexpr qsizetype sheet_most_figures = 500;

// A cell: the figure scaled smoothly to 143x203 above a 14-pixel row for its ID.
inline constexpr int sheet_figure_width = 143;
inline constexpr int sheet_figure_height = 203;
inline constexpr int sheet_id_height = 14;
// Between cells and around the grid.
inline constexpr int sheet_spacing = 8;
// The ID: 9-pixel text in the bookmark list's light grey.
inline constexpr int sheet_id_pixels = 9;
inline constexpr QRgb sheet_id_colour = 0xFFE0E0E0u;

// The figure of an ID as its cell shows it, and as the bookmark list's preview does: composed
// from the picture cache and scaled smoothly to 143x203, times the pixel ratio of a screen that
// shows it (so that a high-density screen shows it sharp). A null image when one of its
// pictures cannot be loaded.
QImage sheet_figure(const Catalogue& catalogue, const QString& id, qreal pixel_ratio = 1);

// The IDs in runs of at most `most` (sheet_most_figures but for tests), one run per sheet.
std::vector<std::span<const QString>> sheet_pages(std::span<const QString> ids,
                                                  qsizetype most = sheet_most_figures);

// The file of the sheet `page` (from 0) of a series: FILE, then FILE-2, FILE-3 and so on, the
// number before the ending ("bokmarken-2.png").
QString sheet_file(const QString& file, qsizetype page);

// The size of a sheet of `count` figures, `columns` (1 to sheet_most_columns) to a row.
QSize sheet_size(qsizetype count, int columns);

struct Sheet {
    QImage picture;
    // The IDs whose pictures could not all be loaded, in order: their cells hold the ID alone.
    // So do IDs whose digits name no picture file.
    std::vector<QString> unloaded;
};

// Told after each cell drawn how many are drawn; false stops the sheet, which then has no
// picture.
using CellDrawn = std::function<bool(qsizetype cells_drawn)>;

// One sheet of the IDs, `columns` (1 to sheet_most_columns) to a row; as wide as its fullest
// row; nothing for no IDs, and a null picture when there is no memory for it. Every picture is
// loaded through the picture cache, which any thread may use. Draws text, so it needs a
// QGuiApplication (the offscreen platform will do).
Sheet compose_sheet(const Catalogue& catalogue, std::span<const QString> ids, int columns,
                    const CellDrawn& cell_drawn = {});

// Follows write_sheets as it goes. Every call comes from the thread that writes.
class SheetProgress {
public:
    virtual ~SheetProgress() = default;
    // A figure of the series is drawn, `drawn` in all so far; false stops the series.
    virtual bool figure_drawn(qsizetype /*drawn*/) { return true; }
    // A sheet of the series is written to `file`; `unloaded` are its cells without a figure.
    virtual void sheet_written(const QString& /*file*/, std::span<const QString> /*unloaded*/) {}
};

struct SheetSeries {
    int written = 0;
    // The file that was not written, when one was not: the series stops there.
    QString failed;
    // ... because its sheet did not fit in memory rather than the file not taking it.
    bool out_of_memory = false;
    // Stopped by figure_drawn before the end.
    bool stopped = false;
};

// The sheets of the IDs, sheet_most_figures to a sheet, written as `format` (see
// picture_file.h) to `file` and the rest of its series (sheet_file), one after the other.
SheetSeries write_sheets(const Catalogue& catalogue, std::span<const QString> ids, int columns,
                         const QString& file, const QByteArray& format, SheetProgress& progress);

}  // namespace catalogue
