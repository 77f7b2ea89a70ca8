#include "keeping/picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>

#include "catalogue/catalogue.h"
#include "layouts/vrendis2001.h"

namespace keeping {

QImage figure_picture(const Vrendis2001& window) {
    return catalogue::compose(window.image_head->picture(), window.image_chest->picture(),
                              window.image_legs->picture());
}

PictureFile picture_file(const QString& chosen) {
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return {chosen, "png"};
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return {chosen, "jpg"};
    return {chosen + QStringLiteral(".png"), "png"};
}

bool write_picture(const QImage& picture, const PictureFile& file) {
    QSaveFile out(file.path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&out, file.format);
    if (qstrcmp(file.format, "jpg") == 0)
        writer.setQuality(95);
    if (!writer.write(picture)) {
        out.cancelWriting();
        return false;
    }
    // A write that failed on the way (a full disk) makes the commit fail and leaves the old
    // file, or none.
    return out.commit();
}

void copy_picture(const QImage& picture, const QString& id) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), png);
    data->setImageData(picture);
    data->setText(id);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace keeping
