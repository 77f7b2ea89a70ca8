#pragma once

#include <QString>
#include <QStringList>

// Where the program's files live. Every file the program opens is named as the program
// directory followed by a name that begins with a backslash ("\vrendisar.ini",
// "\data\huvuden\h12.jpg"); these helpers turn such names into native paths.
//
// The program directory holds the catalogue, the artwork and the default profile. Each settings
// file the program writes ("\vrendisar.ini", "\bookmark.dat") stays beside them while this user
// can write it there (the build tree, a portable copy); one that cannot be written in place
// lives in the user's folder instead. An installed program never writes into its own directory,
// whoever runs it. Only this service knows where each file went (files_to_read, file_to_write).
namespace platform {

// The directory of the executable, without a trailing separator.
QString program_directory();

// Points the program at another program directory (tests, a catalogue elsewhere); an empty text
// restores the real one.
void set_program_directory(const QString& directory);

// True when this copy of the program is installed: a file "installed" stands beside the
// executable, where cmake --install and the package put it.
bool installed();

// The user's folder: $XDG_DATA_HOME/vrendomaten, by default ~/.local/share/vrendomaten.
QString user_directory();

// Reads and writes the program directory's own files where they stand, never a user's copy:
// for a catalogue named on the command line, which belongs to no user's settings. Off restores
// the usual choice.
void set_files_in_place(bool in_place);

// Turns the backslashes of a profile-style name into the native separator.
QString native_path(const QString& backslash_path);

// program_directory() + name, as a native path: where the program's own files are read. The
// name is used verbatim, so a name without its leading backslash gives a path that does not
// exist, as it should. A name that is an absolute path of this platform ("/home/me/huvuden/h1.jpg",
// from a directory value the user set) is used as it stands.
QString program_path(const QString& backslash_name);

// How the user's copy of a settings file is read.
enum class UserCopy {
    // Key by key over the program's file, which holds every key the user has not set, so that a
    // newer package's values reach every user who has not set them: the program profile.
    over_program_file,
    // Instead of the program's file: the bookmarks. Until the copy exists, a program that is not
    // installed reads the file it could not write, and the copy starts from it.
    instead_of_program_file,
};

// Where changes to a settings file named by its program_path go, decided once per file: the
// file itself while this user can write it in place, else the user's copy, the user's folder
// created on first need (when it cannot be, the path still names it and the write fails there).
// Any other path is written as it stands.
QString file_to_write(const QString& path);

// The files a settings file named by its program_path is read from, a key being taken from the
// first file that holds it: the file itself while it is written in place, else the user's copy
// and, as `copy` says, the program's file beneath it or in its stead.
QStringList files_to_read(const QString& path, UserCopy copy);

// Once at start: removes what the old launcher script made in the user's folder, and only that:
// a link "data" to an installed program's "data", and beside it the copy of the executable
// ("vrendomaten", or "vrendomaten.new" half made). Nothing when the folder is itself a link.
void remove_launcher_leftovers();

}  // namespace platform
