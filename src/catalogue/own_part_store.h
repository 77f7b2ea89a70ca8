#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "catalogue/catalogue.h"

// A fitted own part added to the catalogue as its kind's next number, for the window and the
// command line alike.
//
// The part goes into the catalogue being read where that may be written: a program that is not
// installed, with its kind's folder and its profile writable in place. Otherwise the first part
// makes the user's own catalogue, a copy of the one being read in the user's folder, and that is
// the catalogue read from then on; an installed tree is never written. The picture is written
// before the raised count, under the profile's lock, so that two copies of the program never
// take the same number and a kill at any moment leaves no count naming a missing picture.
namespace catalogue {

// Where a part may be written.
enum class OwnPartPlace {
    // In place where it may be, else in the user's own catalogue.
    usual,
    // Only the program directory's own catalogue: one named on the command line.
    program_directory,
};

// The user's own catalogue: $XDG_DATA_HOME/vrendomaten/katalog, one folder per kind.
QString own_catalogue_directory();

struct StoredPart {
    std::int16_t number = 0;
    // The new part's ID ("h25"); empty when nothing was stored, and `problem` says why in
    // Swedish.
    QString part_id;
    QString problem;
};

// Stores `jpeg`, a picture of the kind's band, as the kind's next number and raises the count.
// Nothing changes when it is refused: the file for that number exists, the kind is full, a
// folder or the profile cannot be written.
StoredPart store_own_part(Part part, const QByteArray& jpeg,
                          OwnPartPlace place = OwnPartPlace::usual);

}  // namespace catalogue
