#include <optional>

#include "app/command_line.h"
#include "catalogue/own_part.h"
#include "catalogue/own_part_store.h"

namespace app {
namespace {

using catalogue::Part;

std::optional<Part> part_named(const QString& text) {
    const QString name = text.toLower();
    if (name == QLatin1String("huvud"))
        return Part::head;
    if (name == QStringLiteral("bröst") || name == QLatin1String("brost"))
        return Part::chest;
    if (name == QLatin1String("ben"))
        return Part::legs;
    return std::nullopt;
}

}  // namespace

int import_part(const QString& file, const QString& kind_text, bool only_directory) {
    const std::optional<Part> part = part_named(kind_text);
    if (!part) {
        tell_error(
            QStringLiteral("--as ska vara huvud, bröst eller ben, inte \"%1\".").arg(kind_text));
        return bad_use;
    }
    const catalogue::Cutout cutout = catalogue::cut_out(file);
    if (cutout.image.isNull()) {
        tell_error(cutout.problem);
        return failed;
    }
    const QByteArray jpeg = catalogue::part_jpeg(catalogue::fit(cutout.image, *part));
    const catalogue::StoredPart stored =
        catalogue::store_own_part(*part, jpeg,
                                  only_directory ? catalogue::OwnPartPlace::program_directory
                                                 : catalogue::OwnPartPlace::usual);
    if (stored.part_id.isEmpty()) {
        tell_error(stored.problem);
        return failed;
    }
    tell(stored.part_id);
    return done;
}

}  // namespace app
