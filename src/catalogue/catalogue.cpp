#include "catalogue/catalogue.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "catalogue/picture_cache.h"
#include "platform/paths.h"
#include "settings/shuffle.h"

namespace catalogue {

using settings::ProgramKey;

const char* letter(Part part) {
    switch (part) {
        case Part::head:
            return "h";
        case Part::chest:
            return "c";
        case Part::legs:
            return "l";
    }
    return "";
}

ProgramKey count_key(Part part) {
    switch (part) {
        case Part::head:
            return ProgramKey::head_count;
        case Part::chest:
            return ProgramKey::chest_count;
        case Part::legs:
            return ProgramKey::legs_count;
    }
    return ProgramKey::head_count;
}

ProgramKey directory_key(Part part) {
    switch (part) {
        case Part::head:
            return ProgramKey::head_directory;
        case Part::chest:
            return ProgramKey::chest_directory;
        case Part::legs:
            return ProgramKey::legs_directory;
    }
    return ProgramKey::head_directory;
}

std::optional<std::int16_t> count_value(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value != std::floor(value) || value < 1 ||
        value > largest_count)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> draw(const QString& count_text) {
    const std::optional<std::int16_t> count = count_value(count_text);
    if (!count)
        return std::nullopt;
    std::vector<std::int16_t> candidates(static_cast<std::size_t>(*count));
    std::iota(candidates.begin(), candidates.end(), std::int16_t{1});
    settings::shuffle_numbers(candidates);
    return candidates.front();
}

QString part_id(Part part, std::int16_t number) {
    return QLatin1String(letter(part)) + QString::number(number);
}

QString picture_path(const QString& directory, const QString& part_id) {
    return platform::program_path(directory + part_id + QStringLiteral(".jpg"));
}

bool names_picture(QStringView digits) {
    return !digits.isEmpty() && digits.size() <= 5 &&
           std::all_of(digits.begin(), digits.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

Catalogue Catalogue::read() {
    Catalogue catalogue;
    for (Part part : parts)
        catalogue.count[index(part)] = settings::read_program_profile(count_key(part));
    for (Part part : parts)
        catalogue.directory[index(part)] = settings::read_program_profile(directory_key(part));
    return catalogue;
}

QString Catalogue::picture_path(Part part, std::int16_t number) const {
    return catalogue::picture_path(directory_of(part), part_id(part, number));
}

QImage load_part(const QString& path) {
    return picture_cache().load(path);
}

QImage compose(const QImage& head, const QImage& chest, const QImage& legs) {
    QImage figure(figure_width, figure_height, QImage::Format_RGB32);
    figure.fill(Qt::black);
    QPainter painter(&figure);
    int top = 0;
    const QImage* pictures[] = {&head, &chest, &legs};
    for (std::size_t band = 0; band < std::size(pictures); ++band) {
        const QRect slot(0, top, figure_width, band_height[band]);
        if (!pictures[band]->isNull()) {
            painter.setClipRect(slot);
            painter.drawImage(slot.topLeft(), *pictures[band]);
        }
        top += band_height[band];
    }
    return figure;
}

}  // namespace catalogue
