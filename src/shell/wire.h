#pragma once

class Vrendis2001;

// The shell connects its handlers here: those of the main window once, when it is built, and
// those of each loader window when the main window announces it.
namespace shell {
void wire(Vrendis2001& window);

// The main window's load step. Runs once, when the program has built and wired the window.
void load(Vrendis2001& window);
}  // namespace shell
