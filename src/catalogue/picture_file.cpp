#include "catalogue/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include "platform/file_writer.h"

namespace catalogue {

std::optional<QByteArray> picture_format(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return QByteArray("png");
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QByteArray("jpeg");
    return std::nullopt;
}

bool write_picture(const QImage& picture, const QString& path, const QByteArray& format) {
    // In memory first: the file is then written in one go by the one writer.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg")
        writer.setQuality(95);
    return writer.write(picture) && platform::write_file(path, bytes);
}

}  // namespace catalogue
