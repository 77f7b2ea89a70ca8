#include "catalogue/own_part.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace catalogue {
namespace {

// Pictures are read so that what is kept fits twice the largest band: the last smooth scaling
// to the band then still averages at least two pixels into one.
constexpr QSize read_target(2 * figure_width, 2 * band_height[2]);
// A cut-out held for fitting (and for a preview redrawn at every change of kind) is no larger.
constexpr QSize largest_cutout(2 * read_target.width(), 2 * read_target.height());
// A drawing is never rendered to more pixels than this, however small its content.
constexpr double largest_rendering = 16e6;

// Opaque enough to keep; a corner colour matched per channel within this.
constexpr int opaque_alpha = 128;
constexpr int colour_tolerance = 24;

QString unreadable(const QString& path) {
    return QStringLiteral("%1 är ingen bild som går att läsa.").arg(path);
}

QString too_large(const QString& path) {
    return QStringLiteral("%1 är för stor: högst 64 megapixlar.").arg(path);
}

QString nothing_to_keep() {
    return QStringLiteral("Bilden har inget att ta med.");
}

// The scale (read pixels per picture pixel) at which `size` fits read_target.
double scale_to_target(QSizeF size) {
    return std::min(read_target.width() / size.width(), read_target.height() / size.height());
}

// How a format can be read smaller than it is stored.
enum class Scaling {
    none,
    eighths,  // JPEG: libjpeg scales by n/8 in the DCT, which is what makes a photo fast
    any,      // a drawing renders at any size
};

Scaling scaling_of(const QByteArray& format) {
    if (format == "jpeg")
        return Scaling::eighths;
    if (format == "svg" || format == "svgz")
        return Scaling::any;
    return Scaling::none;
}

// The scale to read at to get at least `wanted`.
double reachable(Scaling scaling, double wanted) {
    switch (scaling) {
        case Scaling::none:
            return 1;
        case Scaling::eighths:
            return std::clamp(std::ceil(wanted * 8 - 1e-9), 1.0, 8.0) / 8;
        case Scaling::any:
            return wanted;
    }
    return 1;
}

QImageReader& prepared(QImageReader& reader) {
    reader.setAutoTransform(true);
    // The size from the header is checked before reading; this stops a format that tells none.
    // Eight bytes a pixel is the widest Qt decodes into.
    reader.setAllocationLimit(static_cast<int>(largest_own_picture * 8 / (1024 * 1024) + 1));
    return reader;
}

// Reads the picture at `scale` of its stored size. The size asked for is rounded down, so that
// a JPEG is scaled in its DCT to exactly that size and not scaled again after.
QImage read(QImageReader& reader, QSize stored, double scale) {
    if (scale != 1 && stored.isValid()) {
        reader.setScaledSize(QSize(std::max(1, static_cast<int>(stored.width() * scale)),
                                   std::max(1, static_cast<int>(stored.height() * scale))));
    }
    QImage image;
    reader.read(&image);
    return image;
}

bool same_colour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= colour_tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= colour_tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= colour_tolerance;
}

// A picture's pixels composited on black, which of them are background, and the box around
// the rest.
struct Content {
    QImage pixels;
    std::vector<char> background;
    QRect box;
};

