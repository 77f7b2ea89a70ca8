#include "catalogue/check.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>

#include "catalogue/decode.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"

namespace catalogue {
namespace {

using settings::ProgramKey;

const QString profile_path() {
    return platform::program_path(QLatin1String(settings::keys::program_profile));
}

// The files the profile's keys are read from: a user's copy over the program's file.
QStringList profile_files() {
    return platform::files_to_read(profile_path(), platform::UserCopy::over_program_file);
}

// The profile a message names: the file the keys are read from first.
QString shown_profile() {
    for (const QString& file : profile_files()) {
        if (QFileInfo::exists(file))
            return file;
    }
    return profile_path();
}

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString key_text(ProgramKey key) {
    return QLatin1String(settings::key_name(key));
}

QString missing_key(ProgramKey key) {
    return QStringLiteral("Nyckeln %1 saknas eller är tom i %2.")
        .arg(key_text(key), shown_profile());
}

// Where a kind's pictures are looked for, and how their names begin: the picture path with
// the number left out, so that a directory value without its last separator is followed too.
struct Folder {
    QString path;
    QString stem;  // "h" as a rule
};

Folder folder_of(Part part, const QString& directory) {
    const QFileInfo pattern(picture_path(directory, QLatin1String(letter(part))));
    return {pattern.path(), pattern.fileName().chopped(4)};  // less ".jpg"
}

// The number in a picture's file name: stem, digits without a leading zero, ".jpg".
std::optional<qint64> number_in(const QString& name, const QString& stem) {
    if (!name.startsWith(stem) || !name.endsWith(QLatin1String(".jpg")))
        return std::nullopt;
    const QStringView digits = QStringView(name).sliced(stem.size(), name.size() - stem.size() - 4);
    if (digits.isEmpty() || digits.size() > 12 || digits.front() == QLatin1Char('0'))
        return std::nullopt;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return digits.toLongLong();
}

std::optional<QString> folder_problem(Part part, const Folder& folder) {
    const QFileInfo info(folder.path);
    if (!info.isDir()) {
        return QStringLiteral("Mappen %1 (%2) finns inte.")
            .arg(folder.path, key_text(directory_key(part)));
    }
    return std::nullopt;
}

QString no_pictures(Part part, const Folder& folder) {
    return QStringLiteral("I mappen %1 (%2) finns ingen bild %3*.jpg.")
        .arg(folder.path, key_text(directory_key(part)), folder.stem);
}

// One kind as the profile gives it: its count, or nothing when that is no count; its folder,
// or nothing when the directory key is missing. Problems found on the way go to `problems`.
struct Kind {
    Part part;
    std::optional<std::int16_t> count;
    std::optional<Folder> folder;
};

Kind read_kind(Part part, const Catalogue& read, std::vector<QString>& problems) {
    Kind kind{part, std::nullopt, std::nullopt};
    const QString& count = read.count_of(part);
    if (count.isEmpty())
        problems.push_back(missing_key(count_key(part)));
    else if (auto problem = count_problem(count_key(part), count))
        problems.push_back(*problem);
    else
        kind.count = count_value(count);
    const QString& directory = read.directory_of(part);
    if (directory.isEmpty()) {
        problems.push_back(missing_key(directory_key(part)));
        return kind;
    }
    kind.folder = folder_of(part, directory);
    if (auto problem = folder_problem(part, *kind.folder)) {
        problems.push_back(*problem);
        kind.folder.reset();
    }
    return kind;
}

// A picture to look at, and what was found.
struct Picture {
    QString path;
    QSize size;
    bool present = false;
};

std::optional<QString> picture_problem(const Picture& picture, bool decode) {
    if (!picture.present)
        return QStringLiteral("%1 saknas.").arg(picture.path);
    const QString not_jpeg = QStringLiteral("%1 är ingen JPEG-bild.").arg(picture.path);
    QSize size;
    if (decode) {
        // Decoded as the window decodes it, so that what passes here shows whole there.
        QFile file(picture.path);
        const QByteArray bytes =
            file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.readAll() : QByteArray();
        if (!is_jpeg(bytes))
            return not_jpeg;
        const QImage image = decode_jpeg(bytes);
        if (image.isNull())
            return QStringLiteral("%1 går inte att avkoda.").arg(picture.path);
        size = image.size();
    } else {
        // The format named: the content must be a JPEG, whatever else Qt could make of it.
        QImageReader reader(picture.path, "jpeg");
        if (!reader.canRead())
            return not_jpeg;
        size = reader.size();
        if (!size.isValid())
            return QStringLiteral("%1 har inget läsbart JPEG-huvud.").arg(picture.path);
    }
    if (size != picture.size) {
        return QStringLiteral("%1 är %2x%3 bildpunkter, ska vara %4x%5.")
            .arg(picture.path)
            .arg(size.width())
            .arg(size.height())
            .arg(picture.size.width())
            .arg(picture.size.height());
    }
    return std::nullopt;
}

// The pictures 1..count of a kind, in order, and a note on the files beyond the count.
void list_pictures(const Kind& kind, std::vector<Picture>& pictures, std::vector<QString>& notes) {
    const Folder& folder = *kind.folder;
    const int count = *kind.count;
    std::vector<bool> present(static_cast<std::size_t>(count) + 1, false);
    std::vector<qint64> beyond;
    QDirIterator it(folder.path, {folder.stem + QLatin1String("*.jpg")}, QDir::Files);
    while (it.hasNext()) {
        const std::optional<qint64> number = number_in(it.nextFileInfo().fileName(), folder.stem);
        if (!number)
            continue;
        if (*number <= count)
            present[static_cast<std::size_t>(*number)] = true;
        else
            beyond.push_back(*number);
    }
    const QString base = QDir(folder.path).filePath(folder.stem);
    for (int n = 1; n <= count; ++n) {
        pictures.push_back({base + QString::number(n) + QLatin1String(".jpg"), part_size(kind.part),
                            present[static_cast<std::size_t>(n)]});
    }
    if (beyond.empty())
        return;
    std::sort(beyond.begin(), beyond.end());
    notes.push_back(QStringLiteral("Notering: %1 bild(er) i %2 har nummer över %3 = %4 och "
                                   "visas aldrig: %5%6.jpg till %5%7.jpg.")
                        .arg(beyond.size())
                        .arg(folder.path, key_text(count_key(kind.part)))
                        .arg(count)
                        .arg(folder.stem)
                        .arg(beyond.front())
                        .arg(beyond.back()));
}

// Looks at every picture on every core; each problem lands in the picture's own place, so
// they come out in catalogue order.
std::vector<std::optional<QString>> look_at(const std::vector<Picture>& pictures, bool decode) {
    std::vector<std::optional<QString>> found(pictures.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < pictures.size();)
            found[i] = picture_problem(pictures[i], decode);
    };
    const std::size_t helpers =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(1, QThread::idealThreadCount())),
                              pictures.size() / 64 + 1) -
        1;
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < helpers; ++t) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    return found;
}

}  // namespace

