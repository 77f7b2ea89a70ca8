#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// Decoding the catalogue's pictures. A JPEG is decoded by libjpeg-turbo, which is told to fail
// on its warnings: a file whose data ends early or is corrupt gives no picture, not the grey
// half of one that a lenient decoder fills in. Any other format is read as Qt reads it.
namespace catalogue {

// True when the bytes begin as every JPEG does.
bool is_jpeg(QByteArrayView bytes);

// The JPEG in the bytes, whole and undamaged; a null image otherwise. Colour pictures come out
// as RGB32, grey ones as Grayscale8. Safe to call on several threads at once.
QImage decode_jpeg(QByteArrayView bytes);

// The picture the file holds: a JPEG through decode_jpeg, anything else through Qt. A null
// image when the file is missing, empty, unreadable or does not decode.
QImage decode_picture(const QString& path);

}  // namespace catalogue
