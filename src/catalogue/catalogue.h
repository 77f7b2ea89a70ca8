#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "settings/program_profile.h"

// The picture catalogue and the figure it makes, without any window: the part kinds, the
// counts and picture directories of the program profile, the path of a part's picture, loading
// it, and composing a head, a chest and a pair of legs into one picture of the whole figure.
namespace catalogue {

// The part kinds, always handled in this order.
enum class Part { head, chest, legs };
inline constexpr std::array<Part, 3> parts = {Part::head, Part::chest, Part::legs};
inline constexpr std::size_t index(Part part) {
    return static_cast<std::size_t>(part);
}

// The ID letter: "h", "c" or "l".
const char* letter(Part part);
settings::ProgramKey count_key(Part part);
settings::ProgramKey directory_key(Part part);

// Part numbers are 16-bit: no count can name more parts than this.
inline constexpr int largest_count = 32767;

// A count the numbers 1..count can be drawn from: a whole number from 1 to largest_count. Any
// other text names no count, and a part drawn from it stays as it is.
std::optional<std::int16_t> count_value(const QString& text);

// A random part number, as every random figure draws it: the first entry of the shuffled list
// 1..count. Nothing when the text names no count.
std::optional<std::int16_t> draw(const QString& count_text);

// The part's ID text, letter and number: "h12".
QString part_id(Part part, std::int16_t number);

// The native path of a picture: program directory + directory value + part ID + ".jpg". The ID
// is taken as given.
QString picture_path(const QString& directory, const QString& part_id);

// Whether a part number written as text (a bookmark's digits, say) can name a picture: one to
// five decimal digits, taken as they stand. Any other text names none and is never made into a
// path, so that a hand-edited bookmark cannot reach a file outside the catalogue.
bool names_picture(QStringView digits);

// The counts and directories of the program profile, as read, in the order head, chest, legs.
struct Catalogue {
    std::array<QString, 3> count;
    std::array<QString, 3> directory;

    // Reads the three counts, then the three directories.
    static Catalogue read();

    const QString& count_of(Part part) const { return count[index(part)]; }
    const QString& directory_of(Part part) const { return directory[index(part)]; }
    QString picture_path(Part part, std::int16_t number) const;
};

// A part's picture; a null image when the file is missing or no picture. Served from the
// picture cache, which checks the file on every call.
QImage load_part(const QString& path);

// The figure's picture: head above chest above legs, each left-aligned in its band of a black
// picture 285 pixels wide. A part larger than its band is cut to it; a null part leaves its
// band black.
inline constexpr int figure_width = 285;
inline constexpr std::array<int, 3> band_height = {87, 123, 195};
inline constexpr int figure_height = band_height[0] + band_height[1] + band_height[2];
QImage compose(const QImage& head, const QImage& chest, const QImage& legs);

}  // namespace catalogue
