#pragma once

#include <QImage>
#include <QString>

class Vrendis2001;

// The figure on show as a picture of its own, for saving and copying.
namespace keeping {

// The three part pictures the main window shows, as decoded from their files, stacked on
// black without the window's overlap: catalogue::figure_width by catalogue::figure_height.
QImage figure_picture(const Vrendis2001& window);

// Where a chosen name is saved and how: .png, .jpg and .jpeg (any case) keep their name and
// choose PNG or JPEG; any other name gets ".png" appended.
struct PictureFile {
    QString path;
    const char* format;
};
PictureFile picture_file(const QString& chosen);

// Writes the picture crash-safely: the file is replaced whole or not at all. False when it
// could not be written.
bool write_picture(const QImage& picture, const PictureFile& file);

// Puts the picture on the clipboard as image/png, with the ID as its text.
void copy_picture(const QImage& picture, const QString& id);

}  // namespace keeping
