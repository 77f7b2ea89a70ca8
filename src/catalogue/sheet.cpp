#include "catalogue/sheet.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <QtConcurrent>
#include <algorithm>

#include "catalogue/figure_id.h"
#include "catalogue/picture_file.h"

namespace catalogue {
namespace {

constexpr int cell_width = sheet_figure_width;
constexpr int cell_height = sheet_figure_height + sheet_id_height;
// Figures composed at once, on every core, before they are drawn in order: few enough that a
// stop is heard within a few milliseconds.
constexpr qsizetype figures_at_once = 24;

// The bookmark list's font: Verdana where installed, DejaVu Sans otherwise.
QFont id_font() {
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPixelSize(sheet_id_pixels);
    return font;
}

}  // namespace

QImage sheet_figure(const Catalogue& catalogue, const QString& id, qreal pixel_ratio) {
    std::array<QImage, 3> pictures;
    const std::array<QString, 3> paths = picture_paths(catalogue, id);
    for (Part part : parts) {
        pictures[index(part)] = load_part(paths[index(part)]);
        if (pictures[index(part)].isNull())
            return {};
    }
    QImage figure = compose(pictures[0], pictures[1], pictures[2])
                        .scaled(QSize(sheet_figure_width, sheet_figure_height) * pixel_ratio,
                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    figure.setDevicePixelRatio(pixel_ratio);
    return figure;
}

std::vector<std::span<const QString>> sheet_pages(std::span<const QString> ids, qsizetype most) {
    std::vector<std::span<const QString>> pages;
    for (std::size_t first = 0; first < ids.size(); first += static_cast<std::size_t>(most))
        pages.push_back(ids.subspan(first, std::min(ids.size() - first, std::size_t(most))));
    return pages;
}

QString sheet_file(const QString& file, qsizetype page) {
    if (page == 0)
        return file;
    const QString number = QLatin1Char('-') + QString::number(page + 1);
    // The ending is the last suffix of the file's own name, and a name that only begins with a
    // dot has none.
    const qsizetype name_start = file.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    if (dot <= name_start)
        return file + number;
    return file.left(dot) + number + file.mid(dot);
}

QSize sheet_size(qsizetype count, int columns) {
    const qsizetype across = std::min<qsizetype>(std::clamp(columns, 1, sheet_most_columns), count);
    const qsizetype down = across > 0 ? (count + across - 1) / across : 0;
    return QSize(int(sheet_spacing + across * (cell_width + sheet_spacing)),
                 int(sheet_spacing + down * (cell_height + sheet_spacing)));
}

Sheet compose_sheet(const Catalogue& catalogue, std::span<const QString> ids, int columns,
                    const CellDrawn& cell_drawn) {
    Sheet sheet;
    if (ids.empty())
        return sheet;
    const qsizetype count = static_cast<qsizetype>(ids.size());
    const qsizetype across = std::min<qsizetype>(std::clamp(columns, 1, sheet_most_columns), count);
    sheet.picture = QImage(sheet_size(count, columns), QImage::Format_RGB32);
    if (sheet.picture.isNull())
        return sheet;
    sheet.picture.fill(Qt::black);

    QPainter painter(&sheet.picture);
    const QFont font = id_font();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(sheet_id_colour));
    QList<QImage> figures;
    for (qsizetype i = 0; i < count; ++i) {
        // Decoding and scaling are most of a sheet's time, so the next figures are made together.
        if (i % figures_at_once == 0) {
            const auto next =
                ids.subspan(std::size_t(i), std::size_t(std::min(figures_at_once, count - i)));
            figures = QtConcurrent::blockingMapped<QList<QImage>>(
                next.begin(), next.end(),
                [&catalogue](const QString& id) { return sheet_figure(catalogue, id); });
        }
        const QString& id = ids[std::size_t(i)];
        const QPoint cell(int(sheet_spacing + (i % across) * (cell_width + sheet_spacing)),
                          int(sheet_spacing + (i / across) * (cell_height + sheet_spacing)));
        const QImage& figure = figures[i % figures_at_once];
        if (figure.isNull())
            sheet.unloaded.push_back(id);
        else
            painter.drawImage(cell, figure);
        const QRect id_row(cell.x(), cell.y() + sheet_figure_height, cell_width, sheet_id_height);
        painter.drawText(id_row, Qt::AlignCenter | Qt::TextSingleLine,
                         metrics.elidedText(id, Qt::ElideRight, cell_width));
        if (cell_drawn && !cell_drawn(i + 1)) {
            painter.end();
            sheet.picture = QImage();
            break;
        }
    }
    return sheet;
}

SheetSeries write_sheets(const Catalogue& catalogue, std::span<const QString> ids, int columns,
                         const QString& file, const QByteArray& format, SheetProgress& progress) {
    SheetSeries series;
    qsizetype drawn_before = 0;
    const auto pages = sheet_pages(ids);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const Sheet sheet = compose_sheet(catalogue, pages[page], columns, [&](qsizetype drawn) {
            series.stopped = !progress.figure_drawn(drawn_before + drawn);
            return !series.stopped;
        });
        if (series.stopped)
            return series;
        const QString page_file = sheet_file(file, qsizetype(page));
        if (sheet.picture.isNull()) {
            series.failed = page_file;
            series.out_of_memory = true;
            return series;
        }
        if (!write_picture(sheet.picture, page_file, format)) {
            series.failed = page_file;
            return series;
        }
        ++series.written;
        progress.sheet_written(page_file, sheet.unloaded);
        drawn_before += qsizetype(pages[page].size());
    }
    return series;
}

}  // namespace catalogue
