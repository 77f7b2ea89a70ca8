#pragma once

#include <QString>
#include <QStringList>

// Where the program's files live. Every file the program opens is named as the program
// directory followed by a name that begins with a backslash ("\vrendisar.ini",
// "\data\huvuden\h12.jpg"); these helpers turn such names into native paths.
//
// The program directory holds the catalogue, the artwork and the default profile. The two
// files the program writes, "\vrendisar.ini" and "\bookmark.dat", stay beside them while the
// directory is writable (the build tree, a portable copy). An installed program directory is
// not writable for its users: then those two files live in the user's folder, and only this
// service knows it (files_to_read, file_to_write).
namespace platform {

// The directory of the executable, without a trailing separator.
QString program_directory();

// Points the program at another program directory (tests, a catalogue elsewhere); an empty text
// restores the real one.
void set_program_directory(const QString& directory);

// The user's folder: $XDG_DATA_HOME/vrendomaten, by default ~/.local/share/vrendomaten.
QString user_directory();

// Keeps the user's files in the given directory as though the program directory were not
// writable (tests run as root, who may write anywhere); an empty text restores the real choice.
void set_user_directory(const QString& directory);

// Reads and writes the program directory's own files where they stand, never a user's copy:
// for a catalogue named on the command line, which belongs to no user's settings. Off restores
// the usual choice.
void set_files_in_place(bool in_place);

// True when the user's files live in the user's folder: the program directory is not writable
// for this user. Decided once per program directory.
bool user_files_apart();

// Turns the backslashes of a profile-style name into the native separator.
QString native_path(const QString& backslash_path);

// program_directory() + name, as a native path: where the program's own files are read. The
// name is used verbatim, so a name without its leading backslash gives a path that does not
// exist, as it should. A name that is an absolute path of this platform ("/home/me/huvuden/h1.jpg",
// from a directory value the user set) is used as it stands.
QString program_path(const QString& backslash_name);

// A settings file named by its program_path: the files it is read from, a key being taken from
// the first file that holds it. While the user's files live apart, that is the user's copy and,
// for the program profile only, the installed profile beneath it, so that a newer package's
// values reach every user who has not set them; the bookmark file is the user's alone. Any other
// path is read as it stands.
QStringList files_to_read(const QString& path);

// Where changes to the settings file named by its program_path go, the user's folder created on
// first need. When it cannot be created, the path still names it and the write fails there.
QString file_to_write(const QString& path);

// Once at start: removes the copy of the executable and the link to the pictures that the old
// launcher script made in the user's folder; the user's bookmarks and profile stay.
void remove_launcher_leftovers();

}  // namespace platform
