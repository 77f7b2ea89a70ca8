#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The program's commands, run without a window or a display:
//   vrendomaten --render ID -o FILE [--scale N] [--dir DIR]
//   vrendomaten --check [--full] [--dir DIR]
//   vrendomaten --name TEXT -o FILE [--scale N] [--dir DIR]
//   vrendomaten --sheet -o FILE [--columns N] [--dir DIR]
//   vrendomaten --import FILE --as huvud|bröst|ben [--dir DIR]
//   vrendomaten --help | --version
// Option names are English words, as command lines have them; every message is Swedish.
namespace app {

// Exit statuses of a command.
enum Status { done = 0, failed = 1, bad_use = 2 };

// True when the arguments ask for a command rather than the window: an argument beginning with
// "--", or one of the commands' short options. Qt's own window options ("-platform xcb",
// "-style fusion") and anything else leave the program starting as it always has.
bool wants_command(int argc, char** argv);

// Parses the arguments and runs the command they ask for; the exit status.
int run_command(int argc, char** argv);

// One line on standard error (a failure) or standard output.
void tell_error(const QString& line);
void tell(const QString& line);

// The figure of `id` ("h12c3l7", or "random" for one drawn as a new figure is) written to
// `file` as PNG or JPEG by its suffix, `scale_text` times the figure's size; crash-safe, so a
// failure leaves no file and an existing one as it was. A random figure's ID goes to standard
// output once written.
int render(const QString& id, const QString& file, const QString& scale_text);

// The figure of a name (catalogue/name.h) written as render writes a figure; its ID goes to
// standard output once written.
int name_figure(const QString& name, const QString& file, const QString& scale_text);

// The contact sheet of the bookmarks the window would list (catalogue/sheet.h), `columns_text`
// figures to a row: file, then file-2 and so on for more than one sheet, each name on standard
// output once written. Bookmarks without a figure are named on standard error; that is no
// failure. The first file that cannot be written ends the series.
int sheet(const QString& file, const QString& columns_text);

// The format a file's ending asks for; nothing, once told, for an ending of no picture format.
std::optional<QByteArray> output_format(const QString& file);
// Where a file that cannot be written fails: its folder, or the file itself.
QString unwritable(const QString& file);

// The picture `file` made into the next part of the kind `kind_text` names ("huvud", "bröst" or
// "brost", "ben", in any case) and added to the catalogue; its ID goes to standard output. With
// `only_directory` (--dir) nothing but the program directory is written.
int import_part(const QString& file, const QString& kind_text, bool only_directory);

}  // namespace app
