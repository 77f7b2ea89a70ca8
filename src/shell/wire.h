#pragma once

class Vrendis2001;
class Loader;

// The shell connects its handlers here: those of the main window once, when it is built, and
// those of each loader window when it is created.
namespace shell {
void wire(Vrendis2001& window);
void wire(Vrendis2001& window, Loader& loader);

// The main window's load step. Runs once, at the end of the window's construction.
void load(Vrendis2001& window);
}  // namespace shell
