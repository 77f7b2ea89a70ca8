#include "catalogue/sheet.h"

#include <optional>

#include "app/command_line.h"
#include "catalogue/check.h"
#include "settings/bookmark_store.h"

namespace app {
namespace {

std::optional<int> columns_of(const QString& text) {
    bool ok = false;
    const int columns = text.toInt(&ok);
    if (!ok || columns < 1 || columns > catalogue::sheet_most_columns)
        return std::nullopt;
    return columns;
}

// libjpeg's limit on either side of a picture.
constexpr int jpeg_most_pixels = 65500;

// Each sheet's name once written; the bookmarks without a figure on standard error.
class Told final : public catalogue::SheetProgress {
public:
    void sheet_written(const QString& file, std::span<const QString> unloaded) override {
        for (const QString& id : unloaded)
            tell_error(QStringLiteral("Bilderna till bokmärket %1 går inte att läsa.").arg(id));
        tell(file);
    }
};

}  // namespace

int sheet(const QString& file, const QString& columns_text) {
    const std::optional<QByteArray> format = output_format(file);
    if (!format)
        return bad_use;
    const std::optional<int> columns = columns_of(columns_text);
    if (!columns) {
        tell_error(QStringLiteral("--columns ska vara ett heltal från 1 till %1, inte \"%2\".")
                       .arg(catalogue::sheet_most_columns)
                       .arg(columns_text));
        return bad_use;
    }

    std::vector<QString> ids;
    for (settings::Bookmark& bookmark : settings::read_bookmarks()) ids.push_back(bookmark.id);
    if (ids.empty()) {
        tell_error(QStringLiteral("Det finns inga bokmärken."));
        return failed;
    }
    // The first sheet is the tallest.
    const QSize size = catalogue::sheet_size(
        std::min(qsizetype(ids.size()), catalogue::sheet_most_figures), *columns);
    if (*format == "jpeg" && size.height() > jpeg_most_pixels) {
        tell_error(QStringLiteral("Arket blir %1 bildpunkter högt, och en JPEG-bild kan vara högst "
                                  "%2: välj fler kolumner med --columns, eller .png.")
                       .arg(size.height())
                       .arg(jpeg_most_pixels));
        return bad_use;
    }
    if (const auto problem = catalogue::profile_problem()) {
        tell_error(*problem);
        return failed;
    }

    Told told;
    const catalogue::SheetSeries series =
        catalogue::write_sheets(catalogue::Catalogue::read(), ids, *columns, file, *format, told);
    if (series.failed.isEmpty())
        return done;
    tell_error(series.out_of_memory
                   ? QStringLiteral("Arket %1 ryms inte i minnet.").arg(series.failed)
                   : unwritable(series.failed));
    return failed;
}

}  // namespace app