// Marks every pixel with the four corners' colour that is 4-connected to the border, when the
// corners agree on one.
void mark_border_colour(const QImage& pixels, std::vector<char>& background) {
    const int width = pixels.width();
    const int height = pixels.height();
    const QRgb corners[] = {pixels.pixel(0, 0), pixels.pixel(width - 1, 0),
                            pixels.pixel(0, height - 1), pixels.pixel(width - 1, height - 1)};
    for (QRgb corner : corners) {
        for (QRgb other : corners) {
            if (!same_colour(corner, other))
                return;
        }
    }
    int sum[3] = {};
    for (QRgb corner : corners) {
        sum[0] += qRed(corner);
        sum[1] += qGreen(corner);
        sum[2] += qBlue(corner);
    }
    const QRgb colour = qRgb((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4);

    std::vector<int> to_visit;
    auto visit = [&](int x, int y) {
        const int at = y * width + x;
        if (background[at] ||
            !same_colour(reinterpret_cast<const QRgb*>(pixels.constScanLine(y))[x], colour))
            return;
        background[at] = 1;
        to_visit.push_back(at);
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!to_visit.empty()) {
        const int at = to_visit.back();
        to_visit.pop_back();
        const int x = at % width;
        const int y = at / width;
        if (x > 0)
            visit(x - 1, y);
        if (x + 1 < width)
            visit(x + 1, y);
        if (y > 0)
            visit(x, y - 1);
        if (y + 1 < height)
            visit(x, y + 1);
    }
}

// Background is what is transparent; in a picture with nothing transparent, the colour of the
// border as its four corners agree on it.
Content find_content(QImage picture) {
    Content content;
    if (picture.isNull())
        return content;
    const bool alpha = picture.hasAlphaChannel();
    // In place where Qt can: a large picture is not held twice.
    content.pixels = std::move(picture);
    content.pixels.convertTo(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const int width = content.pixels.width();
    const int height = content.pixels.height();
    content.background.assign(static_cast<std::size_t>(width) * height, 0);
    bool transparent = false;
    if (alpha) {
        for (int y = 0; y < height; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(content.pixels.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                if (qAlpha(line[x]) < opaque_alpha) {
                    content.background[y * width + x] = 1;
                    transparent = true;
                }
            }
        }
    }
    if (!transparent)
        mark_border_colour(content.pixels, content.background);

    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const char* line = content.background.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (line[x])
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (right >= 0)
        content.box = QRect(QPoint(left, top), QPoint(right, bottom));
    return content;
}

// The box of the content, background black and the rest on black, no larger than needed.
QImage cut(const Content& content) {
    const QRect box = content.box;
    QImage image(box.size(), QImage::Format_RGB32);
    const int width = content.pixels.width();
    for (int y = 0; y < box.height(); ++y) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(content.pixels.constScanLine(box.top() + y)) + box.left();
        const char* background = content.background.data() +
                                 static_cast<std::size_t>(box.top() + y) * width + box.left();
        QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        // Premultiplied colour is the colour composited on black.
        for (int x = 0; x < box.width(); ++x)
            to[x] = background[x] ? qRgb(0, 0, 0) : from[x] | 0xff000000u;
    }
    if (box.width() > largest_cutout.width() || box.height() > largest_cutout.height())
        return image.scaled(largest_cutout, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

}  // namespace

Cutout cut_out(const QString& path) {
    QImageReader reader(path);
    if (!prepared(reader).canRead())
        return {QImage(), unreadable(path)};
    const Scaling scaling = scaling_of(reader.format());
    const QSize stored = reader.size();
    auto too_many = [](QSize size) {
        return static_cast<qint64>(size.width()) * size.height() > largest_own_picture;
    };
    // A drawing has no pixels of its own to count.
    if (scaling != Scaling::any && stored.isValid() && too_many(stored))
        return {QImage(), too_large(path)};

    // Read small where the format allows, so that the whole picture fits the target.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSizeF upright = turned ? QSizeF(stored).transposed() : QSizeF(stored);
    double scale = stored.isValid() ? reachable(scaling, scale_to_target(upright)) : 1;
    QImage image = read(reader, stored, scale);
    if (image.isNull())
        return {QImage(), unreadable(path)};
    if (scaling != Scaling::any && too_many(image.size()))
        return {QImage(), too_large(path)};
    Content content = find_content(std::move(image));
    if (content.box.isEmpty())
        return {QImage(), nothing_to_keep()};

    // Content that covers only part of the picture may want more pixels: read again at the
    // scale its box needs, a drawing within reason.
    if (stored.isValid()) {
        double wanted = reachable(scaling, scale_to_target(QSizeF(content.box.size()) / scale));
        if (scaling == Scaling::any) {
            const double area = upright.width() * upright.height();
            wanted = std::min(wanted, std::sqrt(largest_rendering / area));
        }
        if (wanted > scale * 1.05) {
            QImageReader again(path);
            Content sharper = find_content(read(prepared(again), stored, wanted));
            if (!sharper.box.isEmpty())
                content = std::move(sharper);
        }
    }
    return {cut(content), QString()};
}

Cutout cut_out(const QImage& picture) {
    if (picture.isNull())
        return {QImage(), nothing_to_keep()};
    const Content content = find_content(picture);
    if (content.box.isEmpty())
        return {QImage(), nothing_to_keep()};
    return {cut(content), QString()};
}

QImage fit(const QImage& cutout, Part part) {
    const QSize band(figure_width, band_height[index(part)]);
    const QSize size = cutout.size().scaled(band, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const int left = (band.width() - size.width()) / 2;
    const int spare = band.height() - size.height();
    const int top = part == Part::head ? spare : part == Part::chest ? spare / 2 : 0;

    QImage fitted(band, QImage::Format_RGB32);
    fitted.fill(Qt::black);
    QPainter painter(&fitted);
    painter.drawImage(QPoint(left, top),
                      cutout.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return fitted;
}

QByteArray part_jpeg(const QImage& fitted) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes baseline JPEG unless asked for progressive scans.
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    if (!writer.write(fitted))
        return QByteArray();
    return bytes;
}

QImage preview(const std::array<QImage, 3>& pictures, Part part, const QImage& fitted) {
    std::array<QImage, 3> shown = pictures;
    shown[index(part)] = fitted;
    return compose(shown[0], shown[1], shown[2]);
}

}  // namespace catalogue
