#include "catalogue/own_part_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

#include "catalogue/check.h"
#include "platform/file_writer.h"
#include "platform/paths.h"
#include "settings/profile_keys.h"
#include "settings/profile_store.h"

namespace catalogue {
namespace {

using settings::ProgramKey;

// The folders of the user's own catalogue, named as the demo catalogue's are.
const char* own_folder_name(Part part) {
    switch (part) {
        case Part::head:
            return "huvuden";
        case Part::chest:
            return "broest";
        case Part::legs:
            return "ben";
    }
    return "";
}

// "huvuden" as a full kind counts them: "Det finns redan 32767 huvuden."
const char* plural(Part part) {
    switch (part) {
        case Part::head:
            return "huvuden";
        case Part::chest:
            return "bröst";
        case Part::legs:
            return "ben";
    }
    return "";
}

QString unwritable(const QString& folder) {
    return QStringLiteral("Mappen %1 går inte att skriva.").arg(QDir::toNativeSeparators(folder));
}

StoredPart refused(const QString& problem) {
    return {0, QString(), problem};
}

QString profile_path() {
    return platform::program_path(QLatin1String(settings::keys::program_profile));
}

// Where a kind's pictures are, and how their names begin: the picture path with the number left
// out, so that a directory value without its last separator is followed as it is read.
struct Folder {
    QString path;
    QString stem;  // "h" as a rule
};

Folder folder_of(Part part, const QString& directory) {
    const QFileInfo pattern(picture_path(directory, QLatin1String(letter(part))));
    return {pattern.absolutePath(), pattern.fileName().chopped(4)};  // less ".jpg"
}

// A file may be made in the folder and an existing file replaced (the writer renames a new file
// over it). access(W_OK): false on a read-only mount, even for root.
bool writable_folder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool writable_file(const QString& file) {
    const QFileInfo info(file);
    return writable_folder(info.absolutePath()) && (!info.exists() || info.isWritable());
}

bool inside(const QString& path, const QString& directory) {
    const QString folder = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(directory).canonicalFilePath();
    return !folder.isEmpty() && !root.isEmpty() &&
           (folder == root || folder.startsWith(root + QLatin1Char('/')));
}

// Reads and writes the program profile's section; the store's current file from here on.
void open_program_profile() {
    settings::set_profile_file(profile_path().toStdString());
    settings::set_profile_section(settings::keys::program_section);
}

bool write_values(const settings::ProfileValues& values) {
    open_program_profile();
    return settings::write_profile_values(values);
}

// Copies every picture a part number can name (h1.jpg, h012.jpg) from `from` into `to`, each
// through the crash-safe writer: copies, not links, which would break when the package changes.
// A file that cannot be read is not copied, and shows no picture there either.
bool copy_pictures(Part part, const Folder& from, const QString& to) {
    if (!QDir().mkpath(to))
        return false;
    const QString suffix = QStringLiteral(".jpg");
    const QDir folder(from.path);
    for (const QString& name :
         folder.entryList({from.stem + QStringLiteral("*.jpg")}, QDir::Files)) {
        const QStringView digits = QStringView(name).sliced(
            from.stem.size(), name.size() - from.stem.size() - suffix.size());
        if (!names_picture(digits))
            continue;
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            continue;
        const QString copy = QLatin1String(letter(part)) + digits.toString() + suffix;
        if (!platform::write_file(QDir(to).filePath(copy), bytes))
            return false;
    }
    return true;
}

// An own catalogue that the profile does not name (a start left half done, or one the user set
// aside by removing its keys) is kept under a name of its own, never removed.
bool set_aside(const QString& directory) {
    if (!QFileInfo::exists(directory))
        return true;
    for (int n = 1; n < 1000; ++n) {
        const QString aside =
            directory + QStringLiteral(".old") + (n > 1 ? QString::number(n) : QString());
        if (!QFileInfo::exists(aside))
            return QDir().rename(directory, aside);
    }
    return false;
}

// Makes the user's own catalogue from the one being read: copied into a temporary folder,
// renamed into place when complete, and only then named in the profile with absolute folders.
// The counts go with it, so that a newer package's counts never name pictures the copy lacks.
// Empty, or what went wrong.
QString make_own_catalogue(const Catalogue& read) {
    const QString directory = own_catalogue_directory();
    const QString parent = QFileInfo(directory).absolutePath();
    if (!QDir().mkpath(parent) || !writable_folder(parent))
        return unwritable(parent);
    // Under the profile's lock: no other copy is making one now, so a half-made one is left over.
    const QString making = directory + QStringLiteral(".ny");
    QDir(making).removeRecursively();
    for (Part part : parts) {
        const QString to = QDir(making).filePath(QLatin1String(own_folder_name(part)));
        if (!copy_pictures(part, folder_of(part, read.directory_of(part)), to)) {
            QDir(making).removeRecursively();
            return unwritable(parent);
        }
    }
    if (!set_aside(directory) || !QDir().rename(making, directory)) {
        QDir(making).removeRecursively();
        return unwritable(parent);
    }

    settings::ProfileValues values;
    for (Part part : parts) {
        const QString folder =
            QDir(directory).filePath(QLatin1String(own_folder_name(part))) + QLatin1Char('/');
        values.emplace_back(key_name(directory_key(part)), folder.toStdString());
        if (!read.count_of(part).isEmpty())
            values.emplace_back(key_name(count_key(part)), read.count_of(part).toStdString());
    }
    if (!write_values(values))
        return unwritable(QFileInfo(platform::file_to_write(profile_path())).absolutePath());
    return {};
}

// Why the part cannot go where the catalogue being read stands; empty when it can.
QString in_place_problem(const Folder& folder, OwnPartPlace place) {
    const QString profile = profile_path();
    const QString written = platform::file_to_write(profile);
    if (!writable_folder(folder.path))
        return unwritable(folder.path);
    if (!writable_file(written))
        return unwritable(QFileInfo(written).absolutePath());
    // The program's own folders are the package's once it is installed, and belong to everyone
    // who runs it when its profile is not this user's to write.
    const bool program_folder = inside(folder.path, platform::program_directory());
    if (place == OwnPartPlace::usual && program_folder &&
        (platform::installed() || written != profile))
        return unwritable(folder.path);
    return {};
}

}  // namespace

QString own_catalogue_directory() {
    return platform::user_directory() + QStringLiteral("/katalog");
}

StoredPart store_own_part(Part part, const QByteArray& jpeg, OwnPartPlace place) {
    open_program_profile();
    // Held from the first read of the count to its last write: another copy of the program
    // reads the count only after this one raised it.
    const settings::ProfileLock lock;
    Catalogue read = Catalogue::read();
    if (auto problem = profile_problem())
        return refused(*problem);
    if (auto problem = kind_problem(part, read))
        return refused(*problem);
    const int count = *count_value(read.count_of(part));
    if (count >= largest_count) {
        return refused(QStringLiteral("Det finns redan %1 %2.")
                           .arg(largest_count)
                           .arg(QString::fromUtf8(plural(part))));
    }

    // The own catalogue copies every picture, so a file in the way is in the way there too.
    const auto number = static_cast<std::int16_t>(count + 1);
    QString path = read.picture_path(part, number);
    if (QFileInfo::exists(path))
        return refused(QStringLiteral("%1 finns redan; inget ändrades.").arg(path));

    Folder folder = folder_of(part, read.directory_of(part));
    if (const QString problem = in_place_problem(folder, place); !problem.isEmpty()) {
        // The user's own catalogue is the last resort; when it is the one read, there is none.
        if (place == OwnPartPlace::program_directory ||
            inside(folder.path, own_catalogue_directory()))
            return refused(problem);
        if (const QString failed = make_own_catalogue(read); !failed.isEmpty())
            return refused(failed);
        read = Catalogue::read();
        folder = folder_of(part, read.directory_of(part));
        path = read.picture_path(part, number);
    }

    if (!platform::write_file(path, jpeg))
        return refused(unwritable(folder.path));
    open_program_profile();
    if (!settings::write_program_profile(count_key(part), QString::number(number))) {
        QFile::remove(path);
        return refused(
            unwritable(QFileInfo(platform::file_to_write(profile_path())).absolutePath()));
    }
    return {number, part_id(part, number), QString()};
}

}  // namespace catalogue
