#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Shared drawing kit of the artwork renderer: the figure geometry every part agrees on, the
// house colours, a seeded random stream and a few cartoon primitives.
namespace art {

// Part pictures. Every part is drawn around one vertical centre line; the head's neck and the
// chest's collar meet on one x-range, the chest's hem and the legs' waistband on another. The
// parts overlap by one row in the window (the chest's row 0 lies over the head's last row).
inline constexpr int part_width = 285;
inline constexpr int head_height = 87;
inline constexpr int chest_height = 123;
inline constexpr int legs_height = 195;
inline constexpr int figure_height = head_height + chest_height + legs_height - 2;
inline constexpr double centre = 142.5;
inline constexpr double neck_half = 13.5;   // pixel columns 129..155
inline constexpr double waist_half = 38.5;  // pixel columns 104..180

inline const QColor background{0, 0, 0};
inline const QColor ink{40, 30, 54};  // outlines: dark enough to read as drawing, not as black
inline const QColor accent{1, 83, 150};
inline const QColor panel{239, 239, 239};  // the left panel's button face under Qt Fusion
inline const QColor white{255, 255, 255};

// A small deterministic stream (SplitMix64), so every build draws the same pictures.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    int range(int low, int high);  // inclusive
    double unit();                 // [0, 1)
    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t state_;
};

// Fonts come from the DejaVu files by path, so the system's font setup cannot change a picture.
bool load_fonts(const QString& directory);
QFont sans(int pixel_size, bool bold = false);
QFont serif(int pixel_size, bool bold = false);

// Points spread evenly but not in rows over an area: a jittered grid, the same for the same seed.
std::vector<QPointF> scatter(std::uint64_t seed, const QRectF& area, int columns, int rows);

QImage canvas(int width, int height, const QColor& fill = background);

// A painter with antialiasing on.
class Painter : public QPainter {
public:
    explicit Painter(QImage* image);
};

QColor shade(const QColor& colour, int percent);  // < 100 darker, > 100 lighter
QColor mix(const QColor& a, const QColor& b, double t);

QPainterPath ellipse(double cx, double cy, double rx, double ry);
QPainterPath rounded(double x, double y, double w, double h, double r);
QPainterPath polygon(std::initializer_list<QPointF> points);
// A shape mirrored about the centre line: the points give the right half, top to bottom.
QPainterPath mirrored(std::initializer_list<QPointF> right_half);

// Fills a shape and outlines it with ink.
void fill(QPainter& p, const QPainterPath& shape, const QColor& colour, double pen = 2.0);
void fill_plain(QPainter& p, const QPainterPath& shape, const QColor& colour);
// A thick rounded stroke (limb, strap) with an ink rim.
void limb(QPainter& p, std::initializer_list<QPointF> points, double width, const QColor& colour);
void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width);
void arc(QPainter& p, QPointF centre_point, double rx, double ry, double start_degrees,
         double span_degrees, const QColor& colour, double width);
// A cartoon glove or mitten, centred at the point.
void hand(QPainter& p, QPointF at, double size, const QColor& colour, bool mirror);
void star(QPainter& p, QPointF at, double radius, const QColor& colour);
void heart(QPainter& p, QPointF at, double size, const QColor& colour);

// Text in the DejaVu font, centred on a point.
void text(QPainter& p, const QString& words, QPointF at, const QFont& font, const QColor& colour);

}  // namespace art
