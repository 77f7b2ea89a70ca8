#include <array>

#include "paint.h"
#include "parts.h"

namespace art {

namespace {

constexpr double c = centre;
constexpr double face_y = 48;  // eyes sit a little above, the mouth below

enum class Face { round, oval, square, pear, egg, robot, alien, cat, bear };
enum class Hair {
    none,
    short_cut,
    spiky,
    curly,
    bob,
    long_straight,
    pigtails,
    mohawk,
    afro,
    bun,
    side_part,
    clown
};
enum class Hat {
    none,
    top_hat,
    cap,
    beanie,
    crown,
    cowboy,
    propeller,
    viking,
    chef,
    party,
    bow,
    flower,
    bandana,
    headphones
};
enum class Eyes { round, dots, happy, sleepy, wink, wide, lashes };
enum class Glasses { none, round, square, sun, star, monocle, patch };
enum class Nose { dot, button, clown, long_nose, triangle };
enum class Mouth { smile, grin, oh, tongue, smirk, wavy, buck, laugh };
enum class Extra { none, blush, freckles, moustache, beard, curly_moustache, stubble };

struct HeadStyle {
    Face face;
    QColor skin;
    Hair hair;
    QColor hair_colour;
    Hat hat;
    QColor hat_colour;
    Eyes eyes;
    Glasses glasses;
    Nose nose;
    Mouth mouth;
    Extra extra;
    Extra extra2 = Extra::none;
};

const QColor skin_light{255, 219, 185};
const QColor skin_peach{243, 190, 145};
const QColor skin_tan{226, 168, 118};
const QColor skin_brown{196, 132, 88};
const QColor skin_dark{150, 98, 62};
const QColor skin_deep{112, 72, 44};
const QColor skin_pink{255, 204, 196};
const QColor skin_clown{250, 248, 244};

const QColor hair_brown{128, 76, 38};
const QColor hair_blonde{247, 208, 92};
const QColor hair_red{214, 88, 40};
const QColor hair_black{70, 54, 48};
const QColor hair_ginger{236, 132, 50};
const QColor hair_grey{188, 188, 198};
const QColor hair_green{86, 204, 96};
const QColor hair_purple{156, 96, 210};
const QColor hair_white{238, 238, 244};

const QColor red{224, 52, 52};
const QColor blue{46, 118, 214};
const QColor yellow{250, 204, 48};
const QColor gold{246, 190, 40};
const QColor pink{246, 122, 172};
const QColor green{64, 170, 84};
const QColor dark_hat{66, 62, 78};
const QColor eye_ink{34, 26, 44};

const HeadStyle mascot_style{Face::round,  skin_light,  Hair::short_cut, hair_brown,
                             Hat::cap,     accent,      Eyes::round,     Glasses::none,
                             Nose::button, Mouth::grin, Extra::blush};

const std::array<HeadStyle, catalogue_size> styles{{
    {Face::round,
     skin_light,
     Hair::short_cut,
     hair_brown,
     Hat::none,
     {},
     Eyes::round,
     Glasses::none,
     Nose::button,
     Mouth::smile,
     Extra::blush},
    {Face::oval, skin_tan, Hair::long_straight, hair_blonde, Hat::bow, pink, Eyes::lashes,
     Glasses::none, Nose::dot, Mouth::grin, Extra::blush},
    {Face::square,
     skin_peach,
     Hair::none,
     {},
     Hat::top_hat,
     dark_hat,
     Eyes::dots,
     Glasses::monocle,
     Nose::long_nose,
     Mouth::smirk,
     Extra::curly_moustache},
    {Face::round, skin_peach, Hair::spiky, hair_red, Hat::cap, blue, Eyes::happy, Glasses::none,
     Nose::button, Mouth::grin, Extra::freckles},
    {Face::robot,
     QColor(176, 190, 204),
     Hair::none,
     {},
     Hat::none,
     {},
     Eyes::round,
     Glasses::none,
     Nose::dot,
     Mouth::grin,
     Extra::none},
    {Face::pear,
     skin_brown,
     Hair::curly,
     hair_black,
     Hat::none,
     {},
     Eyes::sleepy,
     Glasses::round,
     Nose::button,
     Mouth::oh,
     Extra::none},
    {Face::round, skin_deep, Hair::afro, hair_black, Hat::headphones, red, Eyes::round,
     Glasses::none, Nose::button, Mouth::laugh, Extra::none},
    {Face::oval,
     skin_light,
     Hair::pigtails,
     hair_ginger,
     Hat::none,
     {},
     Eyes::wink,
     Glasses::none,
     Nose::dot,
     Mouth::tongue,
     Extra::freckles},
    {Face::cat,
     QColor(244, 160, 70),
     Hair::none,
     {},
     Hat::none,
     {},
     Eyes::round,
     Glasses::none,
     Nose::triangle,
     Mouth::smile,
     Extra::none},
    {Face::square, skin_tan, Hair::short_cut, hair_grey, Hat::chef, white, Eyes::happy,
     Glasses::none, Nose::button, Mouth::smile, Extra::moustache},
    {Face::round,
     skin_pink,
     Hair::mohawk,
     hair_green,
     Hat::none,
     {},
     Eyes::round,
     Glasses::sun,
     Nose::dot,
     Mouth::grin,
     Extra::none},
    {Face::alien,
     QColor(140, 214, 110),
     Hair::none,
     {},
     Hat::none,
     {},
     Eyes::wide,
     Glasses::none,
     Nose::dot,
     Mouth::oh,
     Extra::none},
    {Face::egg,
     skin_peach,
     Hair::none,
     {},
     Hat::viking,
     QColor(170, 176, 186),
     Eyes::round,
     Glasses::none,
     Nose::button,
     Mouth::smile,
     Extra::beard},
    {Face::round, skin_brown, Hair::bun, hair_black, Hat::flower, pink, Eyes::happy, Glasses::none,
     Nose::dot, Mouth::smile, Extra::blush},
    {Face::oval, skin_dark, Hair::short_cut, hair_black, Hat::crown, gold, Eyes::round,
     Glasses::none, Nose::button, Mouth::smile, Extra::curly_moustache},
    {Face::round, skin_light, Hair::curly, hair_blonde, Hat::party, QColor(120, 200, 240),
     Eyes::happy, Glasses::none, Nose::clown, Mouth::laugh, Extra::blush},
    {Face::bear,
     QColor(176, 116, 70),
     Hair::none,
     {},
     Hat::none,
     {},
     Eyes::dots,
     Glasses::none,
     Nose::triangle,
     Mouth::smile,
     Extra::none},
    {Face::square,
     skin_tan,
     Hair::side_part,
     hair_brown,
     Hat::none,
     {},
     Eyes::round,
     Glasses::star,
     Nose::button,
     Mouth::grin,
     Extra::none},
    {Face::round, skin_deep, Hair::short_cut, hair_black, Hat::propeller, yellow, Eyes::wide,
     Glasses::none, Nose::button, Mouth::oh, Extra::none},
    {Face::oval, skin_peach, Hair::long_straight, hair_black, Hat::bandana, red, Eyes::round,
     Glasses::patch, Nose::long_nose, Mouth::smirk, Extra::stubble},
    {Face::pear, skin_light, Hair::bob, hair_purple, Hat::beanie, QColor(90, 190, 170), Eyes::round,
     Glasses::none, Nose::button, Mouth::buck, Extra::freckles},
    {Face::round,
     skin_tan,
     Hair::curly,
     hair_white,
     Hat::none,
     {},
     Eyes::dots,
     Glasses::round,
     Nose::button,
     Mouth::smile,
     Extra::blush},
    {Face::egg, skin_brown, Hair::short_cut, hair_brown, Hat::cowboy, QColor(170, 112, 60),
     Eyes::dots, Glasses::none, Nose::long_nose, Mouth::smirk, Extra::moustache},
    {Face::round,
     skin_clown,
     Hair::clown,
     QColor(240, 80, 60),
     Hat::none,
     {},
     Eyes::wide,
     Glasses::none,
     Nose::clown,
     Mouth::laugh,
     Extra::none},
}};

QPainterPath face_path(Face face) {
    QPainterPath path;
    switch (face) {
        case Face::oval:
            return ellipse(c, 47, 25, 30);
        case Face::square:
            return rounded(c - 27, 19, 54, 57, 15);
        case Face::pear:
            path.moveTo(c, 19);
            path.cubicTo(c + 20, 19, c + 24, 34, c + 27, 52);
            path.cubicTo(c + 30, 72, c + 14, 77, c, 77);
            path.cubicTo(c - 14, 77, c - 30, 72, c - 27, 52);
            path.cubicTo(c - 24, 34, c - 20, 19, c, 19);
            return path;
        case Face::egg:
            path.moveTo(c, 18);
            path.cubicTo(c + 24, 18, c + 30, 36, c + 28, 52);
            path.cubicTo(c + 26, 70, c + 12, 77, c, 77);
            path.cubicTo(c - 12, 77, c - 26, 70, c - 28, 52);
            path.cubicTo(c - 30, 36, c - 24, 18, c, 18);
            return path;
        case Face::alien:
            path.moveTo(c, 12);
            path.cubicTo(c + 36, 12, c + 38, 42, c + 24, 62);
            path.cubicTo(c + 16, 74, c + 8, 77, c, 77);
            path.cubicTo(c - 8, 77, c - 16, 74, c - 24, 62);
            path.cubicTo(c - 38, 42, c - 36, 12, c, 12);
            return path;
        case Face::robot:
            return rounded(c - 29, 20, 58, 54, 6);
        case Face::cat:
        case Face::bear:
            return ellipse(c, 49, 30, 27);
        case Face::round:
            break;
    }
    return ellipse(c, 48, 28, 28);
}

void draw_neck(QPainter& p, const HeadStyle& s) {
    const QColor neck = s.face == Face::robot ? shade(s.skin, 80) : shade(s.skin, 94);
    fill_plain(p, rounded(c - neck_half, 60, 2 * neck_half, 40, 2), neck);
    if (s.face == Face::robot) {
        for (double y = 74; y < 86; y += 4) line(p, {c - 12, y}, {c + 12, y}, shade(neck, 70), 1.5);
    }
    // chin shadow
    fill_plain(p, ellipse(c, 74, neck_half, 5), shade(neck, 82));
    line(p, {c - neck_half + 1, 60}, {c - neck_half + 1, 88}, ink, 2);
    line(p, {c + neck_half - 1, 60}, {c + neck_half - 1, 88}, ink, 2);
}

void draw_ears(QPainter& p, const HeadStyle& s) {
    switch (s.face) {
        case Face::robot:
            for (int side : {-1, 1}) {
                fill(p, rounded(c + side * 31 - 4, 38, 8, 18, 3), shade(s.skin, 85));
                fill(p, ellipse(c + side * 34, 47, 3, 3), red, 1.2);
            }
            return;
        case Face::alien:
            for (int side : {-1, 1}) {
                line(p, {c + side * 14, 16}, {c + side * 24, 3}, ink, 4);
                line(p, {c + side * 14, 16}, {c + side * 24, 3}, s.skin, 2);
                fill(p, ellipse(c + side * 24, 4, 3.5, 3.5), yellow, 1.4);
            }
            return;
        case Face::cat:
            for (int side : {-1, 1}) {
                fill(p, polygon({{c + side * 10, 26}, {c + side * 27, 8}, {c + side * 29, 36}}),
                     s.skin);
                fill_plain(p,
                           polygon({{c + side * 15, 26}, {c + side * 25, 14}, {c + side * 26, 31}}),
                           pink);
            }
            return;
        case Face::bear:
            for (int side : {-1, 1}) {
                fill(p, ellipse(c + side * 23, 26, 10, 10), s.skin);
                fill_plain(p, ellipse(c + side * 23, 27, 5.5, 5.5), shade(s.skin, 130));
            }
            return;
        default:
            break;
    }
    const double x = (s.face == Face::oval) ? 25 : 28;
    for (int side : {-1, 1}) {
        fill(p, ellipse(c + side * x, 50, 5.5, 8), s.skin, 1.8);
        arc(p, {c + side * x, 50}, 2.5, 4, side > 0 ? -90 : 90, 180, shade(s.skin, 78), 1.2);
    }
}

void draw_back_hair(QPainter& p, const HeadStyle& s) {
    const QColor& h = s.hair_colour;
    switch (s.hair) {
        case Hair::long_straight:
            fill(p, rounded(c - 33, 16, 66, 66, 18), h);
            break;
        case Hair::bob:
            fill(p, rounded(c - 33, 15, 66, 52, 20), h);
            break;
        case Hair::afro:
            for (int i = 0; i < 12; ++i) {
                const double a = i * 3.14159 * 2 / 12;
                fill(p, ellipse(c + 30 * std::cos(a), 38 + 24 * std::sin(a), 13, 13), h, 1.5);
            }
            fill_plain(p, ellipse(c, 38, 36, 28), h);
            break;
        case Hair::pigtails:
            for (int side : {-1, 1}) {
                fill(p, ellipse(c + side * 37, 52, 10, 16), h);
                fill(p, ellipse(c + side * 29, 40, 4, 4), QColor(90, 170, 240), 1.4);
            }
            break;
        case Hair::bun:
            fill(p, ellipse(c, 16, 13, 11), h);
            break;
        case Hair::clown:
            for (int side : {-1, 1}) {
                for (int i = 0; i < 3; ++i) {
                    fill(p, ellipse(c + side * (30 + i * 3), 32 + i * 11, 10, 9), h, 1.5);
                }
            }
            break;
        case Hair::curly:
            for (int i = 0; i < 9; ++i) {
                const double a = 3.14159 * (1.0 + i / 8.0);
                fill(p, ellipse(c + 29 * std::cos(a), 42 + 25 * std::sin(a), 9, 9), h, 1.5);
            }
            break;
        default:
            break;
    }
}

void draw_front_hair(QPainter& p, const HeadStyle& s) {
    const QColor& h = s.hair_colour;
    QPainterPath path;
    switch (s.hair) {
        case Hair::short_cut:
        case Hair::bob:
        case Hair::long_straight:
            path.moveTo(c - 27, 40);
            path.cubicTo(c - 30, 16, c + 30, 16, c + 27, 40);
            path.cubicTo(c + 18, 30, c + 6, 34, c - 2, 28);
            path.cubicTo(c - 8, 34, c - 20, 32, c - 27, 40);
            fill(p, path, h);
            break;
        case Hair::spiky:
            fill(p,
                 polygon({{c - 28, 38},
                          {c - 32, 18},
                          {c - 20, 22},
                          {c - 18, 6},
                          {c - 7, 17},
                          {c, 2},
                          {c + 7, 17},
                          {c + 18, 6},
                          {c + 20, 22},
                          {c + 32, 18},
                          {c + 28, 38},
                          {c + 10, 29},
                          {c - 10, 29}}),
                 h);
            break;
        case Hair::curly:
        case Hair::afro:
            for (int i = 0; i < 7; ++i) {
                fill(p, ellipse(c - 21 + i * 7, 24 + ((i % 2) ? 3 : 0), 7, 7), h, 1.5);
            }
            break;
        case Hair::pigtails:
        case Hair::bun:
            path.moveTo(c - 27, 38);
            path.cubicTo(c - 28, 14, c + 28, 14, c + 27, 38);
            path.cubicTo(c + 12, 28, c - 12, 28, c - 27, 38);
            fill(p, path, h);
            line(p, {c, 20}, {c, 28}, shade(h, 70), 1.5);
            break;
        case Hair::mohawk:
            fill(p,
                 polygon({{c - 6, 26},
                          {c - 10, 4},
                          {c - 3, 10},
                          {c, 0},
                          {c + 3, 10},
                          {c + 10, 4},
                          {c + 6, 26}}),
                 h);
            break;
        case Hair::side_part:
            path.moveTo(c - 28, 42);
            path.cubicTo(c - 32, 10, c + 30, 8, c + 29, 40);
            path.cubicTo(c + 20, 24, c + 4, 30, c - 12, 24);
            path.cubicTo(c - 18, 30, c - 24, 34, c - 28, 42);
            fill(p, path, h);
            arc(p, {c - 6, 30}, 18, 10, 40, 100, shade(h, 130), 1.5);
            break;
        case Hair::clown:
        case Hair::none:
            if (s.face == Face::round || s.face == Face::egg || s.face == Face::square ||
                s.face == Face::oval || s.face == Face::pear) {
                if (s.hat == Hat::none) {
                    arc(p, {c + 10, 28}, 8, 5, 30, 80, shade(s.skin, 125), 2.5);  // shine
                }
            }
            break;
    }
}

void draw_eyes(QPainter& p, const HeadStyle& s) {
    const double y = s.face == Face::alien ? 44 : 45;
    const double dx = s.face == Face::alien ? 12 : 11;
    switch (s.eyes) {
        case Eyes::round:
        case Eyes::lashes:
        case Eyes::wide:
        case Eyes::wink: {
            const double r = s.eyes == Eyes::wide ? 7.5 : 5.5;
            for (int side : {-1, 1}) {
                const QPointF at(c + side * dx, y);
                if (s.eyes == Eyes::wink && side > 0) {
                    arc(p, at, 5, 3.5, 20, 140, eye_ink, 2.2);
                    continue;
                }
                const QColor white_of_eye = s.face == Face::robot ? QColor(190, 240, 255) : white;
                fill(p, ellipse(at.x(), at.y(), r, r * 1.15), white_of_eye, 1.6);
                fill_plain(p, ellipse(at.x() + 1, at.y() + 1, r * 0.5, r * 0.58), eye_ink);
                fill_plain(p, ellipse(at.x() + 2.2, at.y() - 0.6, r * 0.2, r * 0.2), white);
                if (s.eyes == Eyes::lashes) {
                    for (int k = -1; k <= 1; ++k) {
                        line(p, {at.x() + side * (2 + k * 3.0), at.y() - r * 1.1},
                             {at.x() + side * (3.5 + k * 4.0), at.y() - r * 1.1 - 4}, eye_ink, 1.4);
                    }
                }
            }
            break;
        }
        case Eyes::dots:
            for (int side : {-1, 1}) {
                fill_plain(p, ellipse(c + side * dx, y, 3, 3.6), eye_ink);
                fill_plain(p, ellipse(c + side * dx + 1, y - 1, 0.9, 0.9), white);
            }
            break;
        case Eyes::happy:
            for (int side : {-1, 1}) arc(p, {c + side * dx, y + 2}, 5, 4.5, 20, 140, eye_ink, 2.4);
            break;
        case Eyes::sleepy:
            for (int side : {-1, 1}) {
                fill(p, ellipse(c + side * dx, y, 5.5, 5), white, 1.6);
                fill_plain(p, ellipse(c + side * dx, y + 1.5, 2.4, 2.4), eye_ink);
                QPainterPath lid;
                lid.addEllipse(QPointF(c + side * dx, y), 5.5, 5);
                QPainterPath top;
                top.addRect(QRectF(c + side * dx - 7, y - 7, 14, 7));
                fill(p, lid.intersected(top), shade(s.skin, 88), 1.6);
            }
            break;
    }
    // eyebrows
    if (s.face == Face::robot || s.face == Face::alien)
        return;
    const QColor brow = s.hair == Hair::none ? shade(s.skin, 55) : shade(s.hair_colour, 80);
    for (int side : {-1, 1}) {
        const double lift = s.eyes == Eyes::wide ? -3 : 0;
        line(p, {c + side * (dx - 5), y - 10 + lift}, {c + side * (dx + 4), y - 11 + lift}, brow,
             2.4);
    }
}

void draw_nose(QPainter& p, const HeadStyle& s) {
    const double y = 55;
    switch (s.nose) {
        case Nose::dot:
            fill_plain(p, ellipse(c, y, 1.8, 1.4), shade(s.skin, 60));
            break;
        case Nose::button:
            fill(p, ellipse(c, y, 4.2, 3.4), shade(s.skin, 92), 1.4);
            break;
        case Nose::clown:
            fill(p, ellipse(c, y, 6, 6), red, 1.6);
            fill_plain(p, ellipse(c - 2, y - 2, 1.8, 1.8), QColor(255, 170, 170));
            break;
        case Nose::long_nose: {
            QPainterPath nose;
            nose.moveTo(c - 3, 45);
            nose.cubicTo(c + 3, 51, c + 13, 55, c + 12, 59);
            nose.cubicTo(c + 9, 62, c - 2, 61, c - 5, 58);
            nose.closeSubpath();
            fill(p, nose, shade(s.skin, 86), 1.6);
            fill_plain(p, ellipse(c + 6, 55, 2.5, 1.5), shade(s.skin, 108));
            break;
        }
        case Nose::triangle:
            fill(p, polygon({{c - 5, y - 3}, {c + 5, y - 3}, {c, y + 2}}),
                 s.face == Face::cat ? pink : QColor(70, 44, 34), 1.4);
            break;
    }
}

void draw_mouth(QPainter& p, const HeadStyle& s) {
    const double y = s.face == Face::alien ? 64 : 63;
    const QColor lips{150, 40, 50};
    switch (s.mouth) {
        case Mouth::smile:
            arc(p, {c, y - 5}, 10, 6, 200, 140, ink, 2.4);
            break;
        case Mouth::grin:
        case Mouth::laugh: {
            QPainterPath mouth;
            const double w = s.mouth == Mouth::laugh ? 13 : 11;
            mouth.moveTo(c - w, y - 3);
            mouth.cubicTo(c - w + 2, y + 10, c + w - 2, y + 10, c + w, y - 3);
            mouth.closeSubpath();
            fill(p, mouth, QColor(120, 30, 44), 1.8);
            p.save();
            p.setClipPath(mouth);
            fill_plain(p, rounded(c - w, y - 4, 2 * w, 4, 1), white);
            fill_plain(p, ellipse(c, y + 7, w * 0.55, 4), QColor(240, 110, 120));
            p.restore();
            break;
        }
        case Mouth::oh:
            fill(p, ellipse(c, y, 4, 5), QColor(120, 30, 44), 1.8);
            break;
        case Mouth::tongue:
            arc(p, {c, y - 5}, 10, 6, 200, 140, ink, 2.4);
            fill(p, rounded(c + 1, y - 0.5, 8, 8, 4), QColor(240, 110, 120), 1.5);
            line(p, {c + 5, y + 1}, {c + 5, y + 4}, QColor(200, 70, 90), 1);
            break;
        case Mouth::smirk:
            arc(p, {c + 3, y - 6}, 9, 6, 220, 100, ink, 2.4);
            break;
        case Mouth::wavy:
            line(p, {c - 8, y}, {c - 3, y - 2}, ink, 2);
            line(p, {c - 3, y - 2}, {c + 3, y + 1}, ink, 2);
            line(p, {c + 3, y + 1}, {c + 8, y - 1}, ink, 2);
            break;
        case Mouth::buck:
            arc(p, {c, y - 5}, 10, 6, 200, 140, ink, 2.4);
            fill(p, rounded(c - 4, y + 0.5, 4, 5, 1), white, 1.2);
            fill(p, rounded(c, y + 0.5, 4, 5, 1), white, 1.2);
            break;
    }
    (void)lips;
}

void draw_extra(QPainter& p, const HeadStyle& s, Extra extra) {
    switch (extra) {
        case Extra::none:
            break;
        case Extra::blush:
            for (int side : {-1, 1}) {
                fill_plain(p, ellipse(c + side * 17, 56, 5, 3),
                           mix(s.skin, QColor(250, 110, 130), 0.45));
            }
            break;
        case Extra::freckles:
            for (int side : {-1, 1}) {
                for (auto [x, y] : std::array<std::pair<double, double>, 4>{
                         {{14, 53}, {18, 55}, {21, 52}, {16, 58}}}) {
                    fill_plain(p, ellipse(c + side * x, y, 1, 1), shade(s.skin, 65));
                }
            }
            break;
        case Extra::moustache: {
            const QColor m = s.hair == Hair::none ? hair_brown : shade(s.hair_colour, 90);
            fill(p, ellipse(c - 6, 59, 7, 3.5), m, 1.5);
            fill(p, ellipse(c + 6, 59, 7, 3.5), m, 1.5);
            break;
        }
        case Extra::curly_moustache: {
            const QColor m = s.hair == Hair::none ? QColor(90, 60, 40) : shade(s.hair_colour, 90);
            for (int side : {-1, 1}) {
                fill(p, ellipse(c + side * 6, 59, 7, 3), m, 1.5);
                arc(p, {c + side * 14, 56}, 3.5, 3.5, side > 0 ? 180 : 0, side > 0 ? 200 : -200,
                    ink, 4);
                arc(p, {c + side * 14, 56}, 3.5, 3.5, side > 0 ? 180 : 0, side > 0 ? 200 : -200, m,
                    2);
            }
            break;
        }
        case Extra::beard: {
            QPainterPath beard;
            beard.moveTo(c - 27, 50);
            beard.cubicTo(c - 28, 74, c - 10, 82, c, 82);
            beard.cubicTo(c + 10, 82, c + 28, 74, c + 27, 50);
            beard.cubicTo(c + 18, 62, c + 8, 56, c, 58);
            beard.cubicTo(c - 8, 56, c - 18, 62, c - 27, 50);
            fill(p, beard, QColor(226, 118, 46));
            break;
        }
        case Extra::stubble:
            for (int i = 0; i < 16; ++i) {
                const double x = c - 15 + (i * 7) % 30;
                const double y = 66 + (i * 5) % 7;
                fill_plain(p, ellipse(x, y, 0.7, 0.7), shade(s.skin, 62));
            }
            break;
    }
}

void draw_glasses(QPainter& p, const HeadStyle& s) {
    const double y = 45;
    const QColor frame{50, 40, 60};
    switch (s.glasses) {
        case Glasses::none:
            break;
        case Glasses::round:
            for (int side : {-1, 1}) {
                arc(p, {c + side * 11, y}, 8, 8, 0, 360, frame, 2);
            }
            line(p, {c - 3, y}, {c + 3, y}, frame, 2);
            break;
        case Glasses::square:
            break;
        case Glasses::sun:
            for (int side : {-1, 1}) {
                fill(p, rounded(c + side * 11 - 9, y - 6, 18, 12, 4), QColor(30, 34, 60), 2);
                line(p, {c + side * 11 - 5, y - 3}, {c + side * 11 - 1, y - 3},
                     QColor(120, 140, 200), 1.5);
            }
            line(p, {c - 3, y - 2}, {c + 3, y - 2}, ink, 2);
            break;
        case Glasses::star:
            for (int side : {-1, 1}) {
                star(p, {c + side * 11, y}, 11, QColor(250, 90, 170));
                fill(p, ellipse(c + side * 11, y + 0.5, 4.2, 4.2), QColor(200, 240, 255), 1.2);
                fill_plain(p, ellipse(c + side * 11 + 1, y + 1, 1.8, 1.8), eye_ink);
            }
            break;
        case Glasses::monocle:
            arc(p, {c + 11, y}, 8, 8, 0, 360, gold, 2);
            line(p, {c + 18, y + 3}, {c + 24, y + 22}, gold, 1);
            break;
        case Glasses::patch:
            line(p, {c - 27, 36}, {c + 27, 33}, ink, 2);
            fill(p, ellipse(c + 11, y, 7, 7), QColor(40, 36, 50), 1.6);
            break;
    }
}

void draw_hat(QPainter& p, const HeadStyle& s) {
    const QColor& k = s.hat_colour;
    switch (s.hat) {
        case Hat::none:
            break;
        case Hat::top_hat:
            fill(p, rounded(c - 21, 1, 42, 24, 3), k);
            fill_plain(p, QPainterPath([&] {
                           QPainterPath band;
                           band.addRect(QRectF(c - 20, 16, 40, 5));
                           return band;
                       }()),
                       QColor(200, 40, 60));
            fill(p, rounded(c - 34, 22, 68, 6, 3), k);
            line(p, {c - 15, 4}, {c - 15, 14}, shade(k, 150), 2);
            break;
        case Hat::cap: {
            QPainterPath dome;
            dome.moveTo(c - 29, 32);
            dome.cubicTo(c - 30, 6, c + 30, 6, c + 29, 32);
            dome.closeSubpath();
            fill(p, dome, k);
            fill(p, rounded(c + 4, 27, 44, 7, 3.5), shade(k, 80));
            fill(p, ellipse(c, 11, 3, 2), shade(k, 130), 1.2);
            if (k == accent)
                text(p, QStringLiteral("V"), {c - 4, 22}, sans(13, true), white);
            break;
        }
        case Hat::beanie: {
            QPainterPath dome;
            dome.moveTo(c - 29, 32);
            dome.cubicTo(c - 30, 8, c + 30, 8, c + 29, 32);
            dome.closeSubpath();
            fill(p, dome, k);
            fill(p, rounded(c - 30, 26, 60, 9, 4), shade(k, 80));
            for (double x = c - 26; x < c + 28; x += 5) line(p, {x, 28}, {x, 33}, shade(k, 65), 1);
            fill(p, ellipse(c, 9, 7, 7), white, 1.6);
            break;
        }
        case Hat::crown:
            fill(p,
                 polygon({{c - 22, 28},
                          {c - 24, 6},
                          {c - 12, 16},
                          {c, 2},
                          {c + 12, 16},
                          {c + 24, 6},
                          {c + 22, 28}}),
                 k);
            fill(p, ellipse(c, 21, 3.5, 3.5), red, 1.2);
            fill(p, ellipse(c - 13, 23, 2.5, 2.5), QColor(60, 140, 240), 1.2);
            fill(p, ellipse(c + 13, 23, 2.5, 2.5), green, 1.2);
            break;
        case Hat::cowboy: {
            QPainterPath brim;
            brim.moveTo(c - 46, 17);
            brim.cubicTo(c - 30, 25, c + 30, 25, c + 46, 17);
            brim.cubicTo(c + 38, 35, c - 38, 35, c - 46, 17);
            fill(p, rounded(c - 20, 4, 40, 22, 10), k);
            line(p, {c, 6}, {c, 14}, shade(k, 70), 2);
            fill(p, brim, shade(k, 90));
            fill_plain(p, QPainterPath([&] {
                           QPainterPath band;
                           band.addRect(QRectF(c - 19.5, 19, 39, 4));
                           return band;
                       }()),
                       QColor(90, 50, 30));
            break;
        }
        case Hat::propeller: {
            QPainterPath dome;
            dome.moveTo(c - 28, 30);
            dome.cubicTo(c - 29, 10, c + 29, 10, c + 28, 30);
            dome.closeSubpath();
            fill(p, dome, k);
            p.save();
            p.setClipPath(dome);
            fill_plain(p, rounded(c - 6, 0, 12, 40, 0), red);
            fill_plain(p, rounded(c - 30, 0, 9, 40, 0), blue);
            fill_plain(p, rounded(c + 21, 0, 9, 40, 0), blue);
            p.restore();
            line(p, {c, 15}, {c, 8}, ink, 2);
            fill(p, ellipse(c - 10, 6, 10, 3), QColor(90, 200, 240), 1.4);
            fill(p, ellipse(c + 10, 6, 10, 3), QColor(240, 90, 90), 1.4);
            fill(p, ellipse(c, 6, 2.5, 2.5), yellow, 1.2);
            break;
        }
        case Hat::viking: {
            for (int side : {-1, 1}) {
                QPainterPath horn;
                horn.moveTo(c + side * 22, 26);
                horn.cubicTo(c + side * 36, 24, c + side * 42, 14, c + side * 40, 2);
                horn.cubicTo(c + side * 34, 12, c + side * 30, 16, c + side * 20, 18);
                horn.closeSubpath();
                fill(p, horn, QColor(250, 240, 210));
            }
            QPainterPath dome;
            dome.moveTo(c - 29, 34);
            dome.cubicTo(c - 30, 4, c + 30, 4, c + 29, 34);
            dome.closeSubpath();
            fill(p, dome, k);
            fill(p, rounded(c - 30, 28, 60, 7, 3), gold);
            for (double x = c - 22; x <= c + 22; x += 11)
                fill(p, ellipse(x, 31.5, 1.5, 1.5), shade(gold, 70), 1);
            break;
        }
        case Hat::chef:
            fill(p, ellipse(c - 15, 12, 13, 11), k);
            fill(p, ellipse(c + 15, 12, 13, 11), k);
            fill(p, ellipse(c, 8, 15, 10), k);
            fill(p, rounded(c - 24, 14, 48, 18, 4), k);
            fill_plain(p, rounded(c - 22.5, 10, 45, 10, 4), k);
            line(p, {c - 8, 18}, {c - 8, 28}, QColor(210, 210, 220), 1.5);
            line(p, {c + 8, 18}, {c + 8, 28}, QColor(210, 210, 220), 1.5);
            break;
        case Hat::party: {
            fill(p, polygon({{c - 17, 26}, {c + 4, 2}, {c + 17, 26}}), k);
            p.save();
            p.setClipPath(polygon({{c - 17, 26}, {c + 4, 2}, {c + 17, 26}}));
            for (int i = 0; i < 5; ++i)
                fill_plain(p, ellipse(c - 10 + i * 5.5, 22 - (i % 2) * 9, 2.3, 2.3),
                           i % 2 ? yellow : pink);
            p.restore();
            fill(p, ellipse(c + 4, 3, 4.5, 3.5), yellow, 1.4);
            break;
        }
        case Hat::bow:
            fill(p, polygon({{c + 12, 22}, {c + 2, 12}, {c + 1, 29}}), k);
            fill(p, polygon({{c + 12, 22}, {c + 23, 12}, {c + 24, 30}}), k);
            fill(p, ellipse(c + 12, 22, 4, 4), shade(k, 85), 1.4);
            break;
        case Hat::flower:
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * 3.14159 / 5;
                fill(p, ellipse(c + 18 + 6 * std::cos(a), 18 + 6 * std::sin(a), 4.5, 4.5), k, 1.3);
            }
            fill(p, ellipse(c + 18, 18, 3.5, 3.5), yellow, 1.3);
            break;
        case Hat::bandana: {
            QPainterPath dome;
            dome.moveTo(c - 28, 34);
            dome.cubicTo(c - 30, 8, c + 30, 8, c + 28, 34);
            dome.closeSubpath();
            fill(p, dome, k);
            p.save();
            p.setClipPath(dome);
            for (int i = 0; i < 6; ++i)
                fill_plain(p, ellipse(c - 20 + i * 8, 20 + (i % 2) * 7, 1.8, 1.8), white);
            p.restore();
            fill(p, polygon({{c - 28, 30}, {c - 40, 26}, {c - 38, 38}}), k);
            fill(p, polygon({{c - 28, 32}, {c - 42, 40}, {c - 33, 44}}), k);
            break;
        }
        case Hat::headphones:
            arc(p, {c, 36}, 33, 30, 10, 160, ink, 7);
            arc(p, {c, 36}, 33, 30, 10, 160, QColor(60, 60, 70), 4);
            for (int side : {-1, 1}) fill(p, rounded(c + side * 33 - 6, 40, 12, 20, 5), k);
            break;
    }
}

void draw_special_face(QPainter& p, const HeadStyle& s) {
    switch (s.face) {
        case Face::robot:
            fill(p, rounded(c - 24, 34, 48, 24, 5), QColor(40, 52, 70), 1.6);  // visor
            line(p, {c, 20}, {c, 9}, ink, 3);
            fill(p, ellipse(c, 7, 4, 4), red, 1.5);
            for (int side : {-1, 1}) {
                for (int row : {0, 1})
                    fill(p, ellipse(c + side * 25, 24 + row * 46, 1.8, 1.8), shade(s.skin, 130), 1);
            }
            break;
        case Face::cat:
        case Face::bear: {
            const QColor muzzle =
                s.face == Face::cat ? QColor(255, 236, 214) : QColor(232, 196, 150);
            fill_plain(p, ellipse(c - 6, 60, 9, 7), muzzle);
            fill_plain(p, ellipse(c + 6, 60, 9, 7), muzzle);
            if (s.face == Face::cat) {
                for (int side : {-1, 1}) {
                    for (int k = -1; k <= 1; ++k) {
                        line(p, {c + side * 12, 58 + k * 2.5}, {c + side * 36, 55.0 + k * 6},
                             shade(ink, 180), 1.2);
                    }
                }
                // tabby stripes
                for (int k = -1; k <= 1; ++k)
                    line(p, {c + k * 6, 24}, {c + k * 5, 32}, shade(s.skin, 75), 2.5);
            }
            break;
        }
        default:
            break;
    }
}

QImage draw_head(const HeadStyle& s) {
    QImage image = canvas(part_width, head_height);
    Painter p(&image);
    draw_neck(p, s);
    draw_back_hair(p, s);
    draw_ears(p, s);
    fill(p, face_path(s.face), s.skin, 2.2);
    if (s.face == Face::alien) {
        fill_plain(p, ellipse(c + 12, 24, 6, 3), shade(s.skin, 115));
    }
    draw_special_face(p, s);
    draw_extra(p, s, s.extra);
    draw_extra(p, s, s.extra2);
    draw_eyes(p, s);
    draw_nose(p, s);
    draw_mouth(p, s);
    if (s.extra == Extra::moustache || s.extra == Extra::curly_moustache)
        draw_extra(p, s, s.extra);
    draw_front_hair(p, s);
    draw_glasses(p, s);
    draw_hat(p, s);
    p.end();
    return image;
}

}  // namespace

QImage head(int number) {
    return draw_head(styles.at(static_cast<std::size_t>(number - 1)));
}

QImage mascot_head() {
    return draw_head(mascot_style);
}

}  // namespace art
