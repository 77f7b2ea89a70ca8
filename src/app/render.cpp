#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <optional>

#include "app/command_line.h"
#include "catalogue/check.h"
#include "catalogue/figure_id.h"
#include "catalogue/name.h"
#include "catalogue/picture_file.h"
#include "platform/random_source.h"

namespace app {
namespace {

using catalogue::Part;

// The part as an ID's message names it, and the count's noun.
const char* part_name(Part part) {
    switch (part) {
        case Part::head:
            return "huvud";
        case Part::chest:
            return "bröst";
        case Part::legs:
            return "ben";
    }
    return "";
}

std::optional<int> scale_of(const QString& text) {
    bool ok = false;
    const int scale = text.toInt(&ok);
    if (!ok || scale < 1 || scale > 8)
        return std::nullopt;
    return scale;
}

// The three numbers of an ID as written, each decimal digits without a leading zero; an error
// line naming the part otherwise.
using Digits = std::array<QString, 3>;
std::optional<QString> split_id(const QString& id, Digits& digits) {
    static const QRegularExpression shape(QStringLiteral("^h([^c]*)c([^l]*)l(.*)$"));
    static const QRegularExpression number(QStringLiteral("^[1-9][0-9]*$"));
    const QRegularExpressionMatch match = shape.match(id);
    if (!match.hasMatch()) {
        return QStringLiteral(
                   "Fel ID \"%1\": ett ID är h, c och l, var och en följd av ett "
                   "nummer, till exempel h12c3l7.")
            .arg(id);
    }
    for (Part part : catalogue::parts) {
        digits[catalogue::index(part)] =
            match.captured(static_cast<int>(catalogue::index(part)) + 1);
        if (!number.match(digits[catalogue::index(part)]).hasMatch()) {
            return QStringLiteral(
                       "Fel ID \"%1\": numret för %2et ska vara siffror utan "
                       "inledande nollor.")
                .arg(id, QString::fromUtf8(part_name(part)));
        }
    }
    return std::nullopt;
}

// The counts of the catalogue; nothing, once told, when one of them is no count.
std::optional<catalogue::PartNumbers> counts_of(const catalogue::Catalogue& read) {
    catalogue::PartNumbers counts{};
    for (Part part : catalogue::parts) {
        const QString& text = read.count_of(part);
        const std::optional<std::int16_t> count = catalogue::count_value(text);
        if (!count) {
            tell_error(*catalogue::count_problem(catalogue::count_key(part), text));
            return std::nullopt;
        }
        counts[catalogue::index(part)] = *count;
    }
    return counts;
}

// The catalogue to draw from, once its profile is found readable; told otherwise.
std::optional<catalogue::Catalogue> read_catalogue() {
    if (const auto problem = catalogue::profile_problem()) {
        tell_error(*problem);
        return std::nullopt;
    }
    return catalogue::Catalogue::read();
}

int write_figure(const catalogue::Catalogue& read, const catalogue::PartNumbers& numbers,
                 const QString& file, const QByteArray& format, int scale) {
    std::array<QImage, 3> pictures;
    for (Part part : catalogue::parts) {
        const QString path = read.picture_path(part, numbers[catalogue::index(part)]);
        pictures[catalogue::index(part)] = catalogue::load_part(path);
        if (pictures[catalogue::index(part)].isNull()) {
            tell_error(QStringLiteral("Bilden %1 går inte att läsa.").arg(path));
            return failed;
        }
    }
    QImage figure = catalogue::compose(pictures[0], pictures[1], pictures[2]);
    if (scale > 1)
        figure =
            figure.scaled(figure.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!catalogue::write_picture(figure, file, format)) {
        tell_error(unwritable(file));
        return failed;
    }
    return done;
}

// The scale asked for; nothing, once told, when it is no whole number from 1 to 8.
std::optional<int> scale_asked(const QString& text) {
    const std::optional<int> scale = scale_of(text);
    if (!scale)
        tell_error(
            QStringLiteral("--scale ska vara ett heltal från 1 till 8, inte \"%1\".").arg(text));
    return scale;
}

}  // namespace

std::optional<QByteArray> output_format(const QString& file) {
    const std::optional<QByteArray> format = catalogue::picture_format(file);
    if (!format)
        tell_error(
            QStringLiteral("Okänd filändelse i %1: skriv .png, .jpg eller .jpeg.").arg(file));
    return format;
}

QString unwritable(const QString& file) {
    const QFileInfo folder(QFileInfo(file).absolutePath());
    if (!folder.isDir())
        return QStringLiteral("Mappen %1 finns inte; %2 skrevs inte.").arg(folder.filePath(), file);
    return QStringLiteral("Filen %1 går inte att skriva.").arg(file);
}

int render(const QString& id, const QString& file, const QString& scale_text) {
    const std::optional<QByteArray> format = output_format(file);
    if (!format)
        return bad_use;
    const std::optional<int> scale = scale_asked(scale_text);
    if (!scale)
        return bad_use;
    const bool random = id == QLatin1String("random");
    Digits digits;
    if (!random) {
        if (const auto problem = split_id(id, digits)) {
            tell_error(*problem);
            return bad_use;
        }
    }

    const std::optional<catalogue::Catalogue> read = read_catalogue();
    if (!read)
        return failed;
    const std::optional<catalogue::PartNumbers> counts = counts_of(*read);
    if (!counts)
        return failed;
    catalogue::PartNumbers numbers{};
    platform::random_source().reseed();
    for (Part part : catalogue::parts) {
        const std::size_t i = catalogue::index(part);
        if (random) {
            numbers[i] = *catalogue::draw(read->count_of(part));
            continue;
        }
        // At most five digits can be a part number; more are beyond every count.
        const int number = digits[i].size() > 5 ? catalogue::largest_count + 1 : digits[i].toInt();
        if (number > (*counts)[i]) {
            tell_error(QStringLiteral("Fel ID \"%1\": %2 nummer %3 finns inte, bara 1 till %4.")
                           .arg(id, QString::fromUtf8(part_name(part)), digits[i])
                           .arg((*counts)[i]));
            return bad_use;
        }
        numbers[i] = static_cast<std::int16_t>(number);
    }

    const int status = write_figure(*read, numbers, file, *format, *scale);
    if (random && status == done)
        tell(catalogue::figure_id(numbers));
    return status;
}

int name_figure(const QString& name, const QString& file, const QString& scale_text) {
    const std::optional<QByteArray> format = output_format(file);
    if (!format)
        return bad_use;
    const std::optional<int> scale = scale_asked(scale_text);
    if (!scale)
        return bad_use;
    // The name rule's own trimming: a name of nothing but blanks gives no figure.
    if (name.trimmed().isEmpty()) {
        tell_error(QStringLiteral("Namnet är tomt: skriv ett namn efter --name."));
        return bad_use;
    }

    const std::optional<catalogue::Catalogue> read = read_catalogue();
    if (!read)
        return failed;
    const std::optional<catalogue::PartNumbers> counts = counts_of(*read);
    if (!counts)
        return failed;
    const catalogue::PartNumbers numbers = *catalogue::figure_for_name(name, *counts);
    const int status = write_figure(*read, numbers, file, *format, *scale);
    if (status == done)
        tell(catalogue::figure_id(numbers));
    return status;
}

}  // namespace app
