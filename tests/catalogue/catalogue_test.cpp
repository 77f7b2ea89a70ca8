#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <QImage>

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

}  // namespace
