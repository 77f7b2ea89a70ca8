#include "interface.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "paint.h"
#include "parts.h"

namespace art {

namespace {

const QColor greyed{168, 168, 174};
const QColor tab_grey{183, 183, 183};  // the open bookmark panel's background
const QColor tab_light{214, 214, 214};

QImage scaled_figure(int head_number, int chest_number, int legs_number, double factor) {
    const QImage whole = figure(head(head_number), chest(chest_number), legs(legs_number));
    return whole.scaled(static_cast<int>(std::lround(whole.width() * factor)),
                        static_cast<int>(std::lround(whole.height() * factor)),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Draws a figure picture onto a coloured background: its black background becomes see-through.
void draw_cut_out(QPainter& p, const QImage& picture, QPointF at) {
    QImage cut = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cut.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(cut.scanLine(y));
        for (int x = 0; x < cut.width(); ++x) {
            const int level = std::max({qRed(row[x]), qGreen(row[x]), qBlue(row[x])});
            if (level < 14) {
                row[x] = qRgba(0, 0, 0, 0);
            } else if (level < 40) {
                // soften the rim so the ink outline does not leave a dark halo
                const int alpha = (level - 14) * 255 / 26;
                row[x] = qRgba(qRed(row[x]), qGreen(row[x]), qBlue(row[x]), alpha);
            }
        }
    }
    p.drawImage(at, cut);
}

}  // namespace

QImage command_button(const QString& words, bool available) {
    QImage image = canvas(118, 10, panel);
    Painter p(&image);
    const QFont font = sans(9, true);
    p.setFont(font);
    p.setPen(available ? accent : greyed);
    p.drawText(QPointF(1, 9), words);
    p.end();
    return image;
}

QImage bookmark_tab(bool open, bool highlighted) {
    QImage image = canvas(13, 430);
    Painter p(&image);
    const QColor face = highlighted ? accent : (open ? tab_grey : tab_light);
    const QColor letters = highlighted ? white : accent;
    // The tab's straight side faces the panel it belongs to, its round side faces the figure.
    fill_plain(p, rounded(-6, 0, 19, 430, 6), face);
    if (open)
        fill_plain(p, rounded(0, 0, 6, 430, 0), face);
    line(p, {12.5, 6}, {12.5, 424}, shade(face, 80), 1);

    // an arrow at each end shows which way the tab moves the list
    const double dir = open ? -1 : 1;
    for (double y : {14.0, 416.0}) {
        QPainterPath arrow_shape =
            polygon({{6.5 - dir * 2.5, y - 4}, {6.5 + dir * 2.5, y}, {6.5 - dir * 2.5, y + 4}});
        fill_plain(p, arrow_shape, letters);
    }

    // Written level on its own strip, where the font's hinting keeps the letters crisp, then
    // turned a quarter (a lossless turn) to read upwards.
    const QString word = QStringLiteral("BOKMÄRKEN");
    QFont font = sans(10, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    const int length = static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(word)));
    QImage strip(length, 13, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    {
        Painter q(&strip);
        q.setFont(font);
        q.setPen(letters);
        q.drawText(QPointF(0, 10.5), word);
    }
    p.drawImage(QPointF(0, 215 - length / 2), strip.transformed(QTransform().rotate(-90)));
    p.end();
    return image;
}

QImage marker() {
    QImage image = canvas(9, 11, panel);
    Painter p(&image);
    fill_plain(p, polygon({{1.5, 1}, {8.5, 5.5}, {1.5, 10}}), accent);
    p.end();
    return image;
}

QImage tick() {
    QImage image = canvas(16, 15, panel);
    Painter p(&image);
    QPainterPath path;
    path.moveTo(2.5, 8);
    path.lineTo(6, 11.5);
    path.lineTo(13.5, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(accent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.end();
    return image;
}

QImage arrow() {
    QImage image = canvas(11, 7, panel);
    Painter p(&image);
    fill_plain(p, polygon({{1, 1.5}, {10, 1.5}, {5.5, 6.5}}), accent);
    p.end();
    return image;
}

QImage minimise() {
    QImage image = canvas(37, 8, panel);
    Painter p(&image);
    p.setPen(QPen(accent, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, 36, 7), 2, 2);
    // the down arrow glyph lies over x 11..21; beside it the usual minimise bar
    p.fillRect(QRectF(24, 5, 8, 1.5), accent);
    p.end();
    return image;
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    Painter p(&image);
    p.scale(size / 32.0, size / 32.0);
    // a round badge with a little vrendis face
    QRadialGradient glow(QPointF(12, 10), 22);
    glow.setColorAt(0, QColor(40, 130, 214));
    glow.setColorAt(1, accent);
    p.setPen(QPen(QColor(0, 50, 100), 1.2));
    p.setBrush(glow);
    p.drawEllipse(QPointF(16, 16), 15, 15);
    const QColor skin{255, 219, 185};
    p.setPen(QPen(QColor(40, 30, 54), size >= 32 ? 1.0 : 0.0));
    p.setBrush(skin);
    p.drawEllipse(QPointF(16, 17.5), 9.5, 9.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 206, 52));  // a yellow cap
    QPainterPath cap;
    cap.moveTo(6.5, 15);
    cap.cubicTo(6, 5, 26, 5, 25.5, 15);
    cap.closeSubpath();
    p.drawPath(cap);
    p.drawRoundedRect(QRectF(16, 12.5, 11, 3), 1.5, 1.5);
    p.setBrush(QColor(34, 26, 44));
    p.drawEllipse(QPointF(12.5, 18), 1.5, 1.8);
    p.drawEllipse(QPointF(19.5, 18), 1.5, 1.8);
    p.setPen(QPen(QColor(150, 40, 50), size >= 32 ? 1.4 : 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 17, 10, 6.5), 200 * 16, 140 * 16);
    if (size >= 32) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 150, 160, 150));
        p.drawEllipse(QPointF(9.5, 21.5), 2, 1.3);
        p.drawEllipse(QPointF(22.5, 21.5), 2, 1.3);
    }
    p.end();
    return image;
}

