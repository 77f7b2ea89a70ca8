#pragma once

#include <QString>

#include "layouts/artwork_names.h"
#include "layouts/controls.h"

// The artwork files of the command rows and the bookmark tabs (names in artwork_names.h),
// loaded from the program directory + "\data\app\" at the moment they are needed.
namespace layouts::artwork {

// The native path of an artwork file.
QString path(const char* name);

// Loads an artwork file into an image; when it cannot be loaded the image keeps its picture
// and the result is false.
bool load(Image* image, const char* name);

}  // namespace layouts::artwork
