#pragma once

#include <QImage>
#include <QString>

class Vrendis2001;

// The figure on show as a picture of its own, for saving and copying.
namespace keeping {

// The three part pictures the main window shows, as decoded from their files, stacked on
// black without the window's overlap: catalogue::figure_width by catalogue::figure_height.
QImage figure_picture(const Vrendis2001& window);

// The file a chosen name is saved as: the name itself when it ends in .png, .jpg or .jpeg (any
// case), which then choose PNG or JPEG; any other name with ".png" appended.
QString picture_path(const QString& chosen);

// Puts the picture on the clipboard as image/png, with the ID as its text.
void copy_picture(const QImage& picture, const QString& id);

}  // namespace keeping
