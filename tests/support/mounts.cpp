#include "support/mounts.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace testing_support {
namespace {

// Once per test program: the mounts below are then private to it and vanish when it ends.
bool private_mounts() {
    static const bool done = unshare(CLONE_NEWNS) == 0 &&
                             mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return done;
}

qint64 page_size() {
    return sysconf(_SC_PAGESIZE);
}

bool in_ci() {
    return qEnvironmentVariable("CI") == QLatin1String("true");
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Read (and for a folder, search) permissions, and write permission for the owner when asked.
QFile::Permissions permissions(const QString& path, bool writable) {
    QFile::Permissions allowed = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    if (QFileInfo(path).isDir())
        allowed |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    return writable ? allowed | QFile::WriteOwner : allowed;
}

}  // namespace

SmallDisk::SmallDisk(qint64 size) {
    const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0755";
    mounted_ = folder_.isValid() && private_mounts() &&
               mount("vrendis-small-disk", native(folder_.path()).constData(), "tmpfs",
                     MS_NOSUID | MS_NODEV, options.constData()) == 0;
    if (!mounted_ && in_ci())
        ADD_FAILURE() << "cannot mount a tmpfs of " << size << " bytes (CI runs as root)";
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        umount2(native(folder_.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::room_for(qint64 bytes) {
    return (bytes + page_size() - 1) / page_size() * page_size();
}

ReadOnlyFile::ReadOnlyFile(const QString& path) : path_(path) {
    if (geteuid() != 0) {
        read_only_ = QFile::setPermissions(path, permissions(path, false));
        return;
    }
    const QByteArray file = native(path);
    mounted_ = private_mounts() &&
               mount(file.constData(), file.constData(), nullptr, MS_BIND, nullptr) == 0;
    read_only_ = mounted_ && mount(nullptr, file.constData(), nullptr,
                                   MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    if (!read_only_ && in_ci())
        ADD_FAILURE() << "cannot bind " << file.constData() << " read-only (CI runs as root)";
}

ReadOnlyFile::~ReadOnlyFile() {
    if (mounted_)
        umount2(native(path_).constData(), MNT_DETACH);
    else if (geteuid() != 0)
        QFile::setPermissions(path_, permissions(path_, true));
}

}  // namespace testing_support
