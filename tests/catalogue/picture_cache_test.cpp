#include "catalogue/picture_cache.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using catalogue::PictureCache;

class PictureCacheTest : public testing::Test {
protected:
    // A 285 x 87 picture of one colour; BMP, so that every colour gives a file of the same size.
    QString write(const QString& name, Qt::GlobalColor colour) {
        QImage picture(285, 87, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = directory.filePath(name);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }
    static QRgb colour_of(const QImage& picture) { return picture.pixel(10, 10); }

    QTemporaryDir directory;
    PictureCache cache{64 * 1024 * 1024};
};

TEST_F(PictureCacheTest, AFileChangedOnDiskShowsAtOnceAndARemovedOneFails) {
    const QString path = write("h1.jpg", Qt::red);
    EXPECT_EQ(colour_of(cache.load(path)), QColor(Qt::red).rgb());
    EXPECT_EQ(colour_of(cache.load(path)), QColor(Qt::red).rgb());
    EXPECT_EQ(cache.decodes(), 1) << "an unchanged file is decoded once";

    // Replaced by another file (a new inode), as a drawing program saving over it does.
    const QString other = write("new.jpg", Qt::green);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(other, path));
    EXPECT_EQ(colour_of(cache.load(path)), QColor(Qt::green).rgb());

    // Rewritten in place, same size, its modification time set back: the change time tells.
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
    write("h1.jpg", Qt::blue);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    EXPECT_EQ(colour_of(cache.load(path)), QColor(Qt::blue).rgb());

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_TRUE(cache.load(path).isNull());
    EXPECT_EQ(cache.held_bytes(), 0);
    // Nor is a file that holds no picture kept or shown.
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("no picture");
    broken.close();
    EXPECT_TRUE(cache.load(path).isNull());
    EXPECT_EQ(cache.decodes(), 3);
}

// A catalogue larger than the cache: every picture is still the right one, the pixels held stay
// within the capacity, and the least recently used picture is the one that leaves.
TEST_F(PictureCacheTest, ASmallCacheKeepsTheMostRecentPictures) {
    const Qt::GlobalColor colours[] = {Qt::red, Qt::green, Qt::blue};
    QStringList paths;
    for (int i = 0; i < 3; ++i) paths << write(QStringLiteral("h%1.jpg").arg(i + 1), colours[i]);
    const qsizetype picture_bytes = 285 * 87 * 4;
    cache.set_capacity(2 * picture_bytes);

    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(colour_of(cache.load(paths[i])), QColor(colours[i]).rgb());
            EXPECT_LE(cache.held_bytes(), 2 * picture_bytes);
        }
    }
    EXPECT_EQ(cache.decodes(), 9) << "a cycle longer than the cache decodes every time";

    const long decoded = cache.decodes();
    cache.load(paths[2]);
    cache.load(paths[1]);
    EXPECT_EQ(cache.decodes(), decoded) << "the two most recent pictures stay";
    cache.load(paths[0]);
    cache.load(paths[1]);
    EXPECT_EQ(cache.decodes(), decoded + 1) << "the least recent one left first";

    cache.set_capacity(0);
    EXPECT_EQ(cache.held_bytes(), 0);
    EXPECT_EQ(colour_of(cache.load(paths[0])), QColor(colours[0]).rgb());
}

}  // namespace
