#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "catalogue/catalogue.h"

// What is wrong with a catalogue, told in Swedish sentences that name each file by its full path
// or each key by its name, so that the person who drew the pictures can mend it. Reads only.
namespace catalogue {

// The size every picture of a kind must have: head 285x87, chest 285x123, legs 285x195.
QSize part_size(Part part);

// The program profile as it is read (the user's copy over the installed one where that
// applies): nothing when it exists and reads, else what is wrong with it.
std::optional<QString> profile_problem();

// Nothing when the key's value is a count (a whole number from 1 to 32767), else why not.
std::optional<QString> count_problem(settings::ProgramKey key, const QString& value);

// Nothing when the profile names the kind's count and folder, else what is wrong with the first
// of them that is missing, or with a count that is none.
std::optional<QString> kind_problem(Part part, const Catalogue& read);

// Why the catalogue cannot serve a figure at all, from the profile and the folders alone: the
// profile missing or unreadable, a count that is none, a folder missing or without a picture
// of its kind. Empty when a figure can be drawn. Cheap enough for every start.
std::vector<QString> unusable_reasons();

struct Findings {
    std::vector<QString> problems;
    // Not problems: files numbered beyond their kind's count, which nothing shows.
    std::vector<QString> notes;
    int pictures_checked = 0;
};

// The whole catalogue: the profile, its keys and counts, the folders, and every picture from 1
// to its kind's count, which must be a JPEG of its kind's size. The size comes from the
// picture's header unless `decode` asks for every picture to be decoded, as the window decodes
// it: a JPEG cut short or corrupt is then a problem. Pictures are looked at on every core.
Findings check_catalogue(bool decode);

}  // namespace catalogue
