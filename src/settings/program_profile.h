#pragma once

#include <QString>
#include <vector>

// The program profile "\vrendisar.ini" beside the executable, section "Vrendomaten": every key
// the program reads or writes there, each named once, and the one way to reach them. Values
// come back as the text the file holds; what a value means (a count, a directory) is up to the
// reader, since the callers take a count by different rules.
namespace settings {

enum class ProgramKey {
    head_count,       // "Antal_Huvuden"
    chest_count,      // "Antal_Broest"
    legs_count,       // "Antal_Ben"
    head_directory,   // "Huvuden", a name like "\data\huvuden\"
    chest_directory,  // "Broest"
    legs_directory,   // "Ben"
    common_count,     // "Antal_vrendisar", the range of the create-new command
    show_splash,      // "Visa_splash", "1" shows the splash at start
};

// The key's name in the file.
const char* key_name(ProgramKey key);

// Points the profile store at the key and reads it: the empty text when it is missing.
QString read_program_profile(ProgramKey key);

// Several keys, in the order given, from one look at the profile: one version of the file for
// all of them, at the cost of one read.
std::vector<QString> read_program_profile(const std::vector<ProgramKey>& keys);

// Points the profile store at the key and writes the value; true when the file now holds it.
bool write_program_profile(ProgramKey key, const QString& value);

}  // namespace settings
