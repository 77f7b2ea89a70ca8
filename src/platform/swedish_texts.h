#pragma once

// Every text is Swedish, also in Qt's own dialogs (the save dialog of "Spara bild"): Qt's Swedish
// translations where the system has them, and our own for the few texts of the file dialog that
// they leave in English.
namespace platform {

// Installs both on the running application; they live as long as the program.
void install_swedish_qt_texts();

}  // namespace platform
