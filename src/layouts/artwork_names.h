#pragma once

#include <array>

// The names of the twelve artwork files under "\data\app\", the one list of them: the program
// loads them, the artwork renderer draws them, and its build step reads this file for the list
// of its outputs, one quoted name per line.
namespace layouts::artwork {

// clang-format off
inline constexpr const char* btn_skapa_on =           "btn_skapa_on.jpg";
inline constexpr const char* btn_skapa_off =          "btn_skapa_off.jpg";
inline constexpr const char* btn_slideshow_on =       "btn_slideshow_on.jpg";
inline constexpr const char* btn_slideshow_off =      "btn_slideshow_off.jpg";
inline constexpr const char* btn_stop_slideshow_on =  "btn_stop_slideshow_on.jpg";
inline constexpr const char* btn_stop_slideshow_off = "btn_stop_slideshow_off.jpg";
inline constexpr const char* btn_helskarm_on =        "btn_helskarm_on.jpg";
inline constexpr const char* btn_helskarm_off =       "btn_helskarm_off.jpg";
inline constexpr const char* bokmarken =              "bokmarken.jpg";
inline constexpr const char* bokmarken_on =           "bokmarken_on.jpg";
inline constexpr const char* bokmarken_in =           "bokmarken_in.jpg";
inline constexpr const char* bokmarken_in_on =        "bokmarken_in_on.jpg";
// clang-format on

inline constexpr std::array<const char*, 12> names = {
    btn_skapa_on,      btn_skapa_off,         btn_slideshow_on,
    btn_slideshow_off, btn_stop_slideshow_on, btn_stop_slideshow_off,
    btn_helskarm_on,   btn_helskarm_off,      bokmarken,
    bokmarken_on,      bokmarken_in,          bokmarken_in_on,
};

}  // namespace layouts::artwork