QSize part_size(Part part) {
    return {figure_width, band_height[index(part)]};
}

std::optional<QString> profile_problem() {
    bool found = false;
    for (const QString& file : profile_files()) {
        const QFileInfo info(file);
        if (!info.exists())
            continue;
        found = true;
        QFile profile(file);
        if (!info.isFile() || !profile.open(QIODevice::ReadOnly))
            return QStringLiteral("Profilen %1 går inte att läsa.").arg(file);
    }
    if (!found)
        return QStringLiteral("Profilen %1 finns inte.").arg(profile_path());
    return std::nullopt;
}

std::optional<QString> count_problem(ProgramKey key, const QString& value) {
    if (count_value(value))
        return std::nullopt;
    return QStringLiteral("%1 = %2 i %3 är inget heltal från 1 till %4.")
        .arg(key_text(key), quoted(value), shown_profile())
        .arg(largest_count);
}

std::optional<QString> kind_problem(Part part, const Catalogue& read) {
    if (read.count_of(part).isEmpty())
        return missing_key(count_key(part));
    if (auto problem = count_problem(count_key(part), read.count_of(part)))
        return problem;
    if (read.directory_of(part).isEmpty())
        return missing_key(directory_key(part));
    return std::nullopt;
}

std::vector<QString> unusable_reasons() {
    if (auto problem = profile_problem())
        return {*problem};
    std::vector<QString> problems;
    const Catalogue read = Catalogue::read();
    for (Part part : parts) {
        const Kind kind = read_kind(part, read, problems);
        if (!kind.folder)
            continue;
        // The first picture of the kind is enough: a folder can hold tens of thousands.
        QDirIterator it(kind.folder->path, {kind.folder->stem + QLatin1String("*.jpg")},
                        QDir::Files);
        if (!it.hasNext())
            problems.push_back(no_pictures(part, *kind.folder));
    }
    return problems;
}

Findings check_catalogue(bool decode) {
    Findings findings;
    if (auto problem = profile_problem()) {
        findings.problems.push_back(*problem);
        return findings;
    }
    const Catalogue read = Catalogue::read();
    std::vector<Kind> kinds;
    for (Part part : parts) kinds.push_back(read_kind(part, read, findings.problems));

    const QString common = settings::read_program_profile(ProgramKey::common_count);
    if (common.isEmpty()) {
        findings.problems.push_back(missing_key(ProgramKey::common_count));
    } else if (auto problem = count_problem(ProgramKey::common_count, common)) {
        findings.problems.push_back(*problem);
    } else {
        // Create-new draws every part from this one range.
        const auto smallest = std::min_element(kinds.begin(), kinds.end(), [](auto& a, auto& b) {
            return a.count.value_or(largest_count) < b.count.value_or(largest_count);
        });
        if (smallest->count && *count_value(common) > *smallest->count) {
            findings.problems.push_back(
                QStringLiteral("%1 = %2 i %3 är större än det minsta antalet delar, %4 = %5: "
                               "Skapa ny vrendis kan be om en del som inte finns.")
                    .arg(key_text(ProgramKey::common_count), common, shown_profile(),
                         key_text(count_key(smallest->part)))
                    .arg(*smallest->count));
        }
    }

    std::vector<Picture> pictures;
    for (const Kind& kind : kinds) {
        if (kind.count && kind.folder)
            list_pictures(kind, pictures, findings.notes);
    }
    for (std::optional<QString>& problem : look_at(pictures, decode)) {
        if (problem)
            findings.problems.push_back(std::move(*problem));
    }
    findings.pictures_checked = static_cast<int>(pictures.size());
    return findings;
}

}  // namespace catalogue
