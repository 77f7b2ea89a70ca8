#pragma once

#include <QString>
#include <QTemporaryDir>

// Files that cannot be written, for tests that run as root as well as for those that do not. The
// mounts are made in a mount namespace of the test program's own, so they go with it whatever
// happens. Mounting needs root, as CI has; under CI=true a mount that fails is a failure.
namespace testing_support {

// A file system of its own, a tmpfs of a given size mounted on a fresh folder for as long as it
// lives: for writes that run out of space. Without root, mounted() is false and the test skips.
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

// Makes an existing file or folder read-only for as long as it lives, while the folder it stands
// in stays writable: bound read-only onto itself for root, who writes files whatever their
// permissions; its write permissions taken away for anyone else. read_only() is false where root
// cannot mount.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool read_only() const { return read_only_; }

private:
    QString path_;
    bool mounted_ = false;
    bool read_only_ = false;
};

}  // namespace testing_support
