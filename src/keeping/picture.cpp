#include "keeping/picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "catalogue/catalogue.h"
#include "catalogue/picture_file.h"
#include "layouts/vrendis2001.h"

namespace keeping {

QImage figure_picture(const Vrendis2001& window) {
    return catalogue::compose(window.image_head->picture(), window.image_chest->picture(),
                              window.image_legs->picture());
}

QString picture_path(const QString& chosen) {
    return catalogue::picture_format(chosen) ? chosen : chosen + QStringLiteral(".png");
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
