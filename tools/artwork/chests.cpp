#include <array>
#include <cmath>

#include "paint.h"
#include "parts.h"

namespace art {

namespace {

constexpr double c = centre;

enum class Cut {
    tshirt,
    shirt_tie,
    jacket,
    sweater,
    robot,
    hoodie,
    hero,
    overalls,
    sailor,
    coat,
    armour,
    tank,
    dress,
    space,
    referee,
    cardigan,
    pirate,
    waistcoat
};
enum class Pattern {
    plain,
    stripes,
    dots,
    checks,
    flowers,
    rainbow,
    vertical,
    leopard,
    heart,
    number,
    star,
    panel
};
enum class Pose { down, hips, wave, up, hold };
enum class Item {
    none,
    ice_cream,
    flower,
    balloon,
    teddy,
    mug,
    book,
    flask,
    shield,
    dumbbell,
    whistle,
    hook,
    wand
};

struct ChestStyle {
    Cut cut;
    QColor cloth;
    Pattern pattern;
    QColor trim;
    Pose pose;
    Item item;
    QColor glove = white;
};

const QColor red{224, 56, 56};
const QColor blue{52, 120, 216};
const QColor navy{40, 58, 120};
const QColor yellow{250, 206, 52};
const QColor green{70, 172, 92};
const QColor pink{246, 128, 176};
const QColor orange{246, 140, 48};
const QColor purple{140, 84, 200};
const QColor grey{120, 124, 140};
const QColor metal{176, 190, 204};
const QColor tan_skin{214, 156, 108};

const ChestStyle mascot_style{Cut::tshirt, accent, Pattern::star, white, Pose::wave, Item::none};

const std::array<ChestStyle, catalogue_size> styles{{
    {Cut::tshirt, red, Pattern::stripes, white, Pose::down, Item::none},
    {Cut::shirt_tie, QColor(160, 204, 244), Pattern::plain, red, Pose::hips, Item::none},
    {Cut::jacket, QColor(82, 86, 104), Pattern::plain, red, Pose::down, Item::none},
    {Cut::sweater, pink, Pattern::heart, red, Pose::wave, Item::none},
    {Cut::robot, metal, Pattern::panel, red, Pose::down, Item::none, metal},
    {Cut::hoodie, green, Pattern::plain, white, Pose::hold, Item::ice_cream, QColor(226, 70, 70)},
    {Cut::hero, blue, Pattern::star, red, Pose::hips, Item::none, red},
    {Cut::tshirt, orange, Pattern::flowers, yellow, Pose::hold, Item::flower},
    {Cut::sailor, white, Pattern::plain, navy, Pose::wave, Item::none},
    {Cut::overalls, yellow, Pattern::plain, QColor(70, 110, 180), Pose::hold, Item::teddy},
    {Cut::tshirt, QColor(250, 210, 40), Pattern::number, green, Pose::up, Item::none},
    {Cut::armour, QColor(196, 204, 216), Pattern::plain, red, Pose::hold, Item::shield,
     QColor(160, 168, 180)},
    {Cut::coat, white, Pattern::plain, QColor(110, 190, 230), Pose::hold, Item::flask,
     QColor(130, 220, 160)},
    {Cut::coat, yellow, Pattern::plain, QColor(230, 150, 30), Pose::hold, Item::balloon,
     QColor(90, 150, 230)},
    {Cut::dress, pink, Pattern::dots, white, Pose::hold, Item::flower},
    {Cut::shirt_tie, red, Pattern::checks, QColor(50, 40, 50), Pose::hold, Item::mug,
     QColor(176, 122, 70)},
    {Cut::waistcoat, purple, Pattern::plain, QColor(250, 210, 60), Pose::down, Item::none},
    {Cut::space, QColor(236, 238, 244), Pattern::plain, accent, Pose::wave, Item::none,
     QColor(236, 238, 244)},
    {Cut::dress, QColor(196, 168, 240), Pattern::star, white, Pose::up, Item::wand},
    {Cut::referee, white, Pattern::vertical, QColor(50, 46, 56), Pose::down, Item::whistle},
    {Cut::cardigan, QColor(220, 170, 60), Pattern::plain, white, Pose::hold, Item::book},
    {Cut::sweater, red, Pattern::rainbow, white, Pose::hips, Item::none},
    {Cut::pirate, white, Pattern::plain, red, Pose::hips, Item::hook},
    {Cut::tank, QColor(240, 180, 80), Pattern::leopard, tan_skin, Pose::up, Item::dumbbell,
     tan_skin},
}};

QPainterPath torso_path(const ChestStyle& s) {
    QPainterPath path;
    const double shoulder = s.cut == Cut::tank ? 40 : 46;
    path.moveTo(c - neck_half, 4);
    path.cubicTo(c - 30, 5, c - shoulder + 2, 9, c - shoulder, 22);
    path.lineTo(c - 42, 96);
    path.lineTo(c - waist_half, 110);
    path.lineTo(c - waist_half, 126);
    path.lineTo(c + waist_half, 126);
    path.lineTo(c + waist_half, 110);
    path.lineTo(c + 42, 96);
    path.lineTo(c + shoulder, 22);
    path.cubicTo(c + shoulder - 2, 9, c + 30, 5, c + neck_half, 4);
    // the neckline dips in front, showing the inside of the collar behind the neck
    path.cubicTo(c + 8, 13, c - 8, 13, c - neck_half, 4);
    path.closeSubpath();
    return path;
}

void draw_collar_back(QPainter& p, const ChestStyle& s) {
    // The inside of the collar, where the neck goes in: exactly as wide as the neck.
    const QColor inside = s.cut == Cut::robot ? shade(s.cloth, 70) : shade(s.cloth, 62);
    QPainterPath band;
    band.addRect(QRectF(c - neck_half, -2, 2 * neck_half, 14));
    fill_plain(p, band, inside);
    line(p, {c - neck_half + 1, -2}, {c - neck_half + 1, 12}, ink, 2);
    line(p, {c + neck_half - 1, -2}, {c + neck_half - 1, 12}, ink, 2);
}

void draw_pattern(QPainter& p, const ChestStyle& s, const QPainterPath& torso) {
    p.save();
    p.setClipPath(torso);
    switch (s.pattern) {
        case Pattern::plain:
        case Pattern::panel:
            break;
        case Pattern::stripes:
            for (double y = 18; y < 124; y += 16)
                fill_plain(p, rounded(c - 60, y, 120, 7, 0), s.trim);
            break;
        case Pattern::vertical:
            for (double x = c - 50; x < c + 50; x += 14)
                fill_plain(p, rounded(x, 0, 7, 130, 0), s.trim);
            break;
        case Pattern::dots:
            for (int row = 0; row < 8; ++row) {
                for (int col = 0; col < 8; ++col) {
                    const double x = c - 45 + col * 13 + (row % 2) * 6.5;
                    fill_plain(p, ellipse(x, 14 + row * 14, 2.8, 2.8), s.trim);
                }
            }
            break;
        case Pattern::checks:
            for (double x = c - 56; x < c + 60; x += 16) {
                fill_plain(p, rounded(x, 0, 7, 130, 0),
                           QColor(s.trim.red(), s.trim.green(), s.trim.blue(), 130));
            }
            for (double y = 6; y < 126; y += 16) {
                fill_plain(p, rounded(c - 60, y, 120, 7, 0),
                           QColor(s.trim.red(), s.trim.green(), s.trim.blue(), 130));
            }
            break;
        case Pattern::flowers:
            for (int i = 0; i < 9; ++i) {
                const double x = c - 34 + (i % 3) * 34 + (i / 3 % 2) * 10;
                const double y = 30 + (i / 3) * 30;
                for (int k = 0; k < 5; ++k) {
                    const double a = k * 2 * M_PI / 5;
                    fill_plain(p, ellipse(x + 4 * std::cos(a), y + 4 * std::sin(a), 3, 3), s.trim);
                }
                fill_plain(p, ellipse(x, y, 2, 2), red);
            }
            break;
        case Pattern::rainbow: {
            const QColor bands[] = {red, orange, yellow, green, blue, purple};
            for (int i = 0; i < 6; ++i)
                fill_plain(p, rounded(c - 60, 30 + i * 11, 120, 11, 0), bands[i]);
            break;
        }
        case Pattern::leopard:
            for (const QPointF& at : scatter(24, {c - 48, 8, 96, 116}, 6, 7)) {
                fill_plain(p, ellipse(at.x(), at.y(), 4.5, 3.6), QColor(110, 64, 30));
                fill_plain(p, ellipse(at.x() + 0.5, at.y(), 2.2, 1.6), QColor(210, 140, 60));
            }
            break;
        case Pattern::heart:
            heart(p, {c, 52}, 14, s.trim);
            break;
        case Pattern::number:
            fill_plain(p, rounded(c - 60, 12, 120, 6, 0), s.trim);
            text(p, QStringLiteral("10"), {c, 56}, sans(34, true), s.trim);
            break;
        case Pattern::star:
            star(p, {c, 50}, 18, s.trim);
            break;
    }
    p.restore();
}

void draw_cut(QPainter& p, const ChestStyle& s) {
    const QColor& t = s.trim;
    switch (s.cut) {
        case Cut::tshirt:
        case Cut::sweater:
        case Cut::tank:
            arc(p, {c, 5}, neck_half + 1, 8, 180, 180, shade(s.cloth, 75), 3);
            if (s.cut == Cut::sweater) {
                fill(p, rounded(c - waist_half, 112, 2 * waist_half, 14, 2), shade(s.cloth, 85));
                for (double x = c - 34; x < c + 36; x += 5)
                    line(p, {x, 114}, {x, 124}, shade(s.cloth, 70), 1);
            }
            break;
        case Cut::shirt_tie:
            fill(p, polygon({{c - 4, 26}, {c + 4, 26}, {c + 7, 70}, {c, 78}, {c - 7, 70}}), t, 1.6);
            fill(p, polygon({{c - 5, 17}, {c + 5, 17}, {c + 4, 26}, {c - 4, 26}}), shade(t, 85),
                 1.6);
            fill(p, polygon({{c - neck_half, 4}, {c - 2, 18}, {c - 20, 22}}), white, 1.6);
            fill(p, polygon({{c + neck_half, 4}, {c + 2, 18}, {c + 20, 22}}), white, 1.6);
            for (double y = 36; y < 110; y += 18) fill(p, ellipse(c + 12, y, 1.6, 1.6), white, 1);
            break;
        case Cut::jacket:
        case Cut::waistcoat: {
            const QColor shirt = white;
            fill(p, polygon({{c - neck_half, 4}, {c + neck_half, 4}, {c + 6, 70}, {c - 6, 70}}),
                 shirt, 1.6);
            if (s.cut == Cut::jacket) {
                fill(p, polygon({{c - neck_half, 4}, {c - 2, 70}, {c - 22, 36}, {c - 16, 28}}),
                     shade(s.cloth, 80), 1.6);
                fill(p, polygon({{c + neck_half, 4}, {c + 2, 70}, {c + 22, 36}, {c + 16, 28}}),
                     shade(s.cloth, 80), 1.6);
                fill(p, polygon({{c, 14}, {c - 11, 8}, {c - 11, 20}}), t, 1.4);
                fill(p, polygon({{c, 14}, {c + 11, 8}, {c + 11, 20}}), t, 1.4);
                fill(p, ellipse(c, 14, 2.5, 2.5), shade(t, 80), 1.2);
                fill(p, rounded(c + 20, 60, 14, 3, 1), white, 1);  // pocket square
                for (double y = 80; y < 110; y += 14)
                    fill(p, ellipse(c - 4, y, 2, 2), QColor(40, 40, 50), 1);
            } else {
                fill(p,
                     polygon({{c - 12, 6}, {c - 2, 18}, {c - 2, 118}, {c - 38, 118}, {c - 40, 30}}),
                     s.cloth, 1.6);
                fill(p,
                     polygon({{c + 12, 6}, {c + 2, 18}, {c + 2, 118}, {c + 38, 118}, {c + 40, 30}}),
                     s.cloth, 1.6);
                for (double y = 40; y < 110; y += 16) fill(p, ellipse(c + 6, y, 2, 2), t, 1);
                arc(p, {c + 18, 74}, 12, 10, 200, 140, t, 1.5);  // watch chain
                fill(p, ellipse(c + 30, 70, 3.5, 3.5), t, 1.2);
                fill(p, polygon({{c, 12}, {c - 9, 7}, {c - 9, 17}}), QColor(30, 30, 40), 1.2);
                fill(p, polygon({{c, 12}, {c + 9, 7}, {c + 9, 17}}), QColor(30, 30, 40), 1.2);
            }
            break;
        }
        case Cut::robot:
            fill(p, rounded(c - 26, 26, 52, 40, 5), QColor(40, 52, 70), 1.6);
            fill(p, ellipse(c - 14, 38, 4.5, 4.5), red, 1.4);
            fill(p, ellipse(c, 38, 4.5, 4.5), yellow, 1.4);
            fill(p, ellipse(c + 14, 38, 4.5, 4.5), QColor(80, 220, 120), 1.4);
            for (int i = 0; i < 5; ++i)
                fill_plain(p, rounded(c - 20 + i * 8, 50 + (i % 3) * 2, 5, 10 - (i % 3) * 2, 1),
                           QColor(90, 200, 250));
            for (double y = 78; y < 110; y += 8)
                line(p, {c - 30, y}, {c + 30, y}, shade(s.cloth, 80), 1.5);
            for (int side : {-1, 1})
                fill(p, ellipse(c + side * 34, 16, 2, 2), shade(s.cloth, 130), 1);
            break;
        case Cut::hoodie:
            for (int side : {-1, 1}) {
                line(p, {c + side * 6, 8}, {c + side * 7, 38}, white, 1.6);
                fill(p, ellipse(c + side * 7, 39, 1.8, 2.4), white, 1);
            }
            fill(p, rounded(c - 26, 76, 52, 24, 6), shade(s.cloth, 90), 1.6);
            fill(p, rounded(c - 36, 2, 72, 9, 4), shade(s.cloth, 85), 1.6);  // hood rim
            break;
        case Cut::hero: {
            fill(p, rounded(c - waist_half, 96, 2 * waist_half, 10, 2), yellow, 1.6);
            fill(p, rounded(c - 6, 95, 12, 12, 2), shade(yellow, 80), 1.6);
            break;
        }
        case Cut::overalls:
            fill(p, rounded(c - 24, 58, 48, 70, 4), t, 1.8);
            for (int side : {-1, 1}) {
                limb(p, {{c + side * 20, 60}, {c + side * 26, 8}}, 7, t);
                fill(p, ellipse(c + side * 19, 62, 3, 3), yellow, 1.2);
            }
            fill(p, rounded(c - 11, 70, 22, 14, 3), shade(t, 90), 1.4);
            break;
        case Cut::sailor:
            fill(p, polygon({{c - 34, 8}, {c + 34, 8}, {c + 30, 24}, {c, 48}, {c - 30, 24}}), t,
                 1.8);
            line(p, {c - 28, 14}, {c, 38}, white, 1.5);
            line(p, {c + 28, 14}, {c, 38}, white, 1.5);
            fill(p, polygon({{c, 46}, {c - 9, 60}, {c + 9, 60}}), red, 1.4);
            for (double y = 80; y < 124; y += 12)
                line(p, {c - 40, y}, {c + 40, y}, QColor(120, 160, 220), 3);
            break;
        case Cut::coat:
            fill(p, polygon({{c - neck_half, 4}, {c + neck_half, 4}, {c + 4, 40}, {c - 4, 40}}), t,
                 1.6);
            fill(p, polygon({{c - neck_half, 4}, {c - 2, 40}, {c - 18, 26}}), shade(s.cloth, 90),
                 1.6);
            fill(p, polygon({{c + neck_half, 4}, {c + 2, 40}, {c + 18, 26}}), shade(s.cloth, 90),
                 1.6);
            line(p, {c, 40}, {c, 126}, shade(s.cloth, 75), 2);
            for (double y = 54; y < 110; y += 18)
                fill(p, ellipse(c - 6, y, 2.4, 2.4), shade(s.cloth, 70), 1.2);
            fill(p, rounded(c + 14, 40, 18, 20, 3), shade(s.cloth, 94), 1.4);
            line(p, {c + 19, 36}, {c + 19, 44}, blue, 2);
            line(p, {c + 24, 36}, {c + 24, 44}, red, 2);
            break;
        case Cut::armour:
            for (double y = 26; y < 110; y += 20)
                arc(p, {c, y}, 40, 10, 200, 140, shade(s.cloth, 75), 1.6);
            fill(p, rounded(c - 34, 6, 68, 12, 5), shade(s.cloth, 90), 1.6);
            for (int side : {-1, 1})
                fill(p, ellipse(c + side * 26, 12, 2, 2), shade(s.cloth, 60), 1);
            break;
        case Cut::dress:
            arc(p, {c, 5}, neck_half + 3, 10, 180, 180, white, 3);
            fill(p, rounded(c - waist_half, 100, 2 * waist_half, 8, 3), t, 1.6);
            fill(p, ellipse(c + 14, 104, 6, 4), t, 1.4);
            break;
        case Cut::space:
            fill(p, rounded(c - 40, 3, 80, 12, 6), shade(s.cloth, 85), 1.6);
            fill(p, rounded(c - 22, 30, 44, 28, 4), QColor(90, 100, 120), 1.6);
            fill(p, ellipse(c - 10, 38, 3, 3), red, 1.2);
            fill(p, ellipse(c, 38, 3, 3), QColor(90, 220, 120), 1.2);
            fill(p, ellipse(c + 10, 38, 3, 3), yellow, 1.2);
            fill(p, rounded(c - 14, 46, 28, 6, 2), QColor(90, 200, 250), 1.2);
            fill(p, ellipse(c - 26, 78, 9, 9), t, 1.4);
            text(p, QStringLiteral("V"), {c - 26, 78}, sans(11, true), white);
            limb(p, {{c + 26, 56}, {c + 34, 90}, {c + 22, 110}}, 3, grey);
            break;
        case Cut::referee:
            fill(p, polygon({{c - neck_half, 4}, {c - 2, 18}, {c - 18, 20}}), QColor(50, 46, 56),
                 1.4);
            fill(p, polygon({{c + neck_half, 4}, {c + 2, 18}, {c + 18, 20}}), QColor(50, 46, 56),
                 1.4);
            break;
        case Cut::cardigan:
            fill(p, polygon({{c - neck_half, 4}, {c + neck_half, 4}, {c + 6, 126}, {c - 6, 126}}),
                 t, 1.6);
            for (double y = 36; y < 110; y += 16)
                fill(p, ellipse(c - 9, y, 2.6, 2.6), shade(s.cloth, 60), 1.2);
            for (int side : {-1, 1})
                fill(p, rounded(c + side * 24 - 8, 78, 16, 14, 2), shade(s.cloth, 90), 1.4);
            break;
        case Cut::pirate:
            fill(p, polygon({{c - neck_half, 4}, {c + neck_half, 4}, {c, 40}}),
                 QColor(226, 170, 130), 1.6);
            fill(p, polygon({{c - 14, 6}, {c - 4, 44}, {c - 6, 100}, {c - 42, 100}, {c - 46, 26}}),
                 QColor(70, 50, 60), 1.6);
            fill(p, polygon({{c + 14, 6}, {c + 4, 44}, {c + 6, 100}, {c + 42, 100}, {c + 46, 26}}),
                 QColor(70, 50, 60), 1.6);
            fill(p, rounded(c - waist_half, 96, 2 * waist_half, 14, 3), t, 1.6);
            fill(p, polygon({{c + 20, 104}, {c + 30, 118}, {c + 16, 116}}), t, 1.4);
            break;
    }
}

struct Arm {
    QPointF shoulder, elbow, hand;
};

Arm arm_for(Pose pose, int side) {
    auto at = [side](double dx, double y) { return QPointF(c + side * dx, y); };
    switch (pose) {
        case Pose::down:
            return {at(41, 22), at(54, 58), at(57, 92)};
        case Pose::hips:
            return {at(41, 22), at(66, 56), at(43, 86)};
        case Pose::wave:
            if (side > 0)
                return {at(41, 22), at(66, 40), at(80, 14)};
            return {at(41, 22), at(54, 58), at(57, 92)};
        case Pose::up:
            return {at(41, 22), at(64, 30), at(70, 12)};
        case Pose::hold:
            if (side > 0)
                return {at(41, 22), at(56, 58), at(26, 72)};
            return {at(41, 22), at(54, 58), at(57, 92)};
    }
    return {};
}

void draw_arms(QPainter& p, const ChestStyle& s) {
    const QColor sleeve = s.cut == Cut::tank      ? s.trim
                          : s.cut == Cut::sailor  ? white
                          : s.cut == Cut::referee ? QColor(50, 46, 56)
                                                  : s.cloth;
    for (int side : {-1, 1}) {
        const Arm arm = arm_for(s.pose, side);
        limb(p, {arm.shoulder, arm.elbow, arm.hand}, s.cut == Cut::robot ? 8 : 13, sleeve);
        if (s.cut == Cut::robot) {
            fill(p, ellipse(arm.elbow.x(), arm.elbow.y(), 5, 5), shade(s.cloth, 85), 1.4);
        }
        if (s.cut == Cut::tank) {
            // a proud biceps
            fill_plain(p,
                       ellipse((arm.shoulder.x() + arm.elbow.x()) / 2,
                               (arm.shoulder.y() + arm.elbow.y()) / 2 + 2, 7, 5),
                       shade(sleeve, 110));
        }
        const bool hook_hand = s.item == Item::hook && side < 0;
        if (hook_hand) {
            fill(p, rounded(arm.hand.x() - 6, arm.hand.y() - 6, 12, 8, 2), QColor(110, 80, 60),
                 1.4);
            arc(p, {arm.hand.x(), arm.hand.y() + 8}, 5, 6, 90, 270, ink, 4.5);
            arc(p, {arm.hand.x(), arm.hand.y() + 8}, 5, 6, 90, 270, QColor(210, 214, 224), 2.5);
            continue;
        }
        if (s.cut != Cut::robot && s.cut != Cut::tank) {
            const QPointF d = arm.hand - arm.elbow;
            const double len = std::hypot(d.x(), d.y());
            const QPointF cuff = arm.hand - d * (6.0 / len);
            line(p, cuff - QPointF(-d.y(), d.x()) * (7.5 / len),
                 cuff + QPointF(-d.y(), d.x()) * (7.5 / len), shade(sleeve, 75), 2.5);
        }
        if (s.cut == Cut::robot) {
            // claws
            fill(p,
                 polygon({arm.hand + QPointF(-7, -2), arm.hand + QPointF(-2, 10),
                          arm.hand + QPointF(-2, 0)}),
                 s.glove, 1.4);
            fill(p,
                 polygon({arm.hand + QPointF(7, -2), arm.hand + QPointF(2, 10),
                          arm.hand + QPointF(2, 0)}),
                 s.glove, 1.4);
            fill(p, ellipse(arm.hand.x(), arm.hand.y(), 5, 4), shade(s.glove, 85), 1.4);
        } else {
            hand(p, arm.hand, 7.5, s.glove, side < 0);
        }
    }
}

void draw_item(QPainter& p, const ChestStyle& s) {
    const Arm right = arm_for(s.pose, 1);
    const QPointF h = right.hand;
    switch (s.item) {
        case Item::none:
        case Item::hook:
            break;
        case Item::ice_cream:
            fill(p, polygon({{h.x() - 7, h.y() - 6}, {h.x() + 7, h.y() - 6}, {h.x(), h.y() + 14}}),
                 QColor(230, 180, 100), 1.5);
            fill(p, ellipse(h.x(), h.y() - 12, 8, 7), pink, 1.5);
            fill(p, ellipse(h.x() - 1, h.y() - 21, 6.5, 6), QColor(255, 246, 220), 1.5);
            fill(p, ellipse(h.x() + 1, h.y() - 28, 2.5, 2.5), red, 1.2);
            hand(p, h, 7.5, s.glove, false);
            break;
        case Item::flower:
            line(p, {h.x(), h.y()}, {h.x() + 2, h.y() - 34}, green, 2.5);
            fill(p, ellipse(h.x() + 7, h.y() - 18, 5, 2.5), green, 1.2);
            for (int k = 0; k < 6; ++k) {
                const double a = k * M_PI / 3;
                fill(p,
                     ellipse(h.x() + 2 + 6 * std::cos(a), h.y() - 38 + 6 * std::sin(a), 4.5, 4.5),
                     s.pattern == Pattern::dots ? yellow : red, 1.2);
            }
            fill(p, ellipse(h.x() + 2, h.y() - 38, 3.5, 3.5),
                 s.pattern == Pattern::dots ? orange : yellow, 1.2);
            hand(p, h, 7.5, s.glove, false);
            break;
        case Item::balloon: {
            const QPointF top(c + 92, 26);
            line(p, h, top + QPointF(0, 18), QColor(230, 230, 230), 1.2);
            fill(p, ellipse(top.x(), top.y(), 15, 18), red, 1.8);
            fill_plain(p, ellipse(top.x() - 5, top.y() - 7, 3.5, 5), QColor(255, 160, 160));
            fill(p, polygon({top + QPointF(0, 17), top + QPointF(-3, 22), top + QPointF(3, 22)}),
                 red, 1.2);
            hand(p, h, 7.5, s.glove, false);
            break;
        }
        case Item::teddy: {
            const QColor fur{190, 130, 80};
            const QPointF t = h + QPointF(-4, -6);
            fill(p, ellipse(t.x(), t.y() + 10, 10, 12), fur, 1.6);
            for (int side : {-1, 1}) fill(p, ellipse(t.x() + side * 7, t.y() - 16, 4, 4), fur, 1.4);
            fill(p, ellipse(t.x(), t.y() - 9, 10, 9), fur, 1.6);
            fill_plain(p, ellipse(t.x(), t.y() - 6, 4.5, 3.5), QColor(236, 200, 160));
            fill_plain(p, ellipse(t.x(), t.y() - 7, 1.6, 1.2), ink);
            for (int side : {-1, 1})
                fill_plain(p, ellipse(t.x() + side * 4, t.y() - 11, 1.4, 1.4), ink);
            hand(p, h + QPointF(4, 4), 7.5, s.glove, false);
            break;
        }
        case Item::mug:
            fill(p, rounded(h.x() - 8, h.y() - 16, 16, 18, 2), white, 1.6);
            arc(p, {h.x() - 9, h.y() - 7}, 4, 5, 90, 180, ink, 2);
            heart(p, {h.x(), h.y() - 7}, 3.5, red);
            for (int k = 0; k < 2; ++k)
                arc(p, {h.x() - 3 + k * 6, h.y() - 22}, 2, 4, 270, 180, QColor(200, 200, 210), 1.2);
            hand(p, h, 7.5, s.glove, false);
            break;
        case Item::book:
            fill(p, rounded(h.x() - 20, h.y() - 26, 30, 36, 2), QColor(236, 232, 220),
                 1.6);  // pages
            fill(p, rounded(h.x() - 22, h.y() - 28, 30, 36, 2), QColor(60, 110, 200), 1.6);
            line(p, {h.x() - 17, h.y() - 28}, {h.x() - 17, h.y() + 8},
                 shade(QColor(60, 110, 200), 60), 1.5);
            text(p, QStringLiteral("ABC"), {h.x() - 5, h.y() - 16}, sans(7, true), yellow);
            star(p, {h.x() - 5, h.y() - 4}, 5, yellow);
            hand(p, h, 7.5, s.glove, false);
            break;
        case Item::flask: {
            QPainterPath glass;
            glass.moveTo(h.x() - 3, h.y() - 26);
            glass.lineTo(h.x() + 3, h.y() - 26);
            glass.lineTo(h.x() + 3, h.y() - 16);
            glass.lineTo(h.x() + 11, h.y() + 2);
            glass.lineTo(h.x() - 11, h.y() + 2);
            glass.lineTo(h.x() - 3, h.y() - 16);
            glass.closeSubpath();
            fill(p, glass, QColor(220, 240, 250), 1.6);
            fill_plain(p,
                       polygon({{h.x() - 7, h.y() - 7},
                                {h.x() + 7, h.y() - 7},
                                {h.x() + 10, h.y() + 1},
                                {h.x() - 10, h.y() + 1}}),
                       QColor(120, 230, 110));
            for (int k = 0; k < 3; ++k)
                fill(p, ellipse(h.x() - 2 + k * 3, h.y() - 32 - k * 5, 2 + k * 0.5, 2 + k * 0.5),
                     QColor(170, 250, 170), 1);
            hand(p, h, 7.5, s.glove, false);
            break;
        }
        case Item::shield: {
            QPainterPath shield;
            shield.moveTo(h.x() - 17, h.y() - 24);
            shield.lineTo(h.x() + 17, h.y() - 24);
            shield.cubicTo(h.x() + 17, h.y() + 4, h.x() + 6, h.y() + 14, h.x(), h.y() + 20);
            shield.cubicTo(h.x() - 6, h.y() + 14, h.x() - 17, h.y() + 4, h.x() - 17, h.y() - 24);
            fill(p, shield, s.trim, 2);
            fill_plain(p, rounded(h.x() - 3, h.y() - 20, 6, 34, 1), white);
            fill_plain(p, rounded(h.x() - 13, h.y() - 10, 26, 6, 1), white);
            break;
        }
        case Item::dumbbell:
            line(p, {c - 72, 13}, {c + 72, 13}, ink, 6);
            line(p, {c - 72, 13}, {c + 72, 13}, QColor(150, 150, 160), 3);
            for (int side : {-1, 1}) {
                fill(p, rounded(c + side * 82 - 6, 4, 12, 18, 3), QColor(60, 60, 72), 1.6);
                fill(p, rounded(c + side * 74 - 3, 6, 6, 14, 2), QColor(80, 80, 94), 1.4);
            }
            for (int side : {-1, 1}) hand(p, arm_for(s.pose, side).hand, 7.5, s.glove, side < 0);
            break;
        case Item::whistle:
            line(p, {c - 8, 10}, {c + 4, 48}, QColor(230, 230, 230), 1.2);
            line(p, {c + 8, 10}, {c + 4, 48}, QColor(230, 230, 230), 1.2);
            fill(p, rounded(c - 2, 46, 14, 8, 3), QColor(200, 200, 210), 1.4);
            break;
        case Item::wand:
            line(p, h, h + QPointF(16, 4), ink, 4);
            line(p, h, h + QPointF(16, 4), QColor(120, 80, 60), 2);
            star(p, h + QPointF(21, 5), 7, yellow);
            hand(p, h, 7.5, s.glove, false);
            break;
    }
}

QImage draw_chest(const ChestStyle& s) {
    QImage image = canvas(part_width, chest_height);
    Painter p(&image);
    if (s.cut == Cut::hero) {
        // the cape behind, inside the picture's own margin
        QPainterPath cape;
        cape.moveTo(c - 40, 10);
        cape.cubicTo(c - 70, 50, c - 72, 90, c - 66, 114);
        cape.lineTo(c + 66, 114);
        cape.cubicTo(c + 72, 90, c + 70, 50, c + 40, 10);
        cape.closeSubpath();
        fill(p, cape, s.trim);
    }
    draw_collar_back(p, s);
    const QPainterPath torso = torso_path(s);
    fill(p, torso, s.cloth, 2.2);
    draw_pattern(p, s, torso);
    // the torso's outline again, over the pattern
    p.setPen(QPen(ink, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(torso);
    draw_cut(p, s);
    draw_arms(p, s);
    draw_item(p, s);
    p.end();
    return image;
}

}  // namespace

QImage chest(int number) {
    return draw_chest(styles.at(static_cast<std::size_t>(number - 1)));
}

QImage mascot_chest() {
    return draw_chest(mascot_style);
}

}  // namespace art
