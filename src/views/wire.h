#pragma once

class Vrendis2001;

// The slideshow and full-screen subsystem connects its handlers here: those of the main window
// once, when it is built, and those of each full-screen window when the main window announces
// it.
namespace views {
void wire(Vrendis2001& window);
}  // namespace views
