#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {
namespace {
QString& overridden_directory() {
    static QString directory;
    return directory;
}
}  // namespace

QString program_directory() {
    QString directory = overridden_directory();
    if (directory.isEmpty())
        directory = QCoreApplication::applicationDirPath();
    while (directory.size() > 1 && (directory.endsWith('/') || directory.endsWith('\\')))
        directory.chop(1);
    return directory;
}

void set_program_directory(const QString& directory) {
    overridden_directory() = directory;
}

QString native_path(const QString& backslash_path) {
    QString path = backslash_path;
    path.replace('\\', '/');
    return QDir::toNativeSeparators(path);
}

QString program_path(const QString& backslash_name) {
    return native_path(program_directory() + backslash_name);
}

}  // namespace platform
