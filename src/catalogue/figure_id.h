#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "catalogue/catalogue.h"

// A figure's ID text, "h12c3l7", both ways: made from part numbers, and read back into the
// picture files it names as a bookmark row reads it.
namespace catalogue {

// Part numbers or counts in the order head, chest, legs.
using PartNumbers = std::array<std::int16_t, 3>;

QString figure_id(const PartNumbers& numbers);

// The digits of an ID: "h12c3l7" gives 12, 3 and 7.
struct IdDigits {
    QString head, chest, legs;
};
IdDigits scan_id(const QString& id);

// The picture files of the ID's head, chest and legs: each part's letter and digits as scanned,
// in its directory. A part whose digits name no picture (see names_picture) has no file: its
// path is empty, so that a hand-edited bookmark cannot reach outside the catalogue.
std::array<QString, 3> picture_paths(const Catalogue& catalogue, const QString& id);

}  // namespace catalogue
