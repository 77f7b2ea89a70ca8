#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <optional>

namespace platform {
namespace {

QString& overridden_directory() {
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

// What is known of the program directory, found out once.
struct Decisions {
    std::optional<bool> installed;
    QHash<QString, bool> written_in_place;  // by the file's path
};

Decisions& decisions() {
    static Decisions known;
    return known;
}

// The user's copy of a file that stands directly in the program directory, or the empty text
// for any other file.
QString user_copy_of(const QString& path) {
    const QFileInfo file(QDir::cleanPath(path));
    if (file.path() != QDir::cleanPath(program_directory()))
        return {};
    return QDir(user_directory()).filePath(file.fileName());
}

// The writer puts a new file beside the old one and renames it over it, and Qt refuses to
// replace a file this user may not write. access(W_OK): false on a read-only mount too, even
// for root.
bool writable_in_place(const QString& path) {
    const QFileInfo file(path);
    return QFileInfo(file.path()).isWritable() && (!file.exists() || file.isWritable());
}

// The user's copy where the file is not written in place; empty when it is. Every profile read
// asks: after the first, the answer costs a lookup.
QString redirected(const QString& path) {
    if (in_place())
        return {};
    const QString user_copy = user_copy_of(path);
    if (user_copy.isEmpty())
        return {};
    auto& known = decisions().written_in_place;
    auto decision = known.constFind(path);
    if (decision == known.cend())
        decision = known.insert(path, !installed() && writable_in_place(path));
    return *decision ? QString() : user_copy;
}

// An executable file, by its first bytes.
bool is_elf(const QString& path) {
    QFile file(path);
    return !QFileInfo(path).isSymLink() && file.open(QIODevice::ReadOnly) &&
           file.read(4) == "\177ELF";
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
    decisions() = {};
}

bool installed() {
    auto& known = decisions().installed;
    if (!known)
        known = QFileInfo::exists(program_directory() + QStringLiteral("/installed"));
    return *known;
}

QString user_directory() {
    QString data_home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    // A relative XDG_DATA_HOME is invalid and ignored.
    if (QDir::isRelativePath(data_home))
        data_home = QDir::homePath() + QStringLiteral("/.local/share");
    return without_trailing_separators(data_home) + QStringLiteral("/vrendomaten");
}

void set_files_in_place(bool files_in_place) {
    in_place() = files_in_place;
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

QStringList files_to_read(const QString& path, UserCopy copy) {
    const QString user_copy = redirected(path);
    if (user_copy.isEmpty())
        return {path};
    if (copy == UserCopy::over_program_file)
        return {user_copy, path};
    // The package's folder holds nothing of any user's.
    if (installed() || QFileInfo::exists(user_copy))
        return {user_copy};
    return {path};
}

QString file_to_write(const QString& path) {
    const QString user_copy = redirected(path);
    if (user_copy.isEmpty())
        return path;
    // With the user's default permissions (the umask's).
    QDir().mkpath(QFileInfo(user_copy).path());
    return user_copy;
}

void remove_launcher_leftovers() {
    const QFileInfo folder(user_directory());
    if (folder.isSymLink() || !folder.isDir())
        return;
    // The launcher linked the pictures of the program it ran from: one installed, now marked so.
    const QDir user(folder.filePath());
    const QFileInfo data(user.filePath(QStringLiteral("data")));
    const QFileInfo target(data.symLinkTarget());
    if (!data.isSymLink() || target.fileName() != QLatin1String("data") ||
        !QFileInfo::exists(target.path() + QStringLiteral("/installed")))
        return;
    // Its copy of the executable, and the copy it was making when it was stopped; never the
    // program running now.
    const QString running = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    for (const char* name : {"vrendomaten", "vrendomaten.new"}) {
        const QString copy = user.filePath(QLatin1String(name));
        if (is_elf(copy) && QFileInfo(copy).canonicalFilePath() != running)
            QFile::remove(copy);
    }
    QFile::remove(data.filePath());
}

}  // namespace platform
