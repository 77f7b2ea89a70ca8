#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#include "settings/profile_keys.h"

namespace platform {
namespace {

QString& overridden_directory() {
    static QString directory;
    return directory;
}

QString& overridden_user_directory() {
    static QString directory;
    return directory;
}

QString without_trailing_separators(QString directory) {
    while (directory.size() > 1 && (directory.endsWith('/') || directory.endsWith('\\')))
        directory.chop(1);
    return directory;
}

bool& in_place() {
    static bool files_in_place = false;
    return files_in_place;
}

// Whether the user's files live apart, decided once for the program directory.
std::optional<bool>& apart() {
    static std::optional<bool> decision;
    return decision;
}

// The user's copy of a file that stands directly in the program directory, or the empty text
// when the file is not redirected. Every profile read asks: the common answer costs nothing.
QString user_copy_of(const QString& path) {
    if (!user_files_apart())
        return {};
    const QFileInfo file(QDir::cleanPath(path));
    if (file.path() != QDir::cleanPath(program_directory()))
        return {};
    return QDir(user_directory()).filePath(file.fileName());
}

bool is_program_profile(const QString& path) {
    const QLatin1String name(settings::keys::program_profile);
    return QFileInfo(path).fileName() == name.sliced(1);  // past the backslash
}

}  // namespace

QString program_directory() {
    QString directory = overridden_directory();
    if (directory.isEmpty())
        directory = QCoreApplication::applicationDirPath();
    return without_trailing_separators(directory);
}

void set_program_directory(const QString& directory) {
    overridden_directory() = directory;
    apart().reset();
}

QString user_directory() {
    if (!overridden_user_directory().isEmpty())
        return without_trailing_separators(overridden_user_directory());
    QString data_home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (QDir::isRelativePath(data_home))
        data_home = QDir::homePath() + QStringLiteral("/.local/share");
    return without_trailing_separators(data_home) + QStringLiteral("/vrendomaten");
}

void set_user_directory(const QString& directory) {
    overridden_user_directory() = directory;
}

void set_files_in_place(bool files_in_place) {
    in_place() = files_in_place;
}

bool user_files_apart() {
    if (in_place())
        return false;
    if (!overridden_user_directory().isEmpty())
        return true;
    // access(W_OK): false on a read-only mount too, even for root.
    if (!apart())
        apart() = !QFileInfo(program_directory()).isWritable();
    return *apart();
}

QString native_path(const QString& backslash_path) {
    QString path = backslash_path;
    path.replace('\\', '/');
    return QDir::toNativeSeparators(path);
}

QString program_path(const QString& backslash_name) {
    if (backslash_name.startsWith('/'))
        return backslash_name;
    return native_path(program_directory() + backslash_name);
}

QStringList files_to_read(const QString& path) {
    const QString user_copy = user_copy_of(path);
    if (user_copy.isEmpty())
        return {path};
    if (is_program_profile(path))
        return {user_copy, path};
    return {user_copy};
}

QString file_to_write(const QString& path) {
    const QString user_copy = user_copy_of(path);
    if (user_copy.isEmpty())
        return path;
    // With the user's default permissions (the umask's).
    QDir().mkpath(QFileInfo(user_copy).path());
    return user_copy;
}

void remove_launcher_leftovers() {
    if (!user_files_apart())
        return;
    const QDir folder(user_directory());
    const QString running = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    // The copied executable, and the copy the launcher was making when it was stopped.
    for (const char* name : {"vrendomaten", "vrendomaten.new"}) {
        const QFileInfo copy(folder.filePath(QLatin1String(name)));
        if ((copy.isSymLink() || copy.isFile()) && copy.canonicalFilePath() != running)
            QFile::remove(copy.filePath());
    }
    // Only the link: a folder of pictures the user keeps there is theirs.
    const QFileInfo data(folder.filePath(QStringLiteral("data")));
    if (data.isSymLink())
        QFile::remove(data.filePath());
}

}  // namespace platform
