#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// A figure's picture as a file, PNG or JPEG by the name's ending: for "Spara bild..." and the
// command line alike.
namespace catalogue {

// The format the name's ending asks for: "png" for .png, "jpeg" for .jpg and .jpeg, in any
// case; nothing for any other ending.
std::optional<QByteArray> picture_format(const QString& path);

// Encodes the picture in that format (JPEG at quality 95) and writes the bytes through the
// crash-safe writer. False when it could not be written; any old file is then as it was.
bool write_picture(const QImage& picture, const QString& path, const QByteArray& format);

}  // namespace catalogue