QImage splash() {
    QImage image = canvas(375, 427);
    Painter p(&image);
    QLinearGradient sky(0, 0, 0, 427);
    sky.setColorAt(0.0, QColor(6, 30, 66));
    sky.setColorAt(0.55, QColor(12, 64, 128));
    sky.setColorAt(1.0, QColor(30, 110, 180));
    p.fillRect(QRectF(0, 0, 375, 427), sky);

    // a scatter of little stars, the same on every build
    Rng rng(20010627);
    for (int i = 0; i < 70; ++i) {
        const double x = rng.range(0, 374);
        const double y = rng.range(0, 250);
        const int level = rng.range(120, 255);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(level, level, std::min(255, level + 20)));
        const double r = rng.chance(0.15) ? 1.3 : 0.7;
        p.drawEllipse(QPointF(x + 0.5, y + 0.5), r, r);
    }
    // a soft stage of light under the figures
    QRadialGradient stage(QPointF(187.5, 380), 170);
    stage.setColorAt(0, QColor(255, 240, 190, 120));
    stage.setColorAt(1, QColor(255, 240, 190, 0));
    p.setBrush(stage);
    p.drawEllipse(QPointF(187.5, 380), 190, 40);

    draw_cut_out(p, scaled_figure(21, 15, 6, 0.47), QPointF(-6, 200));
    draw_cut_out(p, scaled_figure(12, 18, 9, 0.47), QPointF(247, 200));
    draw_cut_out(p, scaled_figure(1, 4, 1, 0.68), QPointF(187.5 - 285 * 0.68 / 2, 116));

    // the name
    const QFont title = serif(44, true);
    const QString name = QStringLiteral("Vrendomaten");
    text(p, name, {189.5, 44}, title, QColor(0, 20, 50));
    text(p, name, {187.5, 42}, title, QColor(255, 214, 70));
    text(p, QStringLiteral("Huvud, bröst och ben – blanda fritt!"), {187.5, 82}, sans(13, true),
         white);
    const int combinations = catalogue_size * catalogue_size * catalogue_size;
    const QString count = QString::number(combinations)
                              .replace(QRegularExpression(QStringLiteral("(\\d)(?=(\\d{3})+$)")),
                                       QStringLiteral("\\1 "));
    text(p, count + QStringLiteral(" vrendisar väntar på dig"), {187.5, 100}, sans(11),
         QColor(200, 224, 250));

    // the band for the splash check box and its close link
    p.fillRect(QRectF(0, 397, 375, 30), accent);
    p.fillRect(QRectF(0, 396, 375, 1), QColor(120, 180, 240));
    p.end();
    return image;
}

