#include "catalogue/figure_id.h"

namespace catalogue {

QString figure_id(const PartNumbers& numbers) {
    QString id;
    for (Part part : parts) id += part_id(part, numbers[index(part)]);
    return id;
}

IdDigits scan_id(const QString& id) {
    QString t = id;
    t.remove(QLatin1Char('h'));
    IdDigits digits;
    const qsizetype c = t.indexOf(QLatin1Char('c'));
    digits.head = c < 0 ? t : t.left(c);
    // The chest digits start one place past the head digits, whatever stands there.
    const qsizetype chest_start = digits.head.size() + 1;
    if (chest_start < t.size()) {
        const qsizetype l = t.indexOf(QLatin1Char('l'), chest_start);
        digits.chest = l < 0 ? t.mid(chest_start) : t.mid(chest_start, l - chest_start);
    }
    const qsizetype legs_start = digits.head.size() + digits.chest.size() + 2;
    if (legs_start < t.size())
        digits.legs = t.mid(legs_start);
    return digits;
}

std::array<QString, 3> picture_paths(const Catalogue& catalogue, const QString& id) {
    const IdDigits scanned = scan_id(id);
    const QString digits[] = {scanned.head, scanned.chest, scanned.legs};
    std::array<QString, 3> paths;
    for (Part part : parts) {
        if (names_picture(digits[index(part)]))
            paths[index(part)] = catalogue::picture_path(
                catalogue.directory_of(part), QLatin1String(letter(part)) + digits[index(part)]);
    }
    return paths;
}

}  // namespace catalogue
