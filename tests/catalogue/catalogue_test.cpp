#include "catalogue/catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <functional>
#include <random>

#include "catalogue/check.h"
#include "support/program_fixture.h"

namespace {

using catalogue::Part;
using testing_support::ProgramDirectory;

TEST(Catalogue, ReadsTheProfileAndNamesEachPicture) {
    ProgramDirectory program;
    const catalogue::Catalogue read = catalogue::Catalogue::read();
    EXPECT_EQ(read.count_of(Part::head), QString::number(testing_support::heads));
    EXPECT_EQ(read.count_of(Part::chest), QString::number(testing_support::chests));
    EXPECT_EQ(read.count_of(Part::legs), QString::number(testing_support::legs));
    EXPECT_EQ(read.picture_path(Part::head, 2), program.picture_path('h', 2));
    EXPECT_EQ(read.picture_path(Part::legs, 5), program.picture_path('l', 5));

    const QImage chest = catalogue::load_part(read.picture_path(Part::chest, 3));
    EXPECT_EQ(chest.size(), program.picture_size('c', 3));
    program.write_broken_picture('c', 3);
    EXPECT_TRUE(catalogue::load_part(read.picture_path(Part::chest, 3)).isNull());
}

TEST(Catalogue, CountsAreWholeNumbersFromOneTo32767) {
    EXPECT_EQ(catalogue::count_value("1"), 1);
    EXPECT_EQ(catalogue::count_value("007"), 7);
    EXPECT_EQ(catalogue::count_value("32767"), 32767);
    for (const char* no_count : {"0", "-3", "32768", "2.5", "x", "", "inf"})
        EXPECT_FALSE(catalogue::count_value(no_count)) << no_count;
}

QImage filled(int width, int height, Qt::GlobalColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Head above chest above legs, each left-aligned in its band; a part too tall for its band is
// cut to it, a missing one leaves the band black.
TEST(Catalogue, ComposesTheFigureIntoOnePicture) {
    const QImage figure =
        catalogue::compose(filled(100, 87, Qt::red), QImage(), filled(285, 300, Qt::blue));
    ASSERT_EQ(figure.size(), QSize(285, 87 + 123 + 195));
    EXPECT_EQ(figure.pixel(0, 0), QColor(Qt::red).rgb());
    EXPECT_EQ(figure.pixel(99, 86), QColor(Qt::red).rgb());
    EXPECT_EQ(figure.pixel(100, 0), QColor(Qt::black).rgb());
    EXPECT_EQ(figure.pixel(0, 87), QColor(Qt::black).rgb());
    EXPECT_EQ(figure.pixel(284, 209), QColor(Qt::black).rgb());
    EXPECT_EQ(figure.pixel(0, 210), QColor(Qt::blue).rgb());
    EXPECT_EQ(figure.pixel(284, 404), QColor(Qt::blue).rgb());
}

// A legs picture of its proper size, and one way of damaging its file.
struct Damage {
    const char* name;
    std::function<QByteArray(QByteArray)> apply;
    const char* problem;  // what --check --full says of it; nothing for a sound picture
};

// Noise: a JPEG of some 40 kB, so that its first 2,000 bytes hold a fraction of its scan.
QByteArray noisy_legs_jpeg() {
    QImage image(285, 195, QImage::Format_RGB32);
    std::mt19937 engine(5);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, engine() | 0xff000000);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(image);
    return buffer.data();
}

const Damage damages[] = {
    {"sound", [](QByteArray bytes) { return bytes; }, nullptr},
    {"cut to 2000 bytes", [](QByteArray bytes) { return bytes.left(2000); }, "går inte att avkoda"},
    {"a JPEG's first bytes and garbage",
     [](QByteArray) { return QByteArray("\xFF\xD8\xFF garbage"); }, "går inte att avkoda"},
    {"corrupt data in the middle",
     [](QByteArray bytes) { return bytes.replace(bytes.size() / 2, 64, QByteArray(64, '\x5a')); },
     "går inte att avkoda"},
    {"zero length", [](QByteArray) { return QByteArray(); }, "är ingen JPEG-bild"},
    {"not a JPEG", [](QByteArray) { return QByteArray("[Bookmarks]\r\n"); }, "är ingen JPEG-bild"},
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

class DamagedPicture : public testing::TestWithParam<Damage> {};

// The window's loading and the full check agree: a damaged file is no picture at all.
TEST_P(DamagedPicture, IsNoPictureToTheLoaderOrTheFullCheck) {
    ProgramDirectory program;
    const QString path = program.picture_path('l', 2);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(GetParam().apply(noisy_legs_jpeg()));
    }
    const char* problem = GetParam().problem;
    const QImage loaded = catalogue::load_part(path);
    EXPECT_EQ(loaded.isNull(), problem != nullptr);
    if (!problem) {
        EXPECT_EQ(loaded.size(), QSize(285, 195));
    }
    EXPECT_FALSE(catalogue::load_part(program.picture_path('l', 3)).isNull())
        << "a damaged picture spoils none loaded after it";

    std::vector<std::string> about_it;
    for (const QString& found : catalogue::check_catalogue(true).problems) {
        if (found.startsWith(path + QLatin1Char(' ')))
            about_it.push_back(found.toStdString());
    }
    if (problem) {
        EXPECT_THAT(about_it, testing::ElementsAre(path.toStdString() + ' ' + problem + '.'));
    } else {
        EXPECT_THAT(about_it, testing::IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedPicture, testing::ValuesIn(damages), [](const auto& info) {
    std::string name = info.param.name;
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

}  // namespace
