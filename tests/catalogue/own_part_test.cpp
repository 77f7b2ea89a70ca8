#include "catalogue/own_part.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include "catalogue/check.h"
#include "support/program_fixture.h"

namespace {

using catalogue::Part;

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray encoded(const QImage& image, const char* format, int quality = 100) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.write(image);
    return buffer.data();
}

QImage filled(int width, int height, QColor colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// A red disc, a blue square of alpha 200 in it, on transparent white, behind which a green
// veil of alpha 100 counts as background too.
QByteArray transparent_disc() {
    QImage image = filled(200, 160, QColor(255, 255, 255, 0), QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(10, 10, 180, 140, QColor(0, 255, 0, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QPoint(120, 80), 50, 50);
    painter.fillRect(110, 70, 20, 20, QColor(0, 0, 255, 200));
    painter.end();
    return encoded(image, "png");
}

// An orange bar of 5:1 on blue-grey, one corner a little off that colour; a hole of the border's
// colour in the bar is no background, as it does not touch the border.
QImage bar_on_border() {
    QImage image = filled(400, 300, QColor(40, 90, 160));
    image.setPixelColor(0, 0, QColor(60, 100, 140));
    QPainter painter(&image);
    painter.fillRect(60, 100, 250, 50, QColor(250, 160, 30));
    painter.fillRect(160, 115, 50, 20, QColor(40, 90, 160));
    painter.end();
    return image;
}

QByteArray uniform_border() {
    return encoded(bar_on_border(), "png");
}

// With corners that do not agree, the whole picture is kept.
QByteArray corners_disagree() {
    QImage image = bar_on_border();
    image.setPixelColor(0, 0, QColor(40, 90, 160));
    image.setPixelColor(399, 299, QColor(40, 90, 200));
    return encoded(image, "png");
}

// A photo stored on its side with the tag that turns it upright (clockwise): a white bar of 3:1
// on black, its left third red, which upright is a bar of 1:3, red at the top. Large enough to
// be read reduced.
QByteArray photo_on_its_side() {
    QImage image = filled(1536, 1024, Qt::black);
    QPainter painter(&image);
    painter.fillRect(288, 352, 960, 320, Qt::white);
    painter.fillRect(288, 352, 320, 320, Qt::red);
    painter.end();
    QByteArray bytes = encoded(image, "jpeg");
    // An Exif segment (little-endian TIFF, one entry: Orientation = 6) after the JFIF one.
    const QByteArray exif(
        "\xFF\xE1\x00\x22"
        "Exif\0\0"
        "II\x2A\x00\x08\x00\x00\x00"
        "\x01\x00\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00"
        "\x00\x00\x00\x00",
        36);
    return bytes.insert(4 + ((static_cast<uchar>(bytes[4]) << 8) | static_cast<uchar>(bytes[5])),
                        exif);
}

// A green ring in the middle fifth of a 40 x 40 drawing.
QByteArray drawing() {
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40" viewBox="0 0 40 40">
              <circle cx="20" cy="20" r="4" fill="#00ff00"/>
              <circle cx="20" cy="20" r="2" fill="#000000"/></svg>)";
}

// Shades of grey within the corners' tolerance, everywhere.
QByteArray all_background() {
    QImage image(64, 48, QImage::Format_RGB32);
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 48; ++y) image.setPixel(x, y, qRgb(100, 100, 100 + x * 18 / 63));
    }
    return encoded(image, "png");
}

// A small JPEG whose header says it is 9000 x 8000.
QByteArray huge_header() {
    QByteArray bytes = encoded(filled(16, 16, Qt::gray), "jpeg");
    return bytes.replace(bytes.indexOf("\xFF\xC0") + 5, 4, QByteArray("\x1F\x40\x23\x28", 4));
}

QByteArray text() {
    return "Inte en bild.\n";
}

using Samples = std::vector<std::pair<QPoint, QColor>>;

struct Case {
    const char* name;
    // The file's name and content; no content: no file, and a name ending in "/" a folder.
    const char* file;
    QByteArray (*content)();
    Part part;
    // The refusal, the file as %1; or where the content lands in the band, and colours in it.
    const char* problem;
    QRect box;
    Samples samples;
};

Case fitted(const char* name, const char* file, QByteArray (*content)(), Part part, QRect box,
            Samples samples = {}) {
    return {name, file, content, part, nullptr, box, std::move(samples)};
}

Case refused(const char* name, const char* file, QByteArray (*content)(), const char* problem) {
    return {name, file, content, Part::head, problem, QRect(), {}};
}

const char* const unreadable = "%1 är ingen bild som går att läsa.";

