#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <utility>
#include <vector>

#include "layouts/vrendis2001.h"
#include "support/test_doubles.h"

namespace testing_support {

// A program directory in a temporary folder, laid out as installed: "\vrendisar.ini" (CRLF,
// section Vrendomaten), a tiny catalogue under \data\huvuden\, \data\broest\, \data\ben\ and
// the twelve artwork files under \data\app\. platform::program_directory() points at it for its
// lifetime.
//
// Every picture tells which file it is by its size: picture_size(kind, number). Kinds are the
// ID letters 'h', 'c', 'l'.
class ProgramDirectory {
public:
    static constexpr int head_count = 4;
    static constexpr int chest_count = 3;
    static constexpr int legs_count = 5;

    // pictures_width: 0 for the tiny test pictures, or a width such as 285 for pictures that
    // look like figure parts (screenshots).
    explicit ProgramDirectory(int pictures_width = 0);
    ~ProgramDirectory();
    ProgramDirectory(const ProgramDirectory&) = delete;
    ProgramDirectory& operator=(const ProgramDirectory&) = delete;

    QString path() const { return directory_.path(); }
    // The native path of a "\name" inside the directory.
    QString file(const QString& backslash_name) const;

    // The profile: values are kept in order and the file rewritten on every change.
    void set_profile_value(const QString& key, const QString& value);
    void remove_profile_value(const QString& key);
    void remove_profile();

    // Catalogue pictures: the path the program builds for them, their identifying size.
    QString picture_path(char kind, int number) const;
    QSize picture_size(char kind, int number) const;
    // Writes a picture of part `number` (also one beyond the counts), or bytes that are no
    // picture at all, or removes it.
    void write_picture(char kind, int number);
    void write_broken_picture(char kind, int number);
    void remove_picture(char kind, int number);

    // The artwork file "\data\app\" + name, and the size it was written with.
    QString artwork_path(const QString& name) const;
    static const std::vector<QString>& artwork_names();

private:
    void write_profile();
    QTemporaryDir directory_;
    int pictures_width_;
    std::vector<std::pair<QString, QString>> profile_;
};

// The fixture catalogue's sizes, as the tests name them.
inline constexpr int heads = ProgramDirectory::head_count;
inline constexpr int chests = ProgramDirectory::chest_count;
inline constexpr int legs = ProgramDirectory::legs_count;

// Random values that make the shuffle of 1..count put `number` first: the first step picks
// the entry, the others keep their places.
std::vector<float> draws_for(int number, int count);
// Several draws in a row, as {number, count} pairs, for one call of the generator.
std::vector<float> draws_for(std::initializer_list<std::pair<int, int>> parts);

// Moves the pointer over a widget (to its middle unless told), as the window system reports it.
// QTest's own move sets the cursor position, which Wayland does not allow; this sends the move
// through the widget's window, or straight to the widget under the point while no window shows.
void move_pointer(QWidget* widget, QPoint at = {});

// The fixture for tests that drive the main window: a program directory, a scripted random
// source (0 until scripted: every draw picks part 1), captured message boxes and beeps, and the
// real window, built on first use of window() so that a test can change the profile or the
// catalogue before the window's load step runs.
class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(int pictures_width = 0) : program(pictures_width) {}

    Vrendis2001& window();
    // Shows the window and makes it the active one, as keyboard shortcuts need.
    void show_window();

    // Whether an image shows the given catalogue picture.
    bool shows(const layouts::Image* image, char kind, int number) const;

    ProgramDirectory program;
    ScriptedRandom random;
    CapturedDialogs dialogs;

private:
    std::unique_ptr<Vrendis2001> window_;
};

}  // namespace testing_support
