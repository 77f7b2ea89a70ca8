#pragma once

#include <QByteArrayView>
#include <QString>

// The one way the program writes a file: pictures, the profile, the bookmarks.
namespace platform {

// Replaces the file at path by bytes, crash-safely: they go to a temporary file beside it, which
// replaces the old file only once every byte is on the disk. True when the file now holds the
// bytes. False when it could not be written (no folder, no permission, a full disk, an I/O
// error): any old file is then exactly as it was, and no temporary file is left.
bool write_file(const QString& path, QByteArrayView bytes);

}  // namespace platform