const Case cases[] = {
    fitted("TransparentDisc", "a.png", transparent_disc, Part::legs, QRect(45, 0, 195, 195),
           {{{142, 97}, QColor(0, 0, 200)}, {{142, 30}, Qt::red}, {{48, 3}, Qt::black}}),
    fitted("UniformBorderHead", "a.png", uniform_border, Part::head, QRect(0, 30, 285, 57),
           {{{30, 58}, QColor(250, 160, 30)}, {{142, 58}, QColor(40, 90, 160)}}),
    fitted("UniformBorderChest", "a.png", uniform_border, Part::chest, QRect(0, 33, 285, 57)),
    fitted("UniformBorderLegs", "a.png", uniform_border, Part::legs, QRect(0, 0, 285, 57)),
    fitted("CornersDisagree", "a.png", corners_disagree, Part::head, QRect(84, 0, 116, 87),
           {{{100, 20}, QColor(40, 90, 160)}}),
    fitted("PhotoTurnedUpright", "a.jpg", photo_on_its_side, Part::chest, QRect(122, 0, 41, 123),
           {{{142, 15}, Qt::red}, {{142, 100}, Qt::white}}),
    // Rendered at the size its content is fitted at, the ring's inner edge stays sharp.
    fitted("Drawing", "a.svg", drawing, Part::legs, QRect(45, 0, 195, 195),
           {{{92, 97}, Qt::green}, {{95, 97}, Qt::black}, {{142 + 72, 97 - 72}, Qt::black}}),
    refused("AllBackground", "a.png", all_background, "Bilden har inget att ta med."),
    refused("HeaderOver64Megapixels", "a.jpg", huge_header, "%1 är för stor: högst 64 megapixlar."),
    refused("TextFile", "a.jpg", text, unreadable),
    refused(
        "EmptyFile", "a.png", [] { return QByteArray(); }, unreadable),
    refused("MissingFile", "a.png", nullptr, unreadable),
    refused("Directory", "a.png/", nullptr, unreadable),
};

// The box around the pixels that are clearly not black.
QRect lit_box(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 64)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) <= 40 && std::abs(a.green() - b.green()) <= 40 &&
           std::abs(a.blue() - b.blue()) <= 40;
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class OwnPart : public testing::TestWithParam<Case> {};

// A picture read, cut out and fitted, checked on the pixels of the JPEG the catalogue would
// get; or refused with its sentence.
TEST_P(OwnPart, FitsThePictureToItsBandOrSaysWhyNot) {
    const Case& c = GetParam();
    QTemporaryDir directory;
    const QString path = directory.filePath(c.file);
    if (path.endsWith('/'))
        QDir().mkdir(path);
    if (c.content)
        put(path, c.content());
    const catalogue::Cutout cutout = catalogue::cut_out(path);
    if (c.problem) {
        EXPECT_EQ(cutout.problem, QString::fromUtf8(c.problem).replace("%1", path));
        EXPECT_TRUE(cutout.image.isNull());
        return;
    }
    ASSERT_EQ(cutout.problem, QString());
    if (path.endsWith(".png")) {
        EXPECT_EQ(catalogue::cut_out(QImage(path)).image, cutout.image) << "as pasted";
    }

    const QImage fitted = catalogue::fit(cutout.image, c.part);
    const QByteArray bytes = catalogue::part_jpeg(fitted);
    EXPECT_TRUE(bytes.contains("\xFF\xC0") && !bytes.contains("\xFF\xC2")) << "baseline";
    EXPECT_GE(bytes.size(), encoded(fitted, "jpeg", 90).size()) << "quality 90 or more";
    const QImage stored = QImage::fromData(bytes, "jpeg");
    ASSERT_EQ(stored.size(), catalogue::part_size(c.part));
    const QRect lit = lit_box(stored);
    EXPECT_LE((lit.topLeft() - c.box.topLeft()).manhattanLength(), 2) << lit.x() << "," << lit.y();
    EXPECT_LE((lit.bottomRight() - c.box.bottomRight()).manhattanLength(), 2)
        << lit.width() << "x" << lit.height();
    for (const auto& [point, colour] : c.samples) {
        EXPECT_TRUE(near(stored.pixelColor(point), colour))
            << point.x() << "," << point.y() << ": " << qPrintable(stored.pixelColor(point).name());
    }
    const int top = c.part == Part::head ? 0 : c.part == Part::chest ? 87 : 210;
    EXPECT_EQ(catalogue::preview({}, c.part, fitted).copy(QRect(QPoint(0, top), fitted.size())),
              fitted);

    // Fitted to each kind, it is a catalogue picture like any other.
    testing_support::ProgramDirectory program;
    for (const char* key : {"Antal_Huvuden", "Antal_Broest", "Antal_Ben", "Antal_vrendisar"})
        program.set_profile_value(key, "1");
    for (Part part : catalogue::parts) {
        put(program.picture_path(*catalogue::letter(part), 1),
            catalogue::part_jpeg(catalogue::fit(cutout.image, part)));
    }
    const catalogue::Findings findings = catalogue::check_catalogue(true);
    EXPECT_TRUE(findings.problems.empty()) << qPrintable(findings.problems.front());
}

INSTANTIATE_TEST_SUITE_P(Pictures, OwnPart, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
