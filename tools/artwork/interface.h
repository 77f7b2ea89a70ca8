#pragma once

#include <QImage>
#include <QString>

// The window artwork: command buttons, bookmark tabs, small glyphs, icons and the splash.
namespace art {

// A 118 x 10 command picture: the words in small capitals, dark blue when available, grey when not.
QImage command_button(const QString& words, bool available);

// A 13 x 430 bookmark tab with the word written upwards. The closed tab opens the list, the open
// tab closes it; highlighted is the look under the pointer.
QImage bookmark_tab(bool open, bool highlighted);

QImage marker();        // 9 x 11, points at the command under the pointer
QImage tick();          // 16 x 15, the lock mark
QImage arrow();         // 11 x 7, points down
QImage minimise();      // 37 x 8, the minimise button behind the arrow
QImage icon(int size);  // square, with transparency

// 375 x 427: the title picture with sample figures, a dark-blue band along its bottom for the
// splash check box and close link.
QImage splash();

// For people: random whole figures and every picture, zoomed twice.
QImage contact_sheet(int figures, unsigned seed);

}  // namespace art
