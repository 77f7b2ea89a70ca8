#pragma once

#include <QString>

// Where the program's files live. Every file the program opens is named as the program
// directory followed by a name that begins with a backslash ("\vrendisar.ini",
// "\data\huvuden\h12.jpg"); these helpers turn such names into native paths.
namespace platform {

// The directory of the executable, without a trailing separator.
QString program_directory();

// Tests point the program at a temporary directory; an empty text restores the real one.
void set_program_directory(const QString& directory);

// Turns the backslashes of a profile-style name into the native separator.
QString native_path(const QString& backslash_path);

// program_directory() + name, as a native path. The name is used verbatim, so a name
// without its leading backslash gives a path that does not exist, as it should.
QString program_path(const QString& backslash_name);

}  // namespace platform
