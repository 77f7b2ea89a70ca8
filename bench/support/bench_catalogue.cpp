#include "bench_catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "platform/paths.h"

namespace bench_support {

Catalogue::Catalogue() {
    if (QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/vrendisar.ini")) &&
        QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/data/huvuden/h1.jpg"))) {
        directory_ = QStringLiteral(VRENDIS_PROGRAM_DIR);
    } else {
        directory_ = temporary_.path();
        for (int n = 1; n <= 8; ++n) {
            write_part(QStringLiteral("huvuden/h%1.jpg").arg(n), 87, n);
            write_part(QStringLiteral("broest/c%1.jpg").arg(n), 123, n);
            write_part(QStringLiteral("ben/l%1.jpg").arg(n), 195, n);
        }
        QFile profile(directory_ + "/vrendisar.ini");
        if (profile.open(QIODevice::WriteOnly)) {
            profile.write(
                "[Vrendomaten]\r\nAntal_Huvuden=8\r\nAntal_Broest=8\r\nAntal_Ben=8\r\n"
                "Huvuden=\\data\\huvuden\\\r\nBroest=\\data\\broest\\\r\n"
                "Ben=\\data\\ben\\\r\nAntal_vrendisar=8\r\nVisa_splash=0\r\n");
        }
    }
    platform::set_program_directory(directory_);
    for (const char* kind : {"huvuden/h", "broest/c", "ben/l"}) {
        std::vector<QString> files;
        for (int n = 1; QFile::exists(part(kind, n)); ++n) files.push_back(part(kind, n));
        parts_.push_back(std::move(files));
    }
}

QString Catalogue::part(const char* kind, int number) const {
    return directory_ + "/data/" + kind + QString::number(number) + ".jpg";
}

void Catalogue::write_part(const QString& name, int height, int seed) {
    QDir().mkpath(QFileInfo(directory_ + "/data/" + name).absolutePath());
    QImage image(285, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < 285; ++x)
            image.setPixel(x, y, qRgb((x * seed) % 256, (x * y) % 256, y));
    }
    image.save(directory_ + "/data/" + name, "JPG");
}

Catalogue& catalogue() {
    static Catalogue instance;
    return instance;
}

}  // namespace bench_support
