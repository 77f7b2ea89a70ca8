#include "support/small_disk.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFile>

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

}  // namespace

SmallDisk::SmallDisk(qint64 size) {
    const QByteArray options = "size=" + QByteArray::number(size) + ",mode=0755";
    mounted_ = folder_.isValid() && private_mounts() &&
               mount("vrendis-small-disk", QFile::encodeName(folder_.path()).constData(), "tmpfs",
                     MS_NOSUID | MS_NODEV, options.constData()) == 0;
    if (!mounted_ && qEnvironmentVariable("CI") == QLatin1String("true"))
        ADD_FAILURE() << "cannot mount a tmpfs of " << size << " bytes (CI runs as root)";
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

qint64 SmallDisk::room_for(qint64 bytes) {
    return (bytes + page_size() - 1) / page_size() * page_size();
}

}  // namespace testing_support
