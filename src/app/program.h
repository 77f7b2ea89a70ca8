#pragma once

#include <memory>

class Vrendis2001;

// The composition root: the one place that knows every subsystem.
namespace app {

// Connects every subsystem's handlers to the main window. The loader and the full-screen
// window are wired by their subsystems when the main window announces them.
void wire(Vrendis2001& window);

// Builds the main window, wires it and runs its load step once. Whatever the caller installed
// before (program directory, random source, dialogs) is in force for the load step.
std::unique_ptr<Vrendis2001> open_main_window();

// Shows the main window and runs the program until the window's unload, however it is asked to
// close, shown or minimised; returns the exit status.
int run(Vrendis2001& window);

// Benchmark builds only (the VRENDIS_FIRST_PAINT_PROBE option, absent from the shipped program):
// writes "first figure painted" to standard output once the first figure is on screen, then
// "window answers, N bookmarks listed" once the work queued behind it is done.
void report_first_figure(Vrendis2001& window);

}  // namespace app