QImage contact_sheet(int figures, unsigned seed) {
    constexpr int zoom = 2;
    constexpr int gap = 16;
    const int columns = 6;
    const int rows = (figures + columns - 1) / columns;
    const int figure_w = part_width * zoom;
    const int figure_h = figure_height * zoom;

    std::vector<std::pair<QString, QImage>> pieces{
        {"splash", splash()},
        {"fullscreen", figure(mascot_head(), mascot_chest(), mascot_legs())},
        {"icon", icon(128)},
    };
    const int art_top = gap + rows * (figure_h + gap + 14);
    const int width = gap + columns * (figure_w + gap);
    const int height = art_top + 427 * zoom + gap + 14 + 4 * (10 * zoom + 6) + 60 + 600;
    QImage sheet = canvas(width, height, QColor(60, 60, 70));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(sans(13, true));
    // Each kind shuffled on its own, so the sheet shows as many different parts as it can.
    Rng rng(seed);
    auto shuffled = [&rng] {
        std::vector<int> numbers(catalogue_size);
        for (int i = 0; i < catalogue_size; ++i) numbers[i] = i + 1;
        for (int i = catalogue_size - 1; i > 0; --i)
            std::swap(numbers[i], numbers[rng.range(0, i)]);
        return numbers;
    };
    const std::vector<int> heads = shuffled();
    const std::vector<int> chests = shuffled();
    const std::vector<int> legs_numbers = shuffled();
    for (int i = 0; i < figures; ++i) {
        const int h = heads[i % catalogue_size];
        const int c = chests[i % catalogue_size];
        const int l = legs_numbers[i % catalogue_size];
        const QImage whole = figure(head(h), chest(c), legs(l));
        const int x = gap + (i % columns) * (figure_w + gap);
        const int y = gap + (i / columns) * (figure_h + gap + 14);
        p.setPen(white);
        p.drawText(x, y + 10, QStringLiteral("h%1c%2l%3").arg(h).arg(c).arg(l));
        p.drawImage(x, y + 14, whole.scaled(figure_w, figure_h));
    }
    int x = gap;
    for (const auto& [label, picture] : pieces) {
        p.setPen(white);
        p.drawText(x, art_top + 10, label);
        const QImage big = picture.scaled(picture.width() * zoom, picture.height() * zoom);
        p.drawImage(x, art_top + 14, big);
        x += big.width() + gap;
    }
    const std::vector<std::pair<QString, bool>> buttons{
        {QStringLiteral("SKAPA NY VRENDIS"), true}, {QStringLiteral("SKAPA NY VRENDIS"), false},
        {QStringLiteral("STARTA BILDSPEL"), true},  {QStringLiteral("STARTA BILDSPEL"), false},
        {QStringLiteral("STOPPA BILDSPEL"), true},  {QStringLiteral("STOPPA BILDSPEL"), false},
        {QStringLiteral("HELSKÄRM"), true},         {QStringLiteral("HELSKÄRM"), false},
    };
    int y = art_top + 14;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const QImage b = command_button(buttons[i].first, buttons[i].second);
        p.drawImage(x + static_cast<int>(i % 2) * (118 * 4 + gap), y, b.scaled(118 * 4, 40));
        if (i % 2 == 1)
            y += 40 + 8;
    }
    y += 8;
    int gx = x;
    for (const QImage& glyph : {marker(), tick(), arrow(), minimise(), icon(32), icon(16)}) {
        const QImage big = glyph.scaled(glyph.width() * 4, glyph.height() * 4);
        p.drawImage(gx, y, big);
        gx += big.width() + gap;
    }
    y += 80;
    gx = x;
    for (bool open : {false, true}) {
        for (bool lit : {false, true}) {
            const QImage tab = bookmark_tab(open, lit);
            p.drawImage(gx, y, tab.scaled(tab.width() * zoom, tab.height() * zoom));
            gx += tab.width() * zoom + gap;
        }
    }
    p.end();
    return sheet;
}

}  // namespace art
