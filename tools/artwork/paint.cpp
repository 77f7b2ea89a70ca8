#include "paint.h"

#include <QFontDatabase>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace art {

namespace {

QString sans_family;
QString sans_bold_family;
QString serif_family;

QString add_font(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0)
        return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

QFont make_font(const QString& family, int pixel_size, bool bold) {
    QFont font(family);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    return font;
}

// The points joined by straight lines, not closed.
QPainterPath open_path(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first) {
            path.moveTo(point);
            first = false;
        } else {
            path.lineTo(point);
        }
    }
    return path;
}

}  // namespace

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Rng::range(int low, int high) {
    const auto span = static_cast<std::uint64_t>(high - low + 1);
    return low + static_cast<int>(next() % span);
}

double Rng::unit() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

bool load_fonts(const QString& directory) {
    sans_family = add_font(directory + "/DejaVuSans.ttf");
    sans_bold_family = add_font(directory + "/DejaVuSans-Bold.ttf");
    serif_family = add_font(directory + "/DejaVuSerif-Bold.ttf");
    return !sans_family.isEmpty() && !sans_bold_family.isEmpty() && !serif_family.isEmpty();
}

QFont sans(int pixel_size, bool bold) {
    return make_font(bold ? sans_bold_family : sans_family, pixel_size, bold);
}

QFont serif(int pixel_size, bool bold) {
    return make_font(serif_family, pixel_size, bold);
}

std::vector<QPointF> scatter(std::uint64_t seed, const QRectF& area, int columns, int rows) {
    Rng rng(seed);
    std::vector<QPointF> points;
    const double w = area.width() / columns;
    const double h = area.height() / rows;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < columns; ++col) {
            const double shift = (row % 2) ? 0.5 : 0.0;
            points.emplace_back(area.left() + (col + shift + 0.25 + 0.5 * rng.unit()) * w,
                                area.top() + (row + 0.25 + 0.5 * rng.unit()) * h);
        }
    }
    return points;
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

Painter::Painter(QImage* image) : QPainter(image) {
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::TextAntialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor shade(const QColor& colour, int percent) {
    auto channel = [percent](int v) {
        if (percent <= 100)
            return v * percent / 100;
        return std::min(255, v + (255 - v) * (percent - 100) / 100);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

QColor mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath rounded(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path = open_path(points);
    path.closeSubpath();
    return path;
}

QPainterPath mirrored(std::initializer_list<QPointF> right_half) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : right_half) {
        const QPointF at(centre + point.x(), point.y());
        if (first) {
            path.moveTo(at);
            first = false;
        } else {
            path.lineTo(at);
        }
    }
    for (auto it = std::rbegin(right_half); it != std::rend(right_half); ++it) {
        path.lineTo(QPointF(centre - it->x(), it->y()));
    }
    path.closeSubpath();
    return path;
}

void fill(QPainter& p, const QPainterPath& shape, const QColor& colour, double pen) {
    p.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(shape);
}

void fill_plain(QPainter& p, const QPainterPath& shape, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(shape);
}

void limb(QPainter& p, std::initializer_list<QPointF> points, double width, const QColor& colour) {
    const QPainterPath path = open_path(points);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, width + 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
}

void arc(QPainter& p, QPointF centre_point, double rx, double ry, double start_degrees,
         double span_degrees, const QColor& colour, double width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre_point.x() - rx, centre_point.y() - ry, 2 * rx, 2 * ry);
    p.drawArc(box, static_cast<int>(start_degrees * 16), static_cast<int>(span_degrees * 16));
}

void hand(QPainter& p, QPointF at, double size, const QColor& colour, bool mirror) {
    const double side = mirror ? -1.0 : 1.0;
    const QPainterPath thumb =
        ellipse(at.x() + side * size * 0.75, at.y() - size * 0.25, size * 0.42, size * 0.3);
    fill(p, thumb, colour, 1.6);
    fill(p, ellipse(at.x(), at.y(), size, size * 0.9), colour, 1.6);
    // finger creases
    for (int i = -1; i <= 1; ++i) {
        line(p, QPointF(at.x() + i * size * 0.35, at.y() + size * 0.35),
             QPointF(at.x() + i * size * 0.35, at.y() + size * 0.75), shade(colour, 70), 1.0);
    }
}

void star(QPainter& p, QPointF at, double radius, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? radius : radius * 0.45;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(at.x() + r * std::cos(a), at.y() + r * std::sin(a));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    fill(p, path, colour, 1.2);
}

void heart(QPainter& p, QPointF at, double size, const QColor& colour) {
    QPainterPath path;
    const double x = at.x();
    const double y = at.y();
    path.moveTo(x, y + size * 0.9);
    path.cubicTo(x - size * 1.4, y - size * 0.1, x - size * 0.6, y - size * 1.0, x,
                 y - size * 0.35);
    path.cubicTo(x + size * 0.6, y - size * 1.0, x + size * 1.4, y - size * 0.1, x, y + size * 0.9);
    fill(p, path, colour, 1.2);
}

void text(QPainter& p, const QString& words, QPointF at, const QFont& font, const QColor& colour) {
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(words);
    const double baseline = at.y() + (metrics.ascent() - metrics.descent()) / 2.0;
    p.drawText(QPointF(at.x() - width / 2.0, baseline), words);
}

}  // namespace art
