#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing_support {

// A file system of its own, a tmpfs of a given size mounted on a fresh folder for as long as it
// lives: for writes that run out of space. Mounting needs root, as CI has; elsewhere mounted()
// is false and the test skips, except under CI=true, where the mount failing is a failure. The
// mount is made in a mount namespace of the test's own, so it goes with the test whatever
// happens.
class SmallDisk {
public:
    explicit SmallDisk(qint64 size);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.filePath(name); }

    // The room a file of that size takes there: whole pages.
    static qint64 room_for(qint64 bytes);

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

}  // namespace testing_support
