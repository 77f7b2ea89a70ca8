#pragma once

class Vrendis2001;
class Fullscreen;

// The slideshow and full-screen subsystem connects its handlers here: those of the main window
// once, when it is built, and those of each full-screen window when it is created.
namespace views {
void wire(Vrendis2001& window);
void wire(Vrendis2001& window, Fullscreen& view);
}  // namespace views
