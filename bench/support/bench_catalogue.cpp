#include "bench_catalogue.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "platform/paths.h"

namespace bench_support {

namespace {

// The built program directory's files, the profile changed to start with a figure.
bool copy_program(const QString& to) {
    const QString from = QStringLiteral(VRENDIS_PROGRAM_DIR);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(source, target))
            return false;
    }
    QFile profile(to + "/vrendisar.ini");
    if (!profile.open(QIODevice::ReadWrite))
        return false;
    const QByteArray text = profile.readAll().replace("Visa_splash=1", "Visa_splash=0");
    return profile.resize(0) && profile.write(text) == text.size();
}

}  // namespace

Catalogue::Catalogue() {
    directory_ = temporary_.path();
    const bool demo = QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/data/huvuden/h1.jpg"));
    if (!demo || !copy_program(directory_)) {
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
