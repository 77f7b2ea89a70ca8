#pragma once

#include <QString>

#include "layouts/controls.h"

// The artwork files of the command rows and the bookmark tabs, loaded from the program
// directory + "\data\app\" at the moment they are needed.
namespace layouts::artwork {

inline constexpr const char* btn_skapa_on = "btn_skapa_on.jpg";
inline constexpr const char* btn_skapa_off = "btn_skapa_off.jpg";
inline constexpr const char* btn_slideshow_on = "btn_slideshow_on.jpg";
inline constexpr const char* btn_slideshow_off = "btn_slideshow_off.jpg";
inline constexpr const char* btn_stop_slideshow_on = "btn_stop_slideshow_on.jpg";
inline constexpr const char* btn_stop_slideshow_off = "btn_stop_slideshow_off.jpg";
inline constexpr const char* btn_helskarm_on = "btn_helskarm_on.jpg";
inline constexpr const char* btn_helskarm_off = "btn_helskarm_off.jpg";
inline constexpr const char* bokmarken = "bokmarken.jpg";
inline constexpr const char* bokmarken_on = "bokmarken_on.jpg";
inline constexpr const char* bokmarken_in = "bokmarken_in.jpg";
inline constexpr const char* bokmarken_in_on = "bokmarken_in_on.jpg";

// The native path of an artwork file.
QString path(const char* name);

// Loads an artwork file into an image; when it cannot be loaded the image keeps its picture
// and the result is false.
bool load(Image* image, const char* name);

}  // namespace layouts::artwork
