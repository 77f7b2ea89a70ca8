#include "platform/file_writer.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <unistd.h>

#include <cerrno>
#endif

namespace platform {
namespace {

// Qt's commit() syncs but ignores the answer; a write that only fails there (a full disk on a
// network file system) must not replace the old file.
bool synced(const QSaveFile& file) {
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL;  // EINVAL: a file that cannot sync
#else
    Q_UNUSED(file);
    return true;
#endif
}

}  // namespace

bool write_file(const QString& path, QByteArrayView bytes) {
    // Unbuffered: Qt 6.4's commit() misses an error met while it empties its write buffer (a
    // full disk during the last bytes) and renames the short file into place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || !synced(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace platform
