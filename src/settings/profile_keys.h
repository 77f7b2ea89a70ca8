#pragma once

// Every file, section and key the program uses, named once.
namespace settings::keys {

// Program profile.
inline constexpr const char* program_profile = "\\vrendisar.ini";
inline constexpr const char* program_section = "Vrendomaten";
inline constexpr const char* head_count = "Antal_Huvuden";
inline constexpr const char* chest_count = "Antal_Broest";
inline constexpr const char* legs_count = "Antal_Ben";
inline constexpr const char* head_directory = "Huvuden";
inline constexpr const char* chest_directory = "Broest";
inline constexpr const char* legs_directory = "Ben";
inline constexpr const char* common_count = "Antal_vrendisar";
inline constexpr const char* show_splash = "Visa_splash";

// Bookmark file.
inline constexpr const char* bookmark_file = "\\bookmark.dat";
inline constexpr const char* bookmark_section = "Bookmarks";
inline constexpr const char* bookmark_counter = "Counter";
inline constexpr const char* bookmark_prefix = "bookmark_";

}  // namespace settings::keys
