#include "catalogue/sheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "layouts/layout_table.h"

namespace {

static_assert(catalogue::sheet_id_colour == layouts::list_grey, "the IDs are in the list's grey");

using catalogue::Part;

// Every part picture one colour of its own: heads red, chests green, legs blue, another channel
// telling the number.
QRgb colour_of(Part part, int number) {
    const int shade = 40 * number;
    const QRgb colours[] = {qRgb(255, shade, 0), qRgb(0, 255, shade), qRgb(shade, 0, 255)};
    return colours[catalogue::index(part)];
}

// Where a cell's figure shows each part, well inside its band once scaled.
constexpr int band_middle[] = {20, 75, 150};

bool black(const QImage& picture, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picture.pixel(x, y) != qRgb(0, 0, 0))
                return false;
    return true;
}

// A sheet split into pages of three, two columns: each figure's parts in its cell in list order,
// its ID under it; a bookmark whose picture is missing gets its ID alone, cut to the cell.
TEST(Sheet, ComposesTheBookmarksInOrderPageByPage) {
    QTemporaryDir folder;
    catalogue::Catalogue read;
    for (Part part : catalogue::parts) {
        const QString directory = folder.filePath(catalogue::letter(part)) + '/';
        QDir().mkpath(directory);
        read.directory[catalogue::index(part)] = directory;
        for (int number = 1; number <= 3; ++number) {
            QImage picture(catalogue::figure_width, catalogue::band_height[catalogue::index(part)],
                           QImage::Format_RGB32);
            picture.fill(colour_of(part, number));
            ASSERT_TRUE(picture.save(read.picture_path(part, std::int16_t(number)), "BMP"));
        }
    }
    // A bookmark without a picture (there is no l3....) and with an ID too long for its cell:
    // cut at the end, the ID's letters show at the left; cut anywhere else, only dots would.
    const QString long_missing = "h1c2l3" + QString(60, '.');
    const std::vector<QString> ids = {"h1c2l3", "h3c3l1", long_missing, "h2c1l2", "h3c2l1"};

    const auto pages = catalogue::sheet_pages(ids, 3);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[1].size(), 2u);
    EXPECT_EQ(pages[1][0], "h2c1l2");
    EXPECT_EQ(catalogue::sheet_file("ut/bokmarken.png", 0), "ut/bokmarken.png");
    EXPECT_EQ(catalogue::sheet_file("ut/bokmarken.png", 2), "ut/bokmarken-3.png");
    EXPECT_EQ(catalogue::sheet_file("ut.d/bokmarken", 1), "ut.d/bokmarken-2");

    const catalogue::Sheet first = catalogue::compose_sheet(read, pages[0], 2);
    EXPECT_EQ(first.picture.size(), QSize(8 + 2 * (143 + 8), 8 + 2 * (203 + 14 + 8)));
    EXPECT_EQ(first.unloaded, std::vector<QString>{long_missing});
    const catalogue::Sheet second = catalogue::compose_sheet(read, pages[1], 2);
    EXPECT_EQ(second.picture.size(), QSize(8 + 2 * (143 + 8), 8 + 203 + 14 + 8));
    EXPECT_TRUE(second.unloaded.empty());

    const QImage* sheets[] = {&first.picture, &first.picture, &first.picture, &second.picture,
                              &second.picture};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        SCOPED_TRACE(ids[i].toStdString());
        const QImage& sheet = *sheets[i];
        const QPoint cell(8 + int(i % 3 % 2) * (143 + 8), 8 + int(i % 3 / 2) * (203 + 14 + 8));
        const QRect id_row(cell + QPoint(0, 203), QSize(143, 14));
        if (ids[i] == long_missing) {
            EXPECT_TRUE(black(sheet, QRect(cell, QSize(143, 203))));
            EXPECT_FALSE(black(sheet, QRect(id_row.topLeft(), QSize(40, 6))));
        } else {
            for (Part part : catalogue::parts) {
                const std::size_t p = catalogue::index(part);
                const int number = ids[i].at(2 * qsizetype(p) + 1).digitValue();
                for (int x : {0, 71, 142}) {
                    EXPECT_EQ(sheet.pixel(cell + QPoint(x, band_middle[p])),
                              colour_of(part, number));
                }
            }
        }
        // The ID in the list's grey, smoothed at its edges.
        int brightest = 0;
        for (int y = id_row.top(); y <= id_row.bottom(); ++y) {
            for (int x = id_row.left(); x <= id_row.right(); ++x) {
                const QRgb pixel = sheet.pixel(x, y);
                ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
                brightest = std::max(brightest, qRed(pixel));
            }
        }
        EXPECT_GT(brightest, 0xA0);
        EXPECT_LE(brightest, qRed(catalogue::sheet_id_colour));
    }
}

}  // namespace
