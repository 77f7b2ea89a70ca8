#include <array>
#include <cmath>

#include "paint.h"
#include "parts.h"

namespace art {

namespace {

constexpr double c = centre;
constexpr double hip = waist_half;
constexpr double foot_y = 176;
constexpr double leg_dx = 19;  // each leg's centre from the middle

enum class Lower {
    trousers,
    shorts,
    skirt,
    tutu,
    kilt,
    dress,
    bell,
    clown,
    tail,
    robot,
    armour,
    fur,
    wetsuit
};
enum class Look {
    plain,
    track,
    jeans,
    crease,
    dots,
    tartan,
    stars,
    scales,
    stripes,
    flowers,
    chaps
};
enum class Shoe {
    sneaker,
    smart,
    boot,
    mary_jane,
    ballet,
    flipper,
    skate,
    cleat,
    platform,
    clown,
    paw,
    peg,
    robot,
    sabaton,
    bunny,
    wellington,
    space
};

struct LegsStyle {
    Lower lower;
    QColor cloth;
    Look look;
    QColor legwear;      // tights, socks or bare legs below short garments
    QColor stripe = {};  // stockings' stripes, if any
    Shoe shoe = Shoe::sneaker;
    QColor shoe_colour = {};
};

const QColor red{224, 56, 56};
const QColor blue{52, 120, 216};
const QColor denim{66, 108, 176};
const QColor yellow{250, 206, 52};
const QColor green{70, 172, 92};
const QColor pink{246, 140, 186};
const QColor white_sock{240, 240, 244};
const QColor brown{140, 88, 50};
const QColor dark_shoe{70, 62, 84};
const QColor skin{226, 168, 118};
const QColor metal{176, 190, 204};

const LegsStyle mascot_style{Lower::trousers, denim, Look::jeans, {}, {}, Shoe::sneaker, red};

const std::array<LegsStyle, catalogue_size> styles{{
    {Lower::trousers, denim, Look::jeans, {}, {}, Shoe::sneaker, red},
    {Lower::trousers, QColor(110, 112, 128), Look::crease, {}, {}, Shoe::smart, dark_shoe},
    {Lower::shorts, QColor(196, 170, 110), Look::plain, white_sock, red, Shoe::smart, brown},
    {Lower::skirt, red, Look::plain, white_sock, {}, Shoe::mary_jane, dark_shoe},
    {Lower::robot, metal, Look::plain, metal, {}, Shoe::robot, QColor(120, 130, 146)},
    {Lower::tutu, pink, Look::plain, QColor(255, 200, 220), {}, Shoe::ballet, pink},
    {Lower::shorts, green, Look::plain, QColor(250, 250, 250), red, Shoe::boot, brown},
    {Lower::kilt, red, Look::tartan, white_sock, {}, Shoe::smart, dark_shoe},
    {Lower::tail, QColor(60, 190, 170), Look::scales, {}, {}, Shoe::flipper, QColor(120, 220, 210)},
    {Lower::clown, yellow, Look::dots, {}, {}, Shoe::clown, red},
    {Lower::trousers, QColor(150, 154, 168), Look::track, {}, white_sock, Shoe::sneaker, blue},
    {Lower::trousers, denim, Look::chaps, {}, {}, Shoe::boot, QColor(150, 90, 50)},
    {Lower::shorts, brown, Look::plain, QColor(236, 232, 220), {}, Shoe::smart, dark_shoe},
    {Lower::trousers, QColor(60, 80, 150), Look::plain, {}, {}, Shoe::wellington, yellow},
    {Lower::trousers,
     QColor(236, 238, 244),
     Look::plain,
     {},
     {},
     Shoe::space,
     QColor(150, 156, 170)},
    {Lower::bell,
     QColor(244, 140, 50),
     Look::flowers,
     {},
     {},
     Shoe::platform,
     QColor(160, 90, 200)},
    {Lower::dress,
     QColor(150, 96, 210),
     Look::stars,
     {},
     {},
     Shoe::mary_jane,
     QColor(250, 210, 60)},
    {Lower::shorts, QColor(240, 90, 140), Look::plain, skin, {}, Shoe::skate, QColor(90, 200, 240)},
    {Lower::wetsuit, QColor(40, 60, 90), Look::plain, {}, {}, Shoe::flipper, yellow},
    {Lower::armour,
     QColor(196, 204, 216),
     Look::plain,
     {},
     {},
     Shoe::sabaton,
     QColor(170, 178, 190)},
    {Lower::fur,
     QColor(244, 160, 70),
     Look::stripes,
     {},
     QColor(220, 120, 40),
     Shoe::paw,
     QColor(244, 160, 70)},
    {Lower::trousers, QColor(120, 160, 230), Look::stars, {}, {}, Shoe::bunny, white_sock},
    {Lower::shorts, white_sock, Look::plain, blue, white_sock, Shoe::cleat, QColor(60, 60, 70)},
    {Lower::trousers, white_sock, Look::stripes, {}, red, Shoe::peg, brown},
}};

QPainterPath trousers_path(double hem_y, double hem_half, double crotch_y) {
    QPainterPath path;
    path.moveTo(c - hip, -3);
    path.lineTo(c + hip, -3);
    path.lineTo(c + hip, 6);  // straight below the waistband, so the seam row is the waist
    path.lineTo(c + hem_half, hem_y);
    path.lineTo(c + 3, hem_y);
    path.lineTo(c, crotch_y);
    path.lineTo(c - 3, hem_y);
    path.lineTo(c - hem_half, hem_y);
    path.lineTo(c - hip, 6);
    path.closeSubpath();
    return path;
}

void draw_bare_legs(QPainter& p, const LegsStyle& s, double from_y) {
    for (int side : {-1, 1}) {
        const double x = c + side * leg_dx;
        limb(p, {{x, from_y}, {x + side * 1.5, foot_y - 8}}, 13, s.legwear);
        if (s.stripe.isValid()) {
            p.save();
            QPainterPath leg;
            leg.addRect(QRectF(x - 7, from_y, 14, foot_y - from_y));
            p.setClipPath(leg);
            const double top = s.lower == Lower::shorts && s.shoe == Shoe::smart ? 120 : from_y;
            for (double y = top; y < foot_y; y += 9)
                fill_plain(p, rounded(x - 9, y, 18, 4.5, 0), s.stripe);
            p.restore();
        }
    }
}

void draw_shoe(QPainter& p, const LegsStyle& s, int side) {
    const double x = c + side * leg_dx + side * 1.5;
    const double y = foot_y;
    const QColor& k = s.shoe_colour;
    auto toe = [&](double dx) { return x + side * dx; };
    // cartoon shoes are big
    p.save();
    p.translate(x, y);
    p.scale(1.3, 1.3);
    p.translate(-x, -y);
    switch (s.shoe) {
        case Shoe::sneaker:
        case Shoe::cleat:
            fill(p, rounded(std::min(toe(-8), toe(20)), y - 8, 28, 14, 7), k);
            fill(p, rounded(std::min(toe(-9), toe(21)), y + 2, 30, 5, 2.5), white, 1.6);
            line(p, {toe(0), y - 4}, {toe(8), y - 6}, white, 1.6);
            if (s.shoe == Shoe::cleat) {
                for (double dx : {-4.0, 6.0, 16.0})
                    fill(p, rounded(toe(dx) - 1.5, y + 6, 3, 4, 1), QColor(200, 200, 210), 1);
            }
            break;
        case Shoe::smart:
        case Shoe::mary_jane:
            fill(p, rounded(std::min(toe(-7), toe(19)), y - 7, 26, 13, 6.5), k);
            fill_plain(p, ellipse(toe(10), y - 3, 4, 1.6), shade(k, 170));
            if (s.shoe == Shoe::mary_jane)
                line(p, {toe(-6), y - 5}, {toe(6), y - 5}, ink, 3);
            break;
        case Shoe::boot:
        case Shoe::wellington:
            fill(p, rounded(x - 9, y - 30, 18, 32, 3), k);
            fill(p, rounded(std::min(toe(-9), toe(20)), y - 6, 29, 12, 6), k);
            fill(p, rounded(x - 10, y - 32, 20, 6, 2), shade(k, 85), 1.6);
            if (s.shoe == Shoe::boot && s.lower == Lower::trousers) {
                fill(p, ellipse(toe(-10), y, 3.5, 3.5), yellow, 1.2);  // spur
            }
            break;
        case Shoe::ballet:
            fill(p, ellipse(toe(6), y, 12, 6), k);
            line(p, {x - 4, y - 3}, {x + 5, y - 22}, k, 1.6);
            line(p, {x + 4, y - 3}, {x - 5, y - 22}, k, 1.6);
            break;
        case Shoe::flipper: {
            QPainterPath fin;
            fin.moveTo(x - 7, y - 8);
            fin.lineTo(x + 7, y - 8);
            fin.lineTo(toe(30), y + 8);
            fin.lineTo(toe(-2), y + 10);
            fin.closeSubpath();
            if (s.lower == Lower::tail)
                break;
            fill(p, fin, k);
            for (double dx : {8.0, 15.0, 22.0})
                line(p, {toe(dx - 6), y - 1}, {toe(dx), y + 7}, shade(k, 80), 1.4);
            break;
        }
        case Shoe::skate:
            fill(p, rounded(x - 9, y - 22, 18, 24, 4), white);
            fill(p, rounded(std::min(toe(-10), toe(18)), y - 4, 28, 8, 3), k);
            for (double dx : {-5.0, 12.0}) fill(p, ellipse(toe(dx), y + 7, 4.5, 4.5), yellow, 1.6);
            for (double yy = y - 18; yy < y - 6; yy += 5)
                line(p, {x - 4, yy}, {x + 4, yy}, red, 1.4);
            break;
        case Shoe::platform:
            fill(p, rounded(std::min(toe(-8), toe(18)), y - 8, 26, 10, 5), k);
            fill(p, rounded(std::min(toe(-8), toe(18)), y + 1, 26, 7, 1), shade(k, 75));
            break;
        case Shoe::clown:
            fill(p, ellipse(toe(12), y, 22, 10), k);
            fill_plain(p, ellipse(toe(18), y - 4, 5, 2.5), shade(k, 160));
            break;
        case Shoe::paw:
            fill(p, ellipse(toe(4), y - 1, 13, 8), k);
            for (double dx : {-3.0, 4.0, 11.0})
                line(p, {toe(dx), y + 2}, {toe(dx), y + 6}, shade(k, 60), 1.5);
            break;
        case Shoe::peg:
            if (side < 0) {
                fill(p, rounded(x - 9, y - 26, 18, 28, 3), k);
                fill(p, rounded(std::min(toe(-9), toe(20)), y - 6, 29, 12, 6), k);
                fill(p, rounded(x - 10, y - 28, 20, 6, 2), shade(k, 85), 1.6);
                break;
            }
            fill(p, rounded(x - 4, y - 30, 8, 36, 3), QColor(180, 130, 80));
            fill(p, rounded(x - 6, y - 31, 12, 5, 2), QColor(150, 100, 60), 1.4);
            break;
        case Shoe::robot:
            fill(p, rounded(x - 14, y - 8, 28, 14, 3), k);
            for (double dx : {-9.0, -3.0, 3.0, 9.0})
                fill(p, ellipse(x + dx, y + 2, 2.2, 2.2), shade(k, 70), 1);
            break;
        case Shoe::sabaton:
            fill(p, polygon({{x - 9, y - 10}, {x + 9, y - 10}, {toe(26), y + 4}, {toe(-9), y + 5}}),
                 k);
            for (double dx : {4.0, 11.0})
                line(p, {toe(dx), y - 7}, {toe(dx), y + 4}, shade(k, 70), 1.4);
            break;
        case Shoe::bunny:
            fill(p, ellipse(toe(6), y, 15, 8), k);
            for (double dx : {-2.0, 6.0}) fill(p, ellipse(toe(dx), y - 14, 3.5, 9), k, 1.6);
            fill_plain(p, ellipse(toe(14), y - 2, 1.6, 1.6), ink);
            fill(p, ellipse(toe(20), y, 2, 1.6), pink, 1);
            break;
        case Shoe::space:
            fill(p, rounded(x - 11, y - 24, 22, 26, 6), k);
            fill(p, rounded(std::min(toe(-11), toe(20)), y - 6, 31, 13, 5), shade(k, 90));
            fill(p, rounded(x - 12, y - 26, 24, 5, 2), accent, 1.4);
            break;
    }
    p.restore();
}

void draw_look(QPainter& p, const LegsStyle& s, const QPainterPath& garment) {
    p.save();
    p.setClipPath(garment);
    switch (s.look) {
        case Look::plain:
            break;
        case Look::jeans:
            for (int side : {-1, 1}) {
                line(p, {c + side * 22, 14}, {c + side * 24, 158}, QColor(240, 190, 80), 1);
                arc(p, {c + side * 30, 10}, 12, 12, side > 0 ? 180 : 270, 90, QColor(240, 190, 80),
                    1);
            }
            fill_plain(p, rounded(c - 60, 148, 120, 10, 0), shade(s.cloth, 120));
            break;
        case Look::track:
            for (int side : {-1, 1}) {
                line(p, {c + side * 37, 8}, {c + side * 41, 164}, s.stripe, 3);
                line(p, {c + side * 32, 8}, {c + side * 36, 164}, s.stripe, 3);
            }
            fill_plain(p, rounded(c - 60, 154, 120, 12, 0), shade(s.cloth, 85));
            break;
        case Look::crease:
            for (int side : {-1, 1})
                line(p, {c + side * 20, 20}, {c + side * 21, 158}, shade(s.cloth, 80), 1.4);
            break;
        case Look::dots:
            for (int row = 0; row < 14; ++row) {
                for (int col = 0; col < 9; ++col) {
                    fill_plain(p,
                               ellipse(c - 60 + col * 15 + (row % 2) * 7, 16 + row * 12, 3.5, 3.5),
                               row % 3 == 0 ? red : blue);
                }
            }
            break;
        case Look::tartan:
            for (double x = c - 60; x < c + 60; x += 12)
                fill_plain(p, rounded(x, 0, 4, 200, 0), QColor(30, 60, 40, 150));
            for (double y = 10; y < 200; y += 12)
                fill_plain(p, rounded(c - 70, y, 140, 4, 0), QColor(30, 60, 40, 150));
            for (double x = c - 54; x < c + 60; x += 24)
                fill_plain(p, rounded(x, 0, 1.5, 200, 0), yellow);
            break;
        case Look::stars:
            for (const QPointF& at : scatter(17, {c - 60, 12, 120, 160}, 5, 7)) {
                star(p, at, 4.5, (at.x() + at.y()) > 300 ? yellow : white);
            }
            break;
        case Look::scales:
            for (int row = 0; row < 20; ++row) {
                for (int col = 0; col < 10; ++col) {
                    arc(p, {c - 55 + col * 11 + (row % 2) * 5.5, 14.0 + row * 8}, 5.5, 5, 180, 180,
                        shade(s.cloth, 80), 1.2);
                }
            }
            break;
        case Look::stripes:
            if (s.lower == Lower::fur) {
                for (double y = 24; y < 170; y += 20) {
                    for (int side : {-1, 1})
                        line(p, {c + side * 8, y}, {c + side * 30, y + 6}, s.stripe, 4);
                }
            } else {
                for (double x = c - 56; x < c + 60; x += 12)
                    fill_plain(p, rounded(x, 0, 5, 200, 0), s.stripe);
            }
            break;
        case Look::flowers:
            for (const QPointF& at : scatter(16, {c - 62, 12, 124, 160}, 4, 6)) {
                const double x = at.x();
                const double y = at.y();
                for (int k = 0; k < 5; ++k) {
                    const double a = k * 2 * M_PI / 5;
                    fill_plain(p, ellipse(x + 4 * std::cos(a), y + 4 * std::sin(a), 3, 3), yellow);
                }
                fill_plain(p, ellipse(x, y, 2, 2), red);
            }
            break;
        case Look::chaps:
            for (int side : {-1, 1}) {
                fill(p,
                     polygon({{c + side * 20, 12},
                              {c + side * 42, 12},
                              {c + side * 44, 158},
                              {c + side * 22, 158}}),
                     QColor(150, 96, 54), 1.6);
                for (double y = 20; y < 156; y += 8)
                    line(p, {c + side * 43, y}, {c + side * 48, y + 2}, QColor(150, 96, 54), 1.6);
            }
            break;
    }
    p.restore();
}

void draw_waistband(QPainter& p, const LegsStyle& s) {
    // The waistband spans exactly the chest's hem.
    QPainterPath band;
    band.addRect(QRectF(c - hip, -3, 2 * hip, 11));
    QColor colour = shade(s.cloth, 85);
    if (s.lower == Lower::robot)
        colour = QColor(120, 130, 146);
    if (s.lower == Lower::fur)
        colour = s.cloth;
    fill(p, band, colour, 2.2);
    if (s.lower == Lower::trousers || s.lower == Lower::bell || s.lower == Lower::shorts) {
        fill(p, rounded(c - 6, -1, 12, 9, 2), QColor(230, 200, 90), 1.4);  // buckle
        fill_plain(p, rounded(c - 2.5, 2, 5, 3, 1), shade(s.cloth, 85));
    }
}

QImage draw_legs(const LegsStyle& s) {
    QImage image = canvas(part_width, legs_height);
    Painter p(&image);
    fill_plain(p, ellipse(c, foot_y + 10, 62, 5), QColor(30, 30, 40));  // shadow on the ground

    QPainterPath garment;
    switch (s.lower) {
        case Lower::trousers:
            garment = trousers_path(
                s.shoe == Shoe::peg                                                           ? 140
                : s.shoe == Shoe::boot || s.shoe == Shoe::wellington || s.shoe == Shoe::space ? 152
                                                                                              : 166,
                hip + 4, 44);
            fill(p, garment, s.cloth, 2.2);
            break;
        case Lower::wetsuit:
            garment = trousers_path(166, hip + 2, 44);
            fill(p, garment, s.cloth, 2.2);
            for (int side : {-1, 1})
                line(p, {c + side * 36, 8}, {c + side * 36, 164}, QColor(90, 200, 240), 3);
            break;
        case Lower::bell: {
            garment.moveTo(c - hip, -3);
            garment.lineTo(c + hip, -3);
            garment.lineTo(c + hip, 6);
            garment.lineTo(c + 36, 110);
            garment.lineTo(c + 52, 170);
            garment.lineTo(c + 4, 170);
            garment.lineTo(c, 44);
            garment.lineTo(c - 4, 170);
            garment.lineTo(c - 52, 170);
            garment.lineTo(c - 36, 110);
            garment.lineTo(c - hip, 6);
            garment.closeSubpath();
            fill(p, garment, s.cloth, 2.2);
            break;
        }
        case Lower::clown:
            garment.moveTo(c - hip, -3);
            garment.lineTo(c + hip, -3);
            garment.lineTo(c + hip, 6);
            garment.cubicTo(c + 70, 40, c + 66, 120, c + 50, 162);
            garment.lineTo(c + 4, 162);
            garment.lineTo(c, 60);
            garment.lineTo(c - 4, 162);
            garment.lineTo(c - 50, 162);
            garment.cubicTo(c - 66, 120, c - 70, 40, c - hip, 6);
            garment.closeSubpath();
            fill(p, garment, s.cloth, 2.2);
            break;
        case Lower::shorts:
            draw_bare_legs(p, s, 40);
            garment = trousers_path(64, hip + 6, 34);
            fill(p, garment, s.cloth, 2.2);
            break;
        case Lower::skirt:
        case Lower::kilt:
            draw_bare_legs(p, s, 50);
            garment = mirrored({{hip, -3}, {hip, 6}, {hip + 22, 78}, {0, 78}});
            fill(p, garment, s.cloth, 2.2);
            if (s.lower == Lower::skirt) {
                for (double x = -48; x <= 48; x += 12)
                    line(p, {c + x * 0.7, 12}, {c + x, 76}, shade(s.cloth, 75), 1.5);
            }
            break;
        case Lower::tutu:
            draw_bare_legs(p, s, 40);
            // two flared layers of net with scalloped hems
            for (int layer = 0; layer < 2; ++layer) {
                const double bottom = 44 - layer * 8;
                const double flare = 74 - layer * 10;
                QPainterPath net = mirrored({{hip, -3}, {hip, 6}, {flare, bottom}, {0, bottom}});
                for (double x = -flare + 6; x <= flare - 6; x += 12) {
                    net.addEllipse(QPointF(c + x, bottom), 6.5, 5);
                }
                fill(p, net.simplified(), layer ? shade(s.cloth, 118) : s.cloth, 1.8);
                for (double x = -flare + 14; x < flare - 8; x += 14) {
                    line(p, {c + x * 0.45, 10}, {c + x, bottom - 2}, shade(s.cloth, 85), 1);
                }
            }
            garment = mirrored({{hip, -3}, {hip, 18}, {0, 20}});
            fill(p, garment, shade(s.cloth, 92), 2.2);
            for (const QPointF& at : scatter(6, {c - 30, 4, 60, 12}, 5, 1)) star(p, at, 2.5, white);
            break;
        case Lower::dress:
            garment = mirrored({{hip, -3}, {hip, 6}, {hip + 16, 80}, {hip + 24, 164}, {0, 164}});
            fill(p, garment, s.cloth, 2.2);
            arc(p, {c, 150}, 60, 14, 200, 140, shade(s.cloth, 80), 2);
            break;
        case Lower::tail:
            garment.moveTo(c - hip, -3);
            garment.lineTo(c + hip, -3);
            garment.cubicTo(c + 46, 60, c + 30, 120, c + 8, 156);
            garment.lineTo(c - 8, 156);
            garment.cubicTo(c - 30, 120, c - 46, 60, c - hip, -3);
            garment.closeSubpath();
            fill(p,
                 polygon({{c - 6, 150},
                          {c - 44, 186},
                          {c - 8, 178},
                          {c, 168},
                          {c + 8, 178},
                          {c + 44, 186},
                          {c + 6, 150}}),
                 s.shoe_colour);
            fill(p, garment, s.cloth, 2.2);
            break;
        case Lower::robot:
            for (int side : {-1, 1}) {
                const double x = c + side * leg_dx;
                fill(p, rounded(x - 6, 8, 12, 72, 3), s.cloth);
                fill(p, ellipse(x, 84, 9, 9), shade(s.cloth, 85));
                fill(p, ellipse(x, 84, 3, 3), red, 1.2);
                fill(p, rounded(x - 7, 92, 14, 72, 3), s.cloth);
                for (double y = 110; y < 160; y += 10)
                    line(p, {x - 5, y}, {x + 5, y}, shade(s.cloth, 75), 1.4);
            }
            garment.addRect(QRectF(c - hip, -3, 2 * hip, 22));
            fill(p, garment, shade(s.cloth, 90), 2.2);
            break;
        case Lower::armour:
            for (int side : {-1, 1}) {
                const double x = c + side * leg_dx;
                fill(p, rounded(x - 11, 30, 22, 60, 6), s.cloth);
                fill(p, ellipse(x, 94, 12, 9), shade(s.cloth, 90));
                fill(p, rounded(x - 10, 100, 20, 66, 6), s.cloth);
                line(p, {x, 104}, {x, 160}, shade(s.cloth, 120), 2);
            }
            garment = mirrored({{hip, -3}, {hip, 6}, {hip + 6, 40}, {0, 48}});
            fill(p, garment, shade(s.cloth, 92), 2.2);
            for (double x = -30; x <= 30; x += 15)
                line(p, {c + x, 10}, {c + x * 1.1, 40}, shade(s.cloth, 70), 1.4);
            break;
        case Lower::fur: {
            QPainterPath tail;
            tail.moveTo(c + 30, 60);
            tail.cubicTo(c + 80, 70, c + 90, 20, c + 70, 12);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ink, 12, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(tail);
            p.setPen(QPen(s.cloth, 8, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(tail);
            garment = trousers_path(168, hip + 2, 50);
            fill(p, garment, s.cloth, 2.2);
            break;
        }
    }
    draw_look(p, s, garment);
    if (s.lower == Lower::clown) {
        for (int side : {-1, 1}) {
            fill(p, ellipse(c + side * 22, 14, 4, 4), red, 1.4);
        }
    }
    for (int side : {-1, 1}) draw_shoe(p, s, side);
    draw_waistband(p, s);
    p.end();
    return image;
}

}  // namespace

QImage legs(int number) {
    return draw_legs(styles.at(static_cast<std::size_t>(number - 1)));
}

QImage mascot_legs() {
    return draw_legs(mascot_style);
}

QImage figure(const QImage& head_picture, const QImage& chest_picture, const QImage& legs_picture) {
    QImage image = canvas(part_width, figure_height);
    QPainter p(&image);
    p.drawImage(0, 0, head_picture);
    p.drawImage(0, head_height - 1, chest_picture);
    p.drawImage(0, head_height + chest_height - 2, legs_picture);
    return image;
}

}  // namespace art
